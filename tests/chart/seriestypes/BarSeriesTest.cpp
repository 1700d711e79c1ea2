// Bar series on a chart of fixed pixels: the width from the slots, bars
// side by side, stacked and stacked to 100 % (an empty stack rests on the
// origin), origins, offsets, every shape upright and lying, thin and empty
// bars, marks above and below, clicks on each shape, margins, points too
// far out to draw, and the settings shared by the bars of a chart.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/ChartPicture.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/series/SeriesDrawSupport.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/PublishedProperties.h"
#include "platform/runtime/SysUtils.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Logs the shapes only bars draw besides what the series canvas logs.
class TBarRecordingCanvas : public TSeriesRecordingCanvas {
public:
    explicit TBarRecordingCanvas(TSeriesLog* ALog) : TSeriesRecordingCanvas(ALog), log_(ALog) {}
    void Arrow(bool Filled, const TPoint& From, const TPoint& To, int ArrowWidth, int ArrowHeight, int Z) override {
        log_->push_back("Arrow " + Pt(From.x, From.y) + " " + Pt(To.x, To.y) + " w" + std::to_string(ArrowWidth) +
                        " h" + std::to_string(ArrowHeight));
        TSeriesRecordingCanvas::Arrow(Filled, From, To, ArrowWidth, ArrowHeight, Z);
    }
    void GradientFill(const TRect& R, TColor StartColor, TColor EndColor, TGradientDirection Direction) override {
        log_->push_back("Gradient " + Pt(R.Left, R.Top) + " " + Pt(R.Right, R.Bottom) + " d" +
                        std::to_string(Direction));
        TSeriesRecordingCanvas::GradientFill(R, StartColor, EndColor, Direction);
    }
    void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark) override {
        log_->push_back(std::string("Pyramid ") + (Vertical ? "v " : "h ") + Pt(Left, Top) + " " + Pt(Right, Bottom));
        TSeriesRecordingCanvas::Pyramid(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark);
    }

private:
    TSeriesLog* log_;
};

// The series rectangle can be moved, so that the slot arithmetic can be
// tried on an axis of any length.
class TBarChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    TRect SeriesRect = TRect(100, 50, 300, 250);

protected:
    void CalcAxisRect() override {
        SetChartRect(SeriesRect);
        ReCalcWidthHeight();
        for (TCustomChartAxis* axis : GetAxesList()) {
            axis->AdjustMaxMin();
            axis->InternalCalcPositions();
        }
        CalcSize3DWalls();
    }
};

const TPublishedClassRegistrar<TBarChart, TCustomAxisPanel> barChartClass("TBarChart", [](auto&) {});

struct BarDraw : ::testing::Test {
    BarDraw() : form(new TForm(nullptr)), chart(new TBarChart(form)) {
        form->SetBounds(0, 0, 700, 300);
        chart->SetParent(form);
        chart->SetBounds(0, 0, 700, 300);
        chart->SetView3D(false);
        chart->SetAxisVisible(false);
        chart->SetColor(clWhite);
        chart->GetBottomAxis()->SetMinMax(0, 10);
        chart->GetLeftAxis()->SetMinMax(0, 100);
        chart->SetInternalCanvas(new TBarRecordingCanvas(&log));
        form->Show();
    }
    ~BarDraw() override { delete form; }

    // A bar series 10 pixels wide, in red, without marks.
    template <class T>
    T* New(TColor AColor = clRed) {
        auto* s = new T(form);
        s->SetParentChart(chart);
        s->SetSeriesColor(AColor);
        s->SetCustomBarSize(10);
        s->GetMarks()->SetVisible(false);
        return s;
    }
    TSeriesLog Paint() {
        log.clear();
        picture = PaintOnWhite(chart);
        return log;
    }
    TColor PixelAt(int X, int Y) const { return picture->GetCanvas()->GetPixels(X, Y); }
    // What the bars filled or outlined, in order.
    TSeriesLog Shapes() {
        TSeriesLog result;
        for (const std::string& line : Paint())
            if (line.rfind("Rect", 0) == 0 || line.rfind("Line", 0) == 0 || line.rfind("Polygon", 0) == 0 ||
                line.rfind("Ellipse", 0) == 0 || line.rfind("Arrow", 0) == 0 || line.rfind("Gradient", 0) == 0)
                result.push_back(line);
        return result;
    }

