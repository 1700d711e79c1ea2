// The axis panel's paint road, read from a log that the chart's own steps,
// the series, the events and a recording canvas write to: its order with
// the axes before and after the series, series sharing a depth slot, the
// depth bands, and which points a series is asked to draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/series/ChartTestSupport.h"
#include "platform/runtime/SysUtils.h"

namespace {

using TLog = std::vector<std::string>;

// Logs the calls of the paint road to the canvas, then makes them.
class TRecordingCanvas : public TTeeCanvas3D {
public:
    explicit TRecordingCanvas(TLog* ALog) : log_(ALog) {}
    void Projection(int MaxDepth, const TRect& ABounds, const TRect& ARect) override {
        log_->push_back("Projection " + std::to_string(MaxDepth));
        TTeeCanvas3D::Projection(MaxDepth, ABounds, ARect);
    }
    void ClipCube(const TRect& Rect, int MinZ, int MaxZ) override {
        log_->push_back("ClipCube " + std::to_string(MinZ) + ".." + std::to_string(MaxZ));
        TTeeCanvas3D::ClipCube(Rect, MinZ, MaxZ);
    }
    void UnClipRectangle() override {
        log_->push_back("UnClip");
        TTeeCanvas3D::UnClipRectangle();
    }
    void HorizLine3D(int Left, int Right, int Y, int Z) override {
        log_->push_back("HorizLine y" + std::to_string(Y) + " z" + std::to_string(Z));
        TTeeCanvas3D::HorizLine3D(Left, Right, Y, Z);
    }
    void VertLine3D(int X, int Top, int Bottom, int Z) override {
        log_->push_back("VertLine x" + std::to_string(X) + " z" + std::to_string(Z));
        TTeeCanvas3D::VertLine3D(X, Top, Bottom, Z);
    }

private:
    TLog* log_;
};

// A series that logs its drawing steps under its title.
class TLoggedSeries : public TChartSeries {
public:
    TLoggedSeries(TComponent* AOwner, TLog* ALog, const char* ATitle) : TChartSeries(AOwner), log_(ALog) {
        SetTitle(ATitle);
        BeforeDrawValues = [this](TObject*) { log_->push_back("Before " + Name()); };
        AfterDrawValues = [this](TObject*) { log_->push_back("After " + Name()); };
    }
    void DoBeforeDrawChart() override { log_->push_back("BeforeChart " + Name()); }
    void DrawValue(int ValueIndex) override { log_->push_back(Name() + ":" + std::to_string(ValueIndex)); }
    void SetDrawsPastTheEdge() { drawBetweenPoints_ = true; }
    void SetDrawsEveryPoint() { calcVisiblePoints_ = false; }

private:
    std::string Name() const { return GetTitle().str(); }
    TLog* log_;
};

struct AxisPanelPaint : ::testing::Test, TChartOnForm {
    AxisPanelPaint() {
        chart->SetInternalCanvas(new TRecordingCanvas(&chart->log));
        chart->OnBeforeDrawAxes = [this](TObject*) { chart->log.push_back("OnBeforeDrawAxes"); };
        chart->OnBeforeDrawSeries = [this](TObject*) { chart->log.push_back("OnBeforeDrawSeries"); };
        chart->OnAfterDraw = [this](TObject*) { chart->log.push_back("OnAfterDraw"); };
        chart->SetView3D(false);
        // The road is read from the axis lines; ticks would only add noise.
        for (TCustomChartAxis* axis : chart->GetAxesList()) {
            axis->GetTicks()->SetVisible(false);
            axis->GetTicksInner()->SetVisible(false);
            axis->GetMinorTicks()->SetVisible(false);
        }
    }
    ~AxisPanelPaint() override { TeeDrawAxisBeforeSeries = true; }

    TLoggedSeries* Series(const char* Title, int Points) {
        auto* s = new TLoggedSeries(form, &chart->log, Title);
        s->SetParentChart(chart);
        for (int i = 0; i < Points; ++i) s->Add(i);
        return s;
    }
    // One paint into a bitmap of the chart's size; its log.
    TLog Paint() {
        chart->log.clear();
        TBitmap bitmap;
        bitmap.SetSize(chart->GetWidth(), chart->GetHeight());
        chart->Draw(bitmap.GetCanvas(), TRect(0, 0, chart->GetWidth(), chart->GetHeight()));
        return chart->log;
    }
    // The axis lines of the default chart rectangle: bottom and left.
    std::string BottomLine() const { return "HorizLine y" + std::to_string(chart->GetChartRect().Bottom) + " z0"; }
    std::string LeftLine() const { return "VertLine x" + std::to_string(chart->GetChartRect().Left) + " z0"; }
};

TEST_F(AxisPanelPaint, AxesBeforeTheSeriesByDefault) {
    Series("A", 3);
    Series("B", 2);
    const TLog log = Paint();
    const TLog expected = {
        "BeforeChart A", "BeforeChart B", "DrawTitlesAndLegend", "CalcAxisRect", "CalcSeriesRect",
        "Projection 0", "DrawWalls", "OnBeforeDrawAxes", BottomLine(), LeftLine(), "OnBeforeDrawSeries",
        "Before A", "ClipCube 0..0", "A:0", "A:1", "A:2", "UnClip", "After A",
        "Before B", "ClipCube 0..0", "B:0", "B:1", "UnClip", "After B", "OnAfterDraw"};
    EXPECT_EQ(log, expected);
}

TEST_F(AxisPanelPaint, AxesOverTheSeriesWhenAskedFor) {
    TeeDrawAxisBeforeSeries = false;
    chart->SetClipPoints(false);
    Series("A", 2);
    const TLog expected = {
        "BeforeChart A", "DrawTitlesAndLegend", "CalcAxisRect", "CalcSeriesRect", "Projection 0", "DrawWalls",
        "OnBeforeDrawSeries", "Before A", "A:0", "A:1", "After A",
        "OnBeforeDrawAxes", BottomLine(), LeftLine(), "OnAfterDraw"};
    EXPECT_EQ(Paint(), expected);
}

TEST_F(AxisPanelPaint, BeforeDrawAxesFiresWithNoAxisShownButNotWithAxesOff) {
    for (TCustomChartAxis* axis : chart->GetAxesList()) axis->SetVisible(false);
    TLog log = Paint();
    EXPECT_EQ(std::count(log.begin(), log.end(), "OnBeforeDrawAxes"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), BottomLine()), 0);
    chart->SetAxisVisible(false);
    log = Paint();
    EXPECT_EQ(std::count(log.begin(), log.end(), "OnBeforeDrawAxes"), 0);
}

