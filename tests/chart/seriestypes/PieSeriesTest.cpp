// The pie series: slice angles, the "Other" slice and its legend, rotation,
// flat and 3-D drawing with exploded slices, clicks by slice, and the chart
// settings a pie switches off while it is shown.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <numbers>

#include "chart/control/ChartControlTestSupport.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/series/SeriesDrawSupport.h"
#include "chart/seriestypes/SeriesPie.h"
#include "platform/runtime/SysUtils.h"

namespace {

using ::testing::ElementsAre;
constexpr double Pi = std::numbers::pi;

// Logs the pies drawn, flat and in depth, beside what the series canvas logs.
class TPieRecordingCanvas : public TSeriesRecordingCanvas {
public:
    explicit TPieRecordingCanvas(TSeriesLog* ALog) : TSeriesRecordingCanvas(ALog), log_(ALog) {}
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override {
        log_->push_back("Pie " + Pt(X1, Y1) + " " + Pt(X2, Y2) + " " + Pt(X3, Y3) + " " + Pt(X4, Y4));
        TSeriesRecordingCanvas::Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    }
    void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
               double EndAngle, bool DarkSides, bool DrawSides) override {
        log_->push_back("Pie3D " + Pt(XCenter, YCenter) + " from " + std::to_string(Round(StartAngle * 180 / Pi)));
        TSeriesRecordingCanvas::Pie3D(XCenter, YCenter, XRadius, YRadius, Z0, Z1, StartAngle, EndAngle, DarkSides,
                                      DrawSides);
    }

private:
    TSeriesLog* log_;
};

// A pie without marks fills the chart rectangle: centre (200, 150), radius 100.
struct PieDraw : ::testing::Test, TSeriesChart {
    PieDraw() {
        chart->SetInternalCanvas(new TPieRecordingCanvas(&log));
        pie = New<TPieSeries>();
        pie->GetMarks()->SetVisible(false);
    }
    void Values(std::initializer_list<double> Values) {
        for (double v : Values) pie->Add(v);
    }
    TPieSeries* pie;
};

TEST_F(PieDraw, SlicesShareTheCircleByAbsoluteValue) {
    struct Case {
        std::initializer_list<double> values;
    };
    for (const Case& c : {Case{{1, 1, 2}}, Case{{-1, 1, -2}}}) {
        pie->Clear();
        Values(c.values);
        pie->CalcAngles();
        EXPECT_DOUBLE_EQ(pie->GetAngle(0).StartAngle, 0);
        EXPECT_DOUBLE_EQ(pie->GetAngle(0).EndAngle, Pi / 2);
        EXPECT_DOUBLE_EQ(pie->GetAngle(1).MidAngle, 3 * Pi / 4);
        EXPECT_DOUBLE_EQ(pie->GetAngle(2).StartAngle, Pi);
        EXPECT_EQ(pie->GetAngle(2).EndAngle, 2 * Pi);  // exactly: the sum reached the total
    }
    pie->Clear();
    Values({0, 0});
    pie->CalcAngles();
    EXPECT_EQ(pie->GetAngle(1).StartAngle, 0);
    EXPECT_EQ(pie->GetAngle(1).EndAngle, 2 * Pi);
}

TEST_F(PieDraw, FlatSlicesFollowEachOtherRoundTheCircle) {
    Values({1, 1, 2});
    EXPECT_THAT(Only(Paint(), "Pie"),
                ElementsAre("Pie 100,50 300,250 300,150 200,50", "Pie 100,50 300,250 200,50 100,150",
                            "Pie 100,50 300,250 100,150 300,150"));
    EXPECT_EQ(pie->GetCircleRect(), TRect(100, 50, 300, 250));
    pie->SetRotationAngle(90);
    EXPECT_THAT(Only(Paint(), "Pie"),
                ElementsAre("Pie 100,50 300,250 200,50 100,150", "Pie 100,50 300,250 100,150 200,250",
                            "Pie 100,50 300,250 200,250 200,50"));
}