    TForm* form;
    TBarChart* chart;
    TSeriesLog log;
    std::unique_ptr<TBitmap> picture;
};

// ---- Width --------------------------------------------------------------------

struct WidthCase {
    int points, percent;
    bool sideMargins, autoSize;
    int custom, perPage, expected;
};

TEST_F(BarDraw, WidthComesFromTheSlotOfAPointOnTheAxis) {
    // The bottom axis is 200 pixels over 0..10.
    const WidthCase cases[] = {
        {10, 70, true, false, 0, 0, 14},  // 200 div 11 = 18, 12.6 rounds to 13, odd goes up
        {4, 78, true, false, 0, 0, 32},   // 200 div 5 = 40, 31.2 -> 31 -> 32
        {10, 1, true, false, 0, 0, 0},    // a width of 0 stays 0
        {10, 70, false, false, 0, 0, 14}, // 200 div 10 = 20
        {3, 70, true, true, 0, 0, 12},    // Round(200 / 12) = 17, 11.9 -> 12
        {10, 70, true, false, 7, 0, 7},   // a custom width is taken as it is
        {10, 70, true, false, 0, 4, 28},  // pages of 4 points: 200 div 5 = 40
        {0, 70, true, false, 0, 0, 0},    // nothing to draw
    };
    for (const WidthCase& c : cases) {
        auto* s = New<TBarSeries>();
        s->SetCustomBarSize(c.custom);
        s->SetBarWidthPercent(c.percent);
        s->SetSideMargins(c.sideMargins);
        s->SetAutoBarSize(c.autoSize);
        for (int i = 0; i < c.points; ++i) s->Add(i);
        Paint();
        chart->SetMaxPointsPerPage(c.perPage);
        s->CalcBarWidth();
        EXPECT_EQ(s->GetBarWidth(), c.expected) << c.points << " points, " << c.percent << " %";
        chart->SetMaxPointsPerPage(0);
        delete s;
    }
}

TEST_F(BarDraw, SideBySideBarsShareTheSlotCentredOnThePoint) {
    chart->SeriesRect = TRect(10, 50, 610, 250);  // 600 pixels, 60 a unit
    auto* a = New<TBarSeries>();
    auto* b = New<TBarSeries>(clBlue);
    for (auto* s : {a, b}) {
        s->SetCustomBarSize(0);
        for (int i = 0; i < 10; ++i) s->Add(s == a ? 50 : 30);
    }
    const TSeriesLog shapes = Shapes();
    // 600 div 11 = 54, 37.8 -> 38, 38 div 2 = 19, raised to 20.
    EXPECT_EQ(a->GetBarWidth(), 20);
    EXPECT_EQ(a->CalcXPos(3), 190 - 20);
    EXPECT_EQ(b->CalcXPos(3), 190);
    EXPECT_THAT(shapes, Contains("Rect 170,150 190,250 brush0000FF"));
    EXPECT_THAT(shapes, Contains("Rect 190,190 210,250 brushFF0000"));
    EXPECT_EQ(PixelAt(180, 200), clRed);
    EXPECT_EQ(PixelAt(200, 200), clBlue);
    EXPECT_EQ(PixelAt(200, 170), clWhite);

    // One bar per slot once they no longer stand side by side.
    a->SetMultiBar(mbNone);
    EXPECT_EQ(b->GetMultiBar(), mbNone);
    Paint();
    EXPECT_EQ(a->GetBarWidth(), 38);
    EXPECT_EQ(a->CalcXPos(3), 190 - 19);
}