TEST_F(AxisPanelPaint, SeriesSharingADepthSlotDrawPointByPointIn3D) {
    TLoggedSeries* a = Series("A", 3);
    TLoggedSeries* b = Series("B", 2);
    a->SetZOrder(0);
    b->SetZOrder(0);
    chart->SetClipPoints(false);
    // Flat: each whole, in list order.
    TLog log = Paint();
    TLog drawn;
    for (const std::string& line : log)
        if (line.find(':') != std::string::npos || line.starts_with("Before ") || line.starts_with("After "))
            drawn.push_back(line);
    EXPECT_EQ(drawn, (TLog{"Before A", "A:0", "A:1", "A:2", "After A", "Before B", "B:0", "B:1", "After B"}));

    chart->SetView3D(true);
    log = Paint();
    drawn.clear();
    for (const std::string& line : log)
        if (line.find(':') != std::string::npos || line.starts_with("Before ") || line.starts_with("After "))
            drawn.push_back(line);
    EXPECT_EQ(drawn, (TLog{"Before A", "Before B", "A:0", "B:0", "A:1", "B:1", "A:2", "After A", "After B"}));
}

TEST_F(AxisPanelPaint, DepthBandsPutTheFirstSeriesAtTheBack) {
    chart->SetView3D(true);
    TLoggedSeries* a = Series("A", 1);
    TLoggedSeries* b = Series("B", 1);
    TLoggedSeries* c = Series("C", 1);
    Paint();
    const int w = chart->GetSeriesWidth3D();
    EXPECT_EQ(w, Round(chart->GetChartWidth() * 0.015));
    EXPECT_EQ(chart->GetMaxZOrder(), 2);
    EXPECT_EQ(chart->GetWidth3D(), 3 * w);
    EXPECT_EQ(a->StartZ, 2 * w);
    EXPECT_EQ(a->EndZ, 3 * w);
    EXPECT_EQ(a->MiddleZ, (5 * w) / 2);
    EXPECT_EQ(b->StartZ, w);
    EXPECT_EQ(c->StartZ, 0);
    EXPECT_EQ(a->GetZOrder(), 2);

    // A fixed slot raises the deepest one; inactive series take none.
    c->SetZOrder(4);
    b->SetActive(false);
    Paint();
    EXPECT_EQ(chart->GetMaxZOrder(), 4);
    EXPECT_EQ(a->StartZ, 4 * w);
    EXPECT_EQ(c->StartZ, 0);
    EXPECT_EQ(chart->GetWidth3D(), 5 * w);

    // Flat, every series stands at the front.
    chart->SetView3D(false);
    Paint();
    EXPECT_EQ(a->StartZ, 0);
    EXPECT_EQ(chart->GetWidth3D(), 0);
}

TEST_F(AxisPanelPaint, OnlyPointsInsideTheRangeShownAreDrawn) {
    chart->SetClipPoints(false);
    TLoggedSeries* s = Series("S", 10);
    auto drawnRange = [&]() {
        Paint();
        return std::make_pair(s->GetFirstValueIndex(), s->GetLastValueIndex());
    };
    TCustomChartAxis* bottom = chart->GetBottomAxis();
    EXPECT_EQ(drawnRange(), std::make_pair(0, 9));
    bottom->SetMinMax(2.5, 6.5);
    EXPECT_EQ(drawnRange(), std::make_pair(3, 6));
    bottom->SetInverted(true);
    EXPECT_EQ(drawnRange(), std::make_pair(3, 6));
    s->SetDrawsPastTheEdge();
    EXPECT_EQ(drawnRange(), std::make_pair(3, 7));
    TLog log = Paint();
    EXPECT_EQ(std::count(log.begin(), log.end(), "S:7"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "S:8"), 0);

    // Beyond every point: nothing drawn and no drawing events.
    bottom->SetMinMax(20, 30);
    log = Paint();
    EXPECT_EQ(s->GetFirstValueIndex(), -1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Before S"), 0);

    // Unordered positions, or a series drawing every point: all of them.
    s->GetXValues()->SetOrder(loNone);
    EXPECT_EQ(drawnRange(), std::make_pair(0, 9));
    s->GetXValues()->SetOrder(loAscending);
    s->SetDrawsEveryPoint();
    EXPECT_EQ(drawnRange(), std::make_pair(0, 9));
}

TEST_F(AxisPanelPaint, APagedChartDrawsItsPage) {
    chart->SetClipPoints(false);
    TLoggedSeries* s = Series("S", 250);
    chart->SetMaxPointsPerPage(100);
    chart->SetPage(3);
    Paint();
    EXPECT_EQ(s->GetFirstValueIndex(), 200);
    EXPECT_EQ(s->GetLastValueIndex(), 249);
}

}  // namespace
