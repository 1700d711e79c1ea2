// The chart control's mouse through synthetic input: which part a click
// finds, zoom by dragging and its undo, the animated zoom, panning, the
// wheel, and custom axes coming back with the standard ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/control/ChartControlTestSupport.h"
#include "platform/testing/TestInput.h"

namespace {

struct ChartMouse : ::testing::Test {
    ChartMouse() {
        chart->GetLegend()->SetVisible(false);
        series = on.NewSeries();
        on.Paint();
        plot = chart->GetChartRect();
    }
    // A drag with the left button from (X0, Y0) to (X1, Y1), relative to
    // the plot's top left corner.
    void Drag(int X0, int Y0, int X1, int Y1, TMouseButton Button = mbLeft) {
        MouseDown(chart, Button, plot.Left + X0, plot.Top + Y0);
        MouseMove(chart, plot.Left + (X0 + X1) / 2, plot.Top + (Y0 + Y1) / 2);
        MouseMove(chart, plot.Left + X1, plot.Top + Y1);
        MouseUp(chart, Button, plot.Left + X1, plot.Top + Y1);
        on.Paint();
    }
    struct Range {
        double min, max;
    };
    Range RangeOf(TCustomChartAxis* Axis) { return {Axis->GetMinimum(), Axis->GetMaximum()}; }

    TChartControlOnForm on;
    TChart* chart = on.chart;
    TDotSeries* series;
    TRect plot;
};

TEST_F(ChartMouse, DragTowardsTheLowerRightZoomsAndAnyOtherWayUndoes) {
    TChartAxis* bottom = chart->GetBottomAxis();
    TChartAxis* left = chart->GetLeftAxis();
    const Range home = RangeOf(bottom), homeLeft = RangeOf(left);
    const double x0 = bottom->CalcPosPoint(plot.Left + 10), x1 = bottom->CalcPosPoint(plot.Left + 100);
    const double y0 = left->CalcPosPoint(plot.Top + 100), y1 = left->CalcPosPoint(plot.Top + 10);
    int zooms = 0, undos = 0;
    chart->OnZoom = [&](TObject*) { ++zooms; };
    chart->OnUndoZoom = [&](TObject*) { ++undos; };

    Drag(10, 10, 100, 20);
    EXPECT_EQ(zooms + undos, 0) << "10 pixels high is no drag";
    EXPECT_TRUE(bottom->GetAutomatic());

    Drag(10, 10, 100, 100);
    EXPECT_EQ(zooms, 1);
    EXPECT_TRUE(chart->GetZoomed());
    EXPECT_DOUBLE_EQ(bottom->GetMinimum(), x0);
    EXPECT_DOUBLE_EQ(bottom->GetMaximum(), x1);
    EXPECT_DOUBLE_EQ(left->GetMinimum(), y0);
    EXPECT_DOUBLE_EQ(left->GetMaximum(), y1);

    Drag(100, 100, 10, 10);
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart->GetZoomed());
    EXPECT_TRUE(bottom->GetAutomatic() && bottom->GetAutomaticMinimum() && bottom->GetAutomaticMaximum());
    EXPECT_DOUBLE_EQ(bottom->GetMinimum(), home.min);
    EXPECT_DOUBLE_EQ(bottom->GetMaximum(), home.max);
    EXPECT_DOUBLE_EQ(left->GetMinimum(), homeLeft.min);

    Drag(10, 10, 100, 100);
    Drag(10, 100, 100, 10);
    EXPECT_EQ(undos, 2) << "towards the upper right undoes too";
}

TEST_F(ChartMouse, TheRubberBandIsGoneAfterTheDrag) {
    const TColor inside = SurfacePixel(chart, plot.Left + 40, plot.Top + 30);
    MouseDown(chart, mbLeft, plot.Left + 30, plot.Top + 30);
    MouseMove(chart, plot.Left + 50, plot.Top + 50);
    EXPECT_NE(SurfacePixel(chart, plot.Left + 40, plot.Top + 30), inside) << "the band shows while dragging";
    MouseMove(chart, plot.Left + 35, plot.Top + 50);
    EXPECT_EQ(SurfacePixel(chart, plot.Left + 40, plot.Top + 30), inside) << "the old band is erased";
    MouseUp(chart, mbLeft, plot.Left + 35, plot.Top + 50);
    EXPECT_EQ(chart->GetCanvas()->GetPen()->GetMode(), pmCopy);
}

TEST_F(ChartMouse, AnimatedZoomRedrawsEachStepClosingAThirdOfTheWay) {
    chart->SetAnimatedZoom(true);
    TChartAxis* bottom = chart->GetBottomAxis();
    const Range home = RangeOf(bottom);
    std::vector<double> minima;
    chart->OnAfterDraw = [&](TObject*) { minima.push_back(bottom->GetMinimum()); };
    chart->ZoomRect(TRect(plot.Left + 50, plot.Top + 10, plot.Left + 150, plot.Top + 100));
    const double target = bottom->GetMinimum();
    ASSERT_EQ(minima.size(), 7u);
    EXPECT_DOUBLE_EQ(minima[0], home.min + (target - home.min) / 3);
    EXPECT_DOUBLE_EQ(minima[1], minima[0] + (target - minima[0]) / 3);
}