TEST_F(BarDraw, HorizontalSideBySideBarsPutTheFirstSeriesLowest) {
    auto* a = New<THorizBarSeries>();
    auto* b = New<THorizBarSeries>(clBlue);
    for (auto* s : {a, b}) {
        s->SetCustomBarSize(0);
        s->AddXY(4, 50);
    }
    Paint();
    // 200 div 2 = 100 pixels a slot, 70 div 2 = 35, raised to 36.
    EXPECT_EQ(a->GetBarWidth(), 36);
    EXPECT_EQ(a->CalcYPos(0), 150);
    EXPECT_EQ(b->CalcYPos(0), 150 - 36);
    EXPECT_EQ(PixelAt(140, 160), clRed);
    EXPECT_EQ(PixelAt(140, 140), clBlue);
}

// ---- Along the value axis -------------------------------------------------------

TEST_F(BarDraw, BarsRunFromTheOriginToTheirValues) {
    auto* a = New<TBarSeries>();
    a->AddXY(2, 40);
    a->AddXY(6, 70);
    EXPECT_THAT(Shapes(), ElementsAre("Rect 135,170 145,250 brush0000FF", "Rect 215,110 225,250 brush0000FF"));
    EXPECT_EQ(PixelAt(140, 200), clRed);
    EXPECT_EQ(PixelAt(140, 160), clWhite);
    EXPECT_EQ(PixelAt(150, 200), clWhite);

    chart->GetLeftAxis()->SetMinMax(-50, 50);
    a->SetYOrigin(10);
    EXPECT_THAT(Shapes(), ElementsAre("Rect 135,70 145,130 brush0000FF", "Rect 215,10 225,130 brush0000FF"));
    a->SetUseYOrigin(false);  // from the bottom of the axis
    EXPECT_THAT(Shapes(), ElementsAre("Rect 135,70 145,250 brush0000FF", "Rect 215,10 225,250 brush0000FF"));
}

TEST_F(BarDraw, NegativeBarHangsFromTheOriginWithItsMarkBelow) {
    chart->GetLeftAxis()->SetMinMax(-50, 50);
    auto* a = New<TBarSeries>();
    a->GetMarks()->SetVisible(true);
    a->AddXY(2, -20);
    a->AddXY(6, 20);
    // The bounds as they stand, from the bar's end down to its origin.
    EXPECT_THAT(Only(Paint(), "Rect"),
                ElementsAre("Rect 135,190 145,150 brush0000FF", "Rect 215,110 225,150 brush0000FF"));
    EXPECT_EQ(PixelAt(137, 170), clRed);
    EXPECT_EQ(PixelAt(137, 195), clWhite);
    // The arrows run from the bar ends away from the origin.
    EXPECT_THAT(Only(log, "Line"),
                ElementsAre(::testing::StartsWith("Line 140,190 140,2"), "Line 220,110 220,90 pen000000"));
    const TSeriesMarkPosition* below = a->GetMarks()->GetPositions()->GetPosition(0);
    const TSeriesMarkPosition* above = a->GetMarks()->GetPositions()->GetPosition(1);
    ASSERT_NE(below, nullptr);
    ASSERT_NE(above, nullptr);
    EXPECT_EQ(below->ArrowFrom, TPoint(140, 190));
    EXPECT_EQ(below->LeftTop.y, 190 + 20 + 1);
    EXPECT_EQ(below->LeftTop.x, 140 - below->Width / 2);
    EXPECT_EQ(above->ArrowFrom, TPoint(220, 110));
    EXPECT_EQ(above->ArrowTo, TPoint(220, 90));
    EXPECT_EQ(above->LeftTop.y, 90 - above->Height + 1);
}