TEST_F(PieDraw, RotationWrapsAndRefusesNegativeAngles) {
    pie->SetRotationAngle(400);
    EXPECT_EQ(pie->GetRotationAngle(), 40);
    try {
        pie->SetRotationAngle(-1);
        FAIL() << "a negative angle was taken";
    } catch (const PieException& e) {
        EXPECT_EQ(e.GetMessage(), "Rotation Angle must be between 0 and 359 degrees");
    }
    EXPECT_EQ(pie->GetRotationAngle(), 40);
    EXPECT_THROW(pie->Rotate(361), PieException);
    pie->Rotate(350);
    EXPECT_EQ(pie->GetRotationAngle(), 30);
}

// Only a share below the percentage gathers: one exactly at it keeps its own
// slice (10 of 100 at 10 %), as a value exactly at the threshold does.
TEST_F(PieDraw, AShareExactlyAtTheThresholdKeepsItsSlice) {
    const struct {
        TPieOtherStyle style;
        std::vector<double> values;
        int count;
    } cases[] = {{poBelowPercent, {50, 40, 10}, 3},
                 {poBelowPercent, {50, 40, 9, 1}, 5},
                 {poBelowValue, {50, 40, 10}, 3},
                 {poBelowValue, {50, 40, 9.5, 0.5}, 5}};
    for (const auto& c : cases) {
        pie->Clear();
        for (double v : c.values) pie->Add(v);
        pie->GetOtherSlice()->SetStyle(c.style);
        pie->GetOtherSlice()->SetValue(10);
        Paint();
        EXPECT_EQ(pie->Count(), c.count) << c.values.size() << " values";
        pie->GetOtherSlice()->SetStyle(poNone);
    }
}

TEST_F(PieDraw, SmallValuesGatherIntoTheOtherSliceOnce) {
    Values({50, 45, 3, 2});
    pie->GetOtherSlice()->SetStyle(poBelowPercent);
    pie->GetOtherSlice()->SetValue(10);
    for (int paint = 0; paint < 2; ++paint) {
        Paint();
        ASSERT_EQ(pie->Count(), 5);
        EXPECT_EQ(pie->GetXLabel(4), "Other");
        EXPECT_EQ(pie->GetyValue(4), 5);
        EXPECT_TRUE(pie->BelongsToOtherSlice(2));
        EXPECT_TRUE(pie->BelongsToOtherSlice(3));
        EXPECT_EQ(pie->CountLegendItems(), 3);
        EXPECT_EQ(pie->LegendToValueIndex(2), 4);
        // The gathered values count once: 50 of 100 is half the circle.
        EXPECT_DOUBLE_EQ(pie->GetAngle(0).EndAngle, Pi);
        EXPECT_DOUBLE_EQ(pie->GetAngle(4).StartAngle, 2 * Pi * 0.95);
        EXPECT_EQ(Only(log, "Pie ").size(), 3u);
    }
    pie->GetOtherSlice()->SetStyle(poNone);
    Paint();
    EXPECT_EQ(pie->Count(), 4);
    EXPECT_EQ(pie->CountLegendItems(), 4);
}

TEST_F(PieDraw, PercentsOfGatheredValuesAddUpToAHundred) {
    Values({50, 45, 3, 2});
    pie->GetOtherSlice()->SetStyle(poBelowPercent);
    pie->GetOtherSlice()->SetValue(10);
    pie->GetMarks()->SetStyle(smsPercent);
    Paint();
    EXPECT_EQ(pie->GetMarkText(0), "50 %");
    EXPECT_EQ(pie->GetMarkText(1), "45 %");
    EXPECT_EQ(pie->GetMarkText(4), "5 %");
    pie->GetMarks()->SetStyle(smsPercentTotal);
    EXPECT_EQ(pie->GetMarkText(4), "5 % of 100");
    EXPECT_EQ(pie->LegendString(2, ltsRightPercent), "Other 5 %");
}