TEST_F(ChartMouse, WheelScrollsEveryUprightAxisByThreePercent) {
    auto* custom = new TChartAxis(chart);
    TDotSeries* other = on.NewSeries(11);
    other->SetCustomVertAxis(custom);
    on.Paint();
    TChartAxis* left = chart->GetLeftAxis();
    const Range home = RangeOf(left), customHome = RangeOf(custom), bottom = RangeOf(chart->GetBottomAxis());
    MouseWheel(chart, 200, 150, -120);
    EXPECT_DOUBLE_EQ(left->GetMinimum(), home.min + (home.max - home.min) * 0.03);
    EXPECT_DOUBLE_EQ(custom->GetMaximum(), customHome.max + (customHome.max - customHome.min) * 0.03);
    EXPECT_EQ(chart->GetBottomAxis()->GetMinimum(), bottom.min);
    MouseWheel(chart, 200, 150, 120);
    EXPECT_NEAR(left->GetMinimum(), home.min, 1e-9);
    MouseWheel(chart, 200, 150, 120);
    chart->UndoZoom();
    EXPECT_TRUE(left->GetAutomatic());
    EXPECT_TRUE(custom->GetAutomatic());
    EXPECT_DOUBLE_EQ(custom->GetMinimum(), customHome.min);
}

TEST_F(ChartMouse, CustomAxesZoomOverTheirOwnSpanAndComeBackOnUndo) {
    auto* custom = new TChartAxis(chart);
    custom->SetPositionPercent(50);
    TDotSeries* other = on.NewSeries(11);
    other->SetCustomVertAxis(custom);
    on.Paint();
    plot = chart->GetChartRect();
    const Range home = RangeOf(custom);
    const double low = custom->CalcPosPoint(plot.Top + 100), high = custom->CalcPosPoint(plot.Top + 10);
    Drag(10, 10, 100, 100);
    EXPECT_DOUBLE_EQ(custom->GetMinimum(), low);
    EXPECT_DOUBLE_EQ(custom->GetMaximum(), high);
    Drag(10, 10, 100, 100);
    Drag(100, 100, 10, 10);
    EXPECT_TRUE(custom->GetAutomatic());
    EXPECT_DOUBLE_EQ(custom->GetMinimum(), home.min);
    EXPECT_DOUBLE_EQ(custom->GetMaximum(), home.max);

    // A pan with the right button moves it too, and undo brings it back.
    Drag(60, 60, 30, 90, mbRight);
    EXPECT_NE(custom->GetMinimum(), home.min);
    chart->UndoZoom();
    EXPECT_DOUBLE_EQ(custom->GetMinimum(), home.min);
}

TEST_F(ChartMouse, PanningFollowsTheAllowedDirectionAndTheScrollHandler) {
    chart->SetAllowPanning(pmHorizontal);
    TChartAxis* bottom = chart->GetBottomAxis();
    TChartAxis* top = chart->GetTopAxis();
    const Range home = RangeOf(bottom), left = RangeOf(chart->GetLeftAxis()), topHome = RangeOf(top);
    int scrolls = 0;
    chart->OnScroll = [&](TObject*) { ++scrolls; };
    chart->OnAllowScroll = [&](TCustomChartAxis* Axis, double&, double&, bool& Allow) { Allow = Axis != top; };
    const double step = bottom->CalcPosPoint(plot.Left + 80) - bottom->CalcPosPoint(plot.Left + 40);
    Drag(80, 80, 40, 40, mbRight);
    EXPECT_GE(scrolls, 1);
    EXPECT_NEAR(bottom->GetMinimum(), home.min + step, 1e-9);
    EXPECT_EQ(RangeOf(chart->GetLeftAxis()).min, left.min) << "no vertical panning";
    EXPECT_EQ(RangeOf(top).min, topHome.min) << "refused by the handler";
}