TEST_F(BarDraw, HorizontalMarkStandsBesideTheBarEnd) {
    auto* h = New<THorizBarSeries>();
    h->GetMarks()->SetVisible(true);
    h->AddXY(4, 50);
    h->AddXY(-2, 20);
    chart->GetBottomAxis()->SetMinMax(-5, 5);
    Paint();
    const TSeriesMarkPosition* right = h->GetMarks()->GetPositions()->GetPosition(0);
    const TSeriesMarkPosition* left = h->GetMarks()->GetPositions()->GetPosition(1);
    ASSERT_NE(right, nullptr);
    ASSERT_NE(left, nullptr);
    // The bar of 4 ends at x 280 and spans y 145..155.
    EXPECT_EQ(right->ArrowFrom, TPoint(280, 150));
    EXPECT_EQ(right->ArrowTo, TPoint(300, 150));
    EXPECT_EQ(right->LeftTop.x, 300);
    EXPECT_EQ(right->LeftTop.y, 145 - right->Height + 1 + 5 + right->Height / 2);
    // The bar of -2 runs left to x 160; its mark ends where the arrow does.
    EXPECT_EQ(left->ArrowTo, TPoint(160 - 20 - left->Width, 210));
    EXPECT_EQ(left->LeftTop.x, 160 - 20 - left->Width);
}

struct StackedBars : BarDraw {
    StackedBars() {
        a = New<TBarSeries>();
        b = New<TBarSeries>(clBlue);
        a->AddXY(2, 10);
        a->AddXY(4, 20);
        b->AddXY(2, 30);
        b->AddXY(4, 40);
    }
    TBarSeries* a;
    TBarSeries* b;
};

TEST_F(StackedBars, EachBarStartsWhereTheOneBelowEnds) {
    b->SetMultiBar(mbStacked);
    EXPECT_EQ(a->GetMultiBar(), mbStacked);
    EXPECT_THAT(Shapes(), ElementsAre("Rect 135,230 145,250 brush0000FF", "Rect 175,210 185,250 brush0000FF",
                                      "Rect 135,170 145,230 brushFF0000", "Rect 175,130 185,210 brushFF0000"));
    EXPECT_DOUBLE_EQ(b->MaxYValue(), 60);
    EXPECT_DOUBLE_EQ(a->MaxYValue(), 20);
    EXPECT_DOUBLE_EQ(b->MinYValue(), 0);  // the origin
}

TEST_F(StackedBars, AHundredPercentStackReachesTheTopAndAnEmptyOneRestsOnTheOrigin) {
    a->SetMultiBar(mbStacked100);
    a->SetYValue(0, 25);
    b->SetYValue(0, 75);
    a->SetYValue(1, 0);
    b->SetYValue(1, 0);
    chart->GetLeftAxis()->SetMinMax(-100, 100);  // 1 pixel a unit, 0 at y 150
    const TSeriesLog shapes = Shapes();
    EXPECT_EQ(a->CalcYPos(0), 150 - 25);
    EXPECT_EQ(b->GetOriginPos(0), 150 - 25);
    EXPECT_EQ(b->CalcYPos(0), 150 - 100);
    for (TBarSeries* s : {a, b}) {
        EXPECT_EQ(s->CalcYPos(1), 150);
        EXPECT_EQ(s->GetOriginPos(1), 150);
    }
    EXPECT_THAT(shapes, Contains("Line 175,150 185,150 pen0000FF"));
    EXPECT_DOUBLE_EQ(a->MaxYValue(), 100);
    EXPECT_DOUBLE_EQ(a->MinYValue(), 0);
}

TEST_F(StackedBars, InSeriesModeEachBarStandsOnItsOwn) {
    a->SetMultiBar(mbSeries);
    EXPECT_THAT(Shapes(), ElementsAre("Rect 135,230 145,250 brush0000FF", "Rect 175,210 185,250 brush0000FF",
                                      "Rect 135,190 145,250 brushFF0000", "Rect 175,170 185,250 brushFF0000"));
    chart->SetView3D(true);
    Paint();
    EXPECT_NE(a->GetZOrder(), b->GetZOrder());
}