TEST_F(PieDraw, ValuesThatAreNoNumbersOrTooSmallAreNullSlices) {
    const double unusable[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::denorm_min()};
    for (double bad : unusable) {
        pie->Clear();
        Values({1, bad, 3});
        pie->GetMarks()->SetVisible(true);
        EXPECT_NO_THROW(Paint()) << bad;
        EXPECT_DOUBLE_EQ(pie->GetAngle(0).EndAngle, Pi / 2);
        EXPECT_EQ(pie->GetAngle(1).StartAngle, pie->GetAngle(1).EndAngle);
        EXPECT_EQ(pie->GetAngle(2).EndAngle, 2 * Pi);
        pie->GetMarks()->SetVisible(false);
        EXPECT_EQ(Only(Paint(), "Pie ").size(), 2u) << bad;
    }
    // A lone unusable value leaves nothing to share, and values near the
    // top of the number range share the circle without overflowing.
    pie->Clear();
    Values({std::numeric_limits<double>::denorm_min()});
    EXPECT_NO_THROW(Paint());
    pie->Clear();
    Values({1e308, 1e308});
    Paint();
    EXPECT_DOUBLE_EQ(pie->GetAngle(0).EndAngle, Pi);
}

TEST_F(PieDraw, ClicksCountInsideTheSliceOnly) {
    Values({1, 1, 2});
    Paint();
    struct Case {
        int x, y, slice;
    };
    const Case flat[] = {{250, 100, 0}, {150, 100, 1}, {200, 200, 2}, {295, 55, -1}, {200, 255, -1}};
    for (const Case& c : flat) EXPECT_EQ(pie->Clicked(c.x, c.y), c.slice) << c.x << "," << c.y;
    // Slice 2 moves down by a fifth of its radius; the pie shrinks to keep it in.
    pie->GetExplodedSlice()->SetValue(2, 20);
    Paint();
    EXPECT_EQ(pie->GetCircleRect(), TRect(100, 60, 300, 240));
    const Case exploded[] = {{250, 100, 0}, {200, 255, 2}, {200, 262, -1}, {290, 235, -1}};
    for (const Case& c : exploded) EXPECT_EQ(pie->Clicked(c.x, c.y), c.slice) << c.x << "," << c.y;
}

TEST_F(PieDraw, ExplodingTheBiggestMovesWithTheBiggest) {
    Values({1, 5, 2});
    pie->SetExplodeBiggest(30);
    Paint();
    EXPECT_EQ(pie->GetExplodedSlice()->GetValue(1), 30);
    pie->SetYValue(0, 10);
    Paint();
    EXPECT_EQ(pie->GetExplodedSlice()->GetValue(0), 30);
    EXPECT_EQ(pie->GetExplodedSlice()->GetValue(1), 0);
    pie->SetExplodeBiggest(0);
    EXPECT_EQ(pie->GetExplodedSlice()->GetValue(0), 0);
}

TEST_F(PieDraw, ExplodedSlicesInDepthDrawFromTheBack) {
    chart->SetView3D(true);
    Values({1, 1, 1, 1});
    pie->SetRotationAngle(45);  // middles at 90, 180, 270 and 0 degrees
    pie->GetExplodedSlice()->SetValue(0, 10);
    const TSeriesLog pies = Only(Paint(), "Pie3D");
    ASSERT_EQ(pies.size(), 4u);
    EXPECT_THAT(pies[0], ::testing::EndsWith("from 45"));
    EXPECT_THAT(pies[1], ::testing::EndsWith("from 135"));
    EXPECT_THAT(pies[2], ::testing::EndsWith("from 315"));
    EXPECT_THAT(pies[3], ::testing::EndsWith("from 225"));
    // More slices than any fixed table would hold.
    pie->Clear();
    for (int i = 0; i < 1500; ++i) pie->Add(1 + i % 7);
    pie->GetExplodedSlice()->SetValue(1499, 10);
    EXPECT_EQ(Only(Paint(), "Pie3D").size(), 1500u);
}