TEST_F(ChartMouse, PartsAreFoundInTheirOrderOfPriority) {
    TDotSeries* later = on.NewSeries();
    chart->GetTitle()->GetText()->Add("Title");
    chart->GetLegend()->SetVisible(true);
    chart->GetLegend()->SetAlignment(laBottom);
    on.Paint();
    plot = chart->GetChartRect();
    TChartAxis* left = chart->GetLeftAxis();
    const TPoint point(chart->GetBottomAxis()->CalcXPosValue(50), left->CalcYPosValue(50));
    const TRect title = chart->GetTitle()->GetTitleRect();
    const TRect legend = chart->GetLegend()->GetRectLegend();
    struct Case {
        const char* what;
        TPoint at;
        TChartClickedPartStyle part;
    };
    const Case cases[] = {
        {"a point of both series", point, cpSeries},
        {"the left axis line", TPoint(plot.Left - 1, plot.Top + 40), cpAxis},
        {"the title", TPoint((title.Left + title.Right) / 2, title.Top + 1), cpTitle},
        {"the plot", TPoint(plot.Left + 7, plot.Top + 40), cpChartRect},
        {"a legend item", TPoint(legend.Left + 6, legend.Top + 3), cpLegend},
        {"the panel corner", TPoint(1, 1), cpNone},
    };
    for (const Case& c : cases) {
        const TChartClickedPart part = chart->CalcClickedPart(c.at);
        EXPECT_EQ(part.Part, c.part) << c.what;
        if (c.part == cpSeries) {
            EXPECT_EQ(part.Series, later) << "the series drawn last wins";
            EXPECT_EQ(part.PointIndex, 50);
        }
        if (c.part == cpAxis) {
            EXPECT_EQ(part.Axis, left);
        }
    }
    series->SetActive(false);
    later->SetActive(false);
    EXPECT_NE(chart->CalcClickedPart(TPoint(plot.Left + 7, plot.Top + 40)).Part, cpChartRect)
        << "no plot to click without an active series";
}

TEST_F(ChartMouse, ClickHandlersDecideWhetherTheZoomStarts) {
    const TPoint point(chart->GetBottomAxis()->CalcXPosValue(50), chart->GetLeftAxis()->CalcYPosValue(50));
    bool letGo = false;
    std::vector<std::string> events;
    chart->OnClickSeries = [&](TCustomChart* Sender, TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
        events.push_back("series " + std::to_string(Index));
        if (letGo) Sender->SetCancelMouse(false);
    };
    chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
        events.push_back("background");
    };
    MouseDown(chart, mbLeft, point.x, point.y);
    EXPECT_FALSE(chart->GetZoom()->Active) << "a handler leaving the flag set keeps the chart still";
    MouseUp(chart, mbLeft, point.x, point.y);
    letGo = true;
    MouseDown(chart, mbLeft, point.x, point.y);
    EXPECT_TRUE(chart->GetZoom()->Active);
    MouseUp(chart, mbLeft, point.x, point.y);
    EXPECT_EQ(events, (std::vector<std::string>{"series 50", "series 50"}));

    // The plot's background event fires once per press, zoom or not.
    events.clear();
    chart->SetAllowZoom(false);
    chart->SetAllowPanning(pmNone);
    chart->OnClickBackground = [&](TCustomChart* Sender, TMouseButton, TShiftState, int, int) {
        events.push_back("background");
        Sender->SetCancelMouse(false);
    };
    MouseClick(chart, plot.Left + 7, plot.Top + 40);
    EXPECT_EQ(events, std::vector<std::string>{"background"});
}

TEST_F(ChartMouse, UndoBeforeAnyZoomRestoresNothingButTellsTheHandler) {
    int undos = 0;
    chart->OnUndoZoom = [&](TObject*) { ++undos; };
    chart->GetLeftAxis()->SetMinMax(5, 6);
    chart->UndoZoom();
    EXPECT_EQ(undos, 1);
    EXPECT_DOUBLE_EQ(chart->GetLeftAxis()->GetMaximum(), 6);
    EXPECT_FALSE(chart->GetScalesSaved());
}

TEST_F(ChartMouse, AnAxisIsCalledByItsTitleOrByItsPlace) {
    auto* custom = new TChartAxis(chart);
    custom->SetOtherSide(true);
    const std::pair<TCustomChartAxis*, const char*> cases[] = {
        {chart->GetLeftAxis(), "Left Axis"},     {chart->GetRightAxis(), "Right Axis"},
        {chart->GetTopAxis(), "Top Axis"},       {chart->GetBottomAxis(), "Bottom Axis"},
        {chart->GetDepthAxis(), "Depth Axis"},   {custom, "Right Axis"},
    };
    for (const auto& [axis, name] : cases) EXPECT_EQ(chart->AxisTitleOrName(axis), name);
    chart->GetDepthAxis()->GetTitle()->SetCaption("Series");
    EXPECT_EQ(chart->AxisTitleOrName(chart->GetDepthAxis()), "Series");
}

TEST_F(ChartMouse, ZoomPercentNarrowsEachEndByThePercentOverAHundred) {
    chart->GetBottomAxis()->SetMinMax(0, 100);
    chart->ZoomPercent(110);
    EXPECT_DOUBLE_EQ(chart->GetBottomAxis()->GetMinimum(), 10);
    EXPECT_DOUBLE_EQ(chart->GetBottomAxis()->GetMaximum(), 90);
}

}  // namespace