TEST_F(StackedBars, ArrangedBarsShareOneDepthSlot) {
    chart->SetView3D(true);
    b->SetMultiBar(mbStacked);
    Paint();
    EXPECT_EQ(a->GetZOrder(), b->GetZOrder());
    EXPECT_EQ(Only(log, "Cube").size(), 4u);
    b->SetMultiBar(mbNone);
    Paint();
    EXPECT_NE(a->GetZOrder(), b->GetZOrder());
}

// ---- Shapes ---------------------------------------------------------------------

struct ShapeCase {
    TBarStyle style;
    const char* vertical;
    const char* horizontal;
};

TEST_F(BarDraw, EveryShapeUprightAndLying) {
    // The upright bar spans x 135..145 and y 170..250, the lying one x 100..180
    // and y 145..155.
    const ShapeCase cases[] = {
        {bsRectangle, "Rect 135,170 145,250 brush0000FF", "Rect 100,145 180,155 brush0000FF"},
        {bsCilinder, "Rect 135,170 145,250 brush0000FF", "Rect 100,145 180,155 brush0000FF"},
        {bsPyramid, "Polygon 135,250 140,170 145,250", "Polygon 100,145 180,150 100,155"},
        {bsCone, "Polygon 135,250 140,170 145,250", "Polygon 100,145 180,150 100,155"},
        {bsInvPyramid, "Polygon 135,170 140,250 145,170", "Polygon 180,145 100,150 180,155"},
        {bsEllipse, "Ellipse 135,170 145,250", "Ellipse 100,145 180,155"},
        {bsArrow, "Arrow 140,250 140,170 w10 h5", "Arrow 100,150 180,150 w10 h5"},
        {bsRectGradient, "Gradient 135,170 145,250 d1", "Gradient 100,145 180,155 d2"},
    };
    auto* v = New<TBarSeries>();
    v->AddXY(2, 40);
    auto* h = New<THorizBarSeries>();
    h->AddXY(4, 50);
    for (const ShapeCase& c : cases) {
        v->SetBarStyle(c.style);
        h->SetBarStyle(c.style);
        const TSeriesLog shapes = Shapes();
        ASSERT_GE(shapes.size(), 2u) << c.style;
        EXPECT_EQ(shapes[0], c.vertical) << c.style;
        EXPECT_THAT(shapes, Contains(c.horizontal)) << c.style;
    }
    // The gradient keeps its outline, over the fill.
    EXPECT_THAT(Shapes(), Contains("Rect 135,170 145,250 clear"));

    v->SetBarStyle(bsPyramid);
    Paint();
    EXPECT_EQ(PixelAt(140, 240), clRed);
    EXPECT_EQ(PixelAt(136, 175), clWhite);  // beside the apex
}

TEST_F(BarDraw, OneBarCanTakeAShapeOfItsOwn) {
    auto* v = New<TBarSeries>();
    v->AddXY(2, 40);
    v->AddXY(4, 40);
    v->OnGetBarStyle = [](TCustomBarSeries*, int ValueIndex, TBarStyle& Style) {
        if (ValueIndex == 1) Style = bsInvPyramid;
    };
    EXPECT_THAT(Shapes(), ElementsAre("Rect 135,170 145,250 brush0000FF", "Polygon 175,170 180,250 185,170"));
}

TEST_F(BarDraw, SolidShapesInThreeDimensions) {
    chart->SetView3D(true);
    auto* v = New<TBarSeries>();
    v->AddXY(2, 40);
    Paint();
    EXPECT_THAT(Only(log, "Cube"), ElementsAre(::testing::StartsWith("Cube 135,170 145,250")));
    v->SetBarStyle(bsPyramid);
    Paint();
    EXPECT_THAT(Only(log, "Pyramid"), ElementsAre("Pyramid v 135,170 145,250"));
    v->SetBarStyle(bsInvPyramid);
    Paint();
    EXPECT_THAT(Only(log, "Pyramid"), ElementsAre("Pyramid v 135,250 145,170"));
}