// Counts the paints the chart is asked for.
class TRequestCountingChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    void Invalidate() override {
        if (GetAutoRepaint()) ++requests;
        TTestChart::Invalidate();
    }
    int requests = 0;
};

TEST(PieOnChart, OtherSliceAsksForNoFurtherPaint) {
    auto* form = new TForm(nullptr);
    auto* chart = new TRequestCountingChart(form);
    form->SetBounds(0, 0, 420, 270);
    chart->SetParent(form);
    form->Show();
    auto* pie = new TPieSeries(form);
    pie->SetParentChart(chart);
    for (double v : {50, 45, 3, 2}) pie->Add(v);
    pie->GetOtherSlice()->SetStyle(poBelowValue);
    pie->GetOtherSlice()->SetValue(4);
    Application->ProcessMessages();
    for (int paint = 0; paint < 2; ++paint) {
        const int paints = chart->paints;
        chart->Invalidate();
        chart->requests = 0;
        Application->ProcessMessages();
        EXPECT_EQ(chart->paints, paints + 1);
        // Gathering inside the paint asks for no paint after it.
        EXPECT_EQ(chart->requests, 0);
        EXPECT_EQ(pie->Count(), 5);
        EXPECT_EQ(pie->GetyValue(4), 5);
    }
    delete form;
}

TEST(PieOnChart, SwitchesTheChartsAxesWallsAndMouseOffWhileShown) {
    TChartControlOnForm f;
    auto settings = [&] {
        return std::vector<bool>{f.chart->GetAxisVisible(), f.chart->GetClipPoints(), f.chart->GetView3DWalls(),
                                 f.chart->GetFrame()->GetVisible(),
                                 f.chart->GetBackWall()->GetBrush()->GetStyle() == bsHorizontal,
                                 f.chart->GetAllowZoom(),
                                 f.chart->GetAllowPanning() == pmBoth};
    };
    f.chart->GetBackWall()->GetBrush()->SetStyle(bsHorizontal);
    const std::vector<bool> on(7, true), off(7, false);
    ASSERT_EQ(settings(), on);
    auto* pie = new TPieSeries(f.form);
    pie->SetParentChart(f.chart);
    EXPECT_EQ(settings(), off);
    pie->SetActive(false);
    EXPECT_EQ(settings(), on);
    pie->SetActive(true);
    EXPECT_EQ(settings(), off);
    pie->SetParentChart(nullptr);
    EXPECT_EQ(settings(), on);
    pie->SetParentChart(f.chart);
    delete pie;
    EXPECT_EQ(settings(), on);
}

TEST(PieOnChart, MarksStandRoundThePieAndTheLegendSkipsGatheredPoints) {
    TChartControlOnForm f;
    auto* pie = new TPieSeries(f.form);
    pie->SetParentChart(f.chart);
    for (double v : {50, 45, 3, 2}) pie->Add(v);
    pie->GetOtherSlice()->SetStyle(poBelowValue);
    pie->GetOtherSlice()->SetValue(4);
    f.Paint();
    // Room for the marks: the pie is smaller than the series area.
    const TRect& circle = pie->GetCircleRect();
    const TRect& area = f.chart->GetChartRect();
    EXPECT_GT(circle.Left, area.Left);
    EXPECT_LT(circle.Bottom, area.Bottom);
    EXPECT_EQ(pie->GetXRadius() * 2, circle.Width());
    EXPECT_EQ(pie->LegendItemColor(2), pie->GetValueColor(4));
}

TEST(PieRegistry, PieAndFastLineAreInTheGallery) {
    const TTeeSeriesType* pie = TeeSeriesTypes().FindSeriesClass(TeeSeriesClassOf<TPieSeries>());
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->Description, "Pie");
    auto* made = dynamic_cast<TPieSeries*>(pie->SeriesClass->Create(nullptr));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetYValues()->GetName(), "Pie");
    EXPECT_EQ(made->GetXValues()->GetName(), "");
    EXPECT_TRUE(made->GetColorEachPoint());
    delete made;
}

}  // namespace