TEST_F(BarDraw, AThinBarIsItsOutlineAndAnEmptyOneALine) {
    auto* v = New<TBarSeries>();
    v->AddXY(2, 40);
    v->GetBarPen()->SetWidth(3);
    v->SetCustomBarSize(2);
    EXPECT_THAT(Shapes(), ElementsAre("Rect 139,170 141,250 clear"));
    EXPECT_EQ(PixelAt(140, 200), clRed);

    v->SetCustomBarSize(0);
    v->SetAutoBarSize(true);   // Round(200 / 12) = 17 pixels a slot
    v->SetBarWidthPercent(1);  // rounds to no width
    EXPECT_THAT(Shapes(), ElementsAre("Line 140,170 140,250 pen0000FF"));
    v->SetBarWidthPercent(70);
    v->SetYValue(0, 0);  // no height
    EXPECT_THAT(Shapes(), ElementsAre("Line 134,250 146,250 pen0000FF"));
}

TEST_F(BarDraw, NullPointsDrawNoBar) {
    auto* v = New<TBarSeries>();
    v->AddNullXY(2, 40);
    v->AddXY(4, 40);
    EXPECT_THAT(Shapes(), ElementsAre("Rect 175,170 185,250 brush0000FF"));
}

TEST_F(BarDraw, PointsTooFarOutAreLeftOutWithoutDisturbingTheOthers) {
    auto* v = New<TBarSeries>();
    v->GetMarks()->SetVisible(true);
    v->GetXValues()->SetOrder(loNone);  // every point is drawn
    v->AddXY(2, 40);
    v->AddXY(5000, 40);
    v->AddXY(4, 40);
    v->AddXY(6, 1e6);
    EXPECT_THAT(Only(Paint(), "Rect"),
                ElementsAre("Rect 135,170 145,250 brush0000FF", "Rect 175,170 185,250 brush0000FF",
                            "Rect 215,-32767 225,250 brush0000FF"));
    // Only the two marks that can be drawn have arrows.
    EXPECT_EQ(Only(log, "Line").size(), 2u);
    EXPECT_EQ(PixelAt(220, 60), clRed);
    EXPECT_EQ(v->GetMarks()->GetPositions()->GetPosition(1), nullptr);
    EXPECT_EQ(v->GetMarks()->GetPositions()->GetPosition(3), nullptr);
    ASSERT_NE(v->GetMarks()->GetPositions()->GetPosition(2), nullptr);
    EXPECT_EQ(v->GetMarks()->GetPositions()->GetPosition(2)->ArrowFrom, TPoint(180, 170));
}

// ---- Settings -------------------------------------------------------------------

TEST_F(BarDraw, OutOfRangeWidthsAndOffsetsAreRefused) {
    auto* v = New<TBarSeries>();
    for (int bad : {0, 101}) EXPECT_THROW(v->SetBarWidthPercent(bad), BarException) << bad;
    EXPECT_EQ(v->GetBarWidthPercent(), 70);
    for (int bad : {-101, 101}) EXPECT_THROW(v->SetOffsetPercent(bad), BarException) << bad;
    EXPECT_EQ(v->GetOffsetPercent(), 0);
    try {
        v->SetBarWidthPercent(0);
    } catch (const BarException& e) {
        EXPECT_STREQ(e.GetMessage().c_str(), "Bar Width Percent must be between 1 and 100");
    }
    v->SetOffsetPercent(-100);
    v->SetOffsetPercent(50);
    v->AddXY(2, 40);
    Paint();
    EXPECT_EQ(v->CalcXPos(0), 135 + 5);
}

TEST_F(BarDraw, ArrangementIsSharedOnlyByBarsOfTheSameDirection) {
    auto* a = New<TBarSeries>();
    auto* b = New<TBarSeries>();
    auto* h = New<THorizBarSeries>();
    b->SetMultiBar(mbStacked100);
    EXPECT_EQ(a->GetMultiBar(), mbStacked100);
    EXPECT_EQ(h->GetMultiBar(), mbSide);
    a->SetSideMargins(false);
    EXPECT_FALSE(b->GetSideMargins());
    EXPECT_TRUE(h->GetSideMargins());
}

TEST_F(BarDraw, MarginsMakeRoomForSlotsAndMarks) {
    auto* v = New<TBarSeries>();
    v->AddXY(2, 40);
    v->AddXY(4, 60);
    Paint();
    int left = 0, right = 0;
    v->CalcHorizMargins(left, right);
    EXPECT_EQ(left, 10);
    EXPECT_EQ(right, 10);
    v->SetSideMargins(false);
    v->CalcHorizMargins(left, right);
    EXPECT_EQ(left, 5);

    int top = 0, bottom = 0;
    v->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(top, 0);  // no marks shown
    v->GetMarks()->SetVisible(true);
    chart->FontCanvas(v->GetMarks()->GetFont());
    const int frame = v->GetMarks()->GetFrame()->GetVisible() ? 2 * v->GetMarks()->GetFrame()->GetWidth() : 0;
    const int mark = chart->GetCanvas()->FontHeight() + 20 + frame + 1;
    v->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(top, mark);
    EXPECT_EQ(bottom, 0);
    v->AddXY(6, -10);  // below the origin too
    v->CalcVerticalMargins(top, bottom);
    EXPECT_EQ(bottom, mark);

    auto* h = New<THorizBarSeries>();
    h->AddXY(4, 50);
    h->GetMarks()->SetVisible(true);
    h->CalcHorizMargins(left, right);
    chart->FontCanvas(h->GetMarks()->GetFont());
    EXPECT_EQ(right, h->MaxMarkWidth() + 20 + frame + 1);
    EXPECT_EQ(left, 0);
}

// ---- Clicks ---------------------------------------------------------------------

struct ClickCase {
    TBarStyle style;
    int x, y, expected;
};

TEST_F(BarDraw, AClickHitsTheShapeAsDrawn) {
    const ClickCase vertical[] = {
        {bsRectangle, 140, 200, 0}, {bsRectangle, 150, 200, -1}, {bsRectangle, 140, 160, -1},
        {bsPyramid, 136, 175, -1},  {bsPyramid, 140, 175, 0},    {bsPyramid, 136, 248, 0},
        {bsInvPyramid, 136, 175, 0}, {bsInvPyramid, 136, 248, -1}, {bsEllipse, 136, 172, -1},
        {bsEllipse, 140, 210, 0},
    };
    auto* v = New<TBarSeries>();
    v->AddXY(2, 40);
    for (const ClickCase& c : vertical) {
        v->SetBarStyle(c.style);
        Paint();
        EXPECT_EQ(v->Clicked(c.x, c.y), c.expected) << c.style << " at " << Pt(c.x, c.y);
    }
    delete v;
    const ClickCase horizontal[] = {
        {bsRectangle, 150, 150, 0}, {bsRectangle, 190, 150, -1}, {bsPyramid, 175, 146, -1},
        {bsPyramid, 105, 146, 0},   {bsInvPyramid, 105, 146, -1}, {bsInvPyramid, 175, 146, 0},
    };
    auto* h = New<THorizBarSeries>();
    h->AddXY(4, 50);
    for (const ClickCase& c : horizontal) {
        h->SetBarStyle(c.style);
        Paint();
        EXPECT_EQ(h->Clicked(c.x, c.y), c.expected) << c.style << " at " << Pt(c.x, c.y);
    }
}

// ---- Types, copies, samples, legend -------------------------------------------------

TEST_F(BarDraw, ATypeChangeKeepsTheBarSettings) {
    for (TChartSeriesClass cls : {TeeSeriesClassOf<TBarSeries>(), TeeSeriesClassOf<THorizBarSeries>()})
        EXPECT_NE(TeeSeriesTypes().FindSeriesClass(cls), nullptr);
    TChartSeries* s = New<TBarSeries>();
    auto* bar = static_cast<TBarSeries*>(s);
    bar->SetBarWidthPercent(40);
    bar->SetBarStyle(bsEllipse);
    bar->SetYOrigin(5);
    bar->GetBarBrush()->SetStyle(bsCross);
    ChangeSeriesType(s, TeeSeriesClassOf<THorizBarSeries>());
    auto* horiz = dynamic_cast<THorizBarSeries*>(s);
    ASSERT_NE(horiz, nullptr);
    EXPECT_EQ(horiz->GetBarWidthPercent(), 40);
    EXPECT_EQ(horiz->GetBarStyle(), bsEllipse);
    EXPECT_DOUBLE_EQ(horiz->GetYOrigin(), 5);
    EXPECT_EQ(horiz->GetBarBrush()->GetStyle(), bsCross);
    EXPECT_EQ(horiz->GetYValues()->GetName(), "Bar");
}

TEST_F(BarDraw, SettingsGoThroughAFormStream) {
    auto* v = New<TBarSeries>();
    v->SetName("Volume");
    v->SetBarStyle(bsArrow);
    v->SetBarWidthPercent(55);
    v->SetMultiBar(mbStacked);
    v->SetOffsetPercent(-20);
    v->SetYOrigin(2.5);
    v->SetUseYOrigin(false);
    v->SetSideMargins(false);
    v->SetAutoMarkPosition(false);
    auto* h = New<THorizBarSeries>();
    h->SetName("Lying");
    h->SetCustomBarHeight(9);
    chart->SetName("Chart1");

    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(form);
    auto copy = std::make_unique<TForm>(nullptr);
    stream.SetPosition(0);
    TReader(&stream).ReadRootComponent(copy.get());
    auto* v2 = dynamic_cast<TBarSeries*>(copy->FindComponent("Volume"));
    auto* h2 = dynamic_cast<THorizBarSeries*>(copy->FindComponent("Lying"));
    ASSERT_NE(v2, nullptr);
    ASSERT_NE(h2, nullptr);
    EXPECT_EQ(v2->GetBarStyle(), bsArrow);
    EXPECT_EQ(v2->GetBarWidthPercent(), 55);
    EXPECT_EQ(v2->GetMultiBar(), mbStacked);
    EXPECT_EQ(v2->GetOffsetPercent(), -20);
    EXPECT_DOUBLE_EQ(v2->GetYOrigin(), 2.5);
    EXPECT_FALSE(v2->GetUseYOrigin());
    EXPECT_FALSE(v2->GetSideMargins());
    EXPECT_FALSE(v2->GetAutoMarkPosition());
    EXPECT_EQ(v2->GetCustomBarWidth(), 10);
    EXPECT_EQ(h2->GetCustomBarHeight(), 9);
    EXPECT_EQ(h2->GetMultiBar(), mbSide);
}

TEST_F(BarDraw, HorizontalSamplesClimbTheAxisInARandomWalk) {
    auto* h = New<THorizBarSeries>();
    EXPECT_THROW(h->FillSampleValues(0), BarException);
    RandSeed = 7;
    h->FillSampleValues(h->NumSampleValues());
    ASSERT_EQ(h->Count(), 6);
    RandSeed = 7;
    double x = 1000 + Random(1000);
    for (int i = 0; i < 6; ++i) {
        x += Random(500) - 250;
        EXPECT_DOUBLE_EQ(h->GetyValue(i), i);
        EXPECT_DOUBLE_EQ(h->GetxValue(i), x);
    }
}

TEST_F(BarDraw, LegendTakesTheBarBrush) {
    auto* v = New<TBarSeries>();
    TColor back = clNone;
    TBrushStyle style = bsSolid;
    v->PrepareLegendCanvas(0, back, style);
    EXPECT_EQ(back, clWhite);  // the chart's colour while the brush has none
    v->GetBarBrush()->SetColor(clYellow);
    v->GetBarBrush()->SetStyle(bsDiagCross);
    v->PrepareLegendCanvas(0, back, style);
    EXPECT_EQ(back, clYellow);
    EXPECT_EQ(style, bsDiagCross);
}

}  // namespace
