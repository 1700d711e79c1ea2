// What the chart control takes from its series: the legend's items, texts
// and symbols, the mark texts in the legend's style, series clicks and the
// margins the series' markers need inside the plot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/control/ChartControlTestSupport.h"
#include "chart/seriestypes/Series.h"
#include "platform/runtime/SysUtils.h"
#include "platform/testing/TestInput.h"

namespace {

// Notes the texts, and the filled or outlined rectangles, markers and
// horizontal lines drawn with their colours and places.
class TLegendRecordingCanvas : public TTeeCanvas3D {
public:
    void TextOut(int X, int Y, const AnsiString& Text) override {
        texts.push_back(Text.str());
        TTeeCanvas3D::TextOut(X, Y, Text);
    }
    void DoRectangle(const TRect& Rect) override {
        const bool clear = GetBrush()->GetStyle() == bsClear;
        Note((clear ? "outline " : "box ") + std::to_string(GetBrush()->GetColor()), Rect);
        inRectangle_ = true;
        TTeeCanvas3D::DoRectangle(Rect);
        inRectangle_ = false;
    }
    void Rectangle(int X0, int Y0, int X1, int Y1) override {
        if (!inRectangle_) Note("marker " + std::to_string(GetBrush()->GetColor()), TRect(X0, Y0, X1, Y1));
        TTeeCanvas3D::Rectangle(X0, Y0, X1, Y1);
    }
    void DoHorizLine(int X0, int X1, int Y) override {
        Note("line " + std::to_string(GetPen()->GetColor()), TRect(X0, Y, X1, Y));
        TTeeCanvas3D::DoHorizLine(X0, X1, Y);
    }
    // What was drawn inside Bounds, in order.
    std::vector<std::string> ShapesIn(const TRect& Bounds) const {
        std::vector<std::string> result;
        for (const auto& [text, r] : shapes)
            if (r.Left >= Bounds.Left && r.Right <= Bounds.Right && r.Top >= Bounds.Top && r.Bottom <= Bounds.Bottom)
                result.push_back(text);
        return result;
    }

    std::vector<std::string> texts;
    std::vector<std::pair<std::string, TRect>> shapes;

private:
    void Note(const std::string& What, const TRect& Where) { shapes.emplace_back(What, Where); }
    bool inRectangle_ = false;
};

// Lists only its even points in the legend.
class TEvenLegendSeries : public TDotSeries {
public:
    using TDotSeries::TDotSeries;
    int CountLegendItems() const override { return (Count() + 1) / 2; }
    int LegendToValueIndex(int LegendIndex) const override { return 2 * LegendIndex; }
};

std::string Box(TColor Color) { return "box " + std::to_string(Color); }
std::string Line(TColor Color) { return "line " + std::to_string(Color); }

struct ChartSeriesLink : ::testing::Test {
    ChartSeriesLink() {
        chart->SetAxisVisible(false);
        canvas = new TLegendRecordingCanvas;
        chart->SetInternalCanvas(canvas);
    }
    // Paints and keeps only what the legend drew: its box comes after the
    // shadow, and the items follow.
    void PaintLegendOnly() {
        chart->GetLegend()->SetShadowSize(0);
        chart->GetTitle()->SetVisible(false);
        chart->GetFoot()->SetVisible(false);
        for (TChartSeries* s : *chart->GetSeriesList()) s->SetActive(s->GetActive());
        canvas->texts.clear();
        canvas->shapes.clear();
        on.Paint();
    }

    // What the legend drew: its box, then each item's symbol.
    std::vector<std::string> LegendShapes() const {
        TRect r = chart->GetLegend()->GetRectLegend();
        InflateRect(r, 2, 2);
        return canvas->ShapesIn(r);
    }

    TChartControlOnForm on;
    TChart* chart = on.chart;
    TLegendRecordingCanvas* canvas;
};

TEST_F(ChartSeriesLink, ValueTextsFollowTheLegendsTextStyle) {
    auto* series = new TDotSeries(on.form);
    series->SetParentChart(chart);
    series->AddXY(1, 10, "Mon");
    series->AddXY(2, 25, "Tue");
    struct Case {
        TLegendTextStyle style;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {ltsPlain, {"Mon", "Tue"}},
        {ltsLeftValue, {"10 Mon", "25 Tue"}},
        {ltsRightValue, {"Mon 10", "Tue 25"}},
        {ltsRightPercent, {"Mon 28.57 %", "Tue 71.43 %"}},
    };
    for (const Case& c : cases) {
        chart->GetLegend()->SetTextStyle(c.style);
        series->SetValueFormat("0");
        series->SetPercentFormat("0.00 %");
        PaintLegendOnly();
        EXPECT_EQ(canvas->texts, c.texts) << c.style;
        for (int i = 0; i < 2; ++i) EXPECT_EQ(chart->FormattedValueLegend(series, i).str(), c.texts[i]);
    }
    EXPECT_EQ(chart->FormattedValueLegend(nullptr, 0).str(), "");
    EXPECT_EQ(chart->FormattedValueLegend(series, -1).str(), "");
}

TEST_F(ChartSeriesLink, MarksInTheLegendStyleAskTheChartControl) {
    auto* series = new TDotSeries(on.form);
    series->SetParentChart(chart);
    series->AddXY(1, 7, "Wed\rnoon");
    series->SetValueFormat("0");
    series->GetMarks()->SetStyle(smsLegend);
    chart->GetLegend()->SetTextStyle(ltsRightValue);
    EXPECT_EQ(series->GetMarkText(0).str(), "Wed noon 7") << "line breaks become blanks";
    chart->GetLegend()->SetTextStyle(ltsPlain);
    TCustomAxisPanel* panel = chart;
    EXPECT_EQ(panel->FormattedValueLegend(series, 0).str(), "Wed noon");
}

TEST_F(ChartSeriesLink, AValueLegendListsTheItemsTheSeriesChooses) {
    auto* series = new TEvenLegendSeries(on.form);
    series->SetParentChart(chart);
    const TColor colors[] = {clRed, clGreen, clBlue, clYellow, clFuchsia};
    for (int i = 0; i < 5; ++i) series->AddXY(i, i * 10, "P" + IntToStr(i), colors[i]);
    chart->GetLegend()->SetTextStyle(ltsPlain);
    PaintLegendOnly();
    EXPECT_EQ(chart->GetLegend()->TotalLegendItems(), 3);
    EXPECT_EQ(chart->GetLegend()->GetRows(), 3);
    EXPECT_EQ(canvas->texts, (std::vector<std::string>{"P0", "P2", "P4"}));
    // The legend's box, then one sample per item in its point's colour.
    EXPECT_EQ(LegendShapes(),
              (std::vector<std::string>{Box(clWhite), Box(clRed), Box(clBlue), Box(clFuchsia)}));
}

TEST_F(ChartSeriesLink, SeriesDrawTheirOwnSymbolsInASeriesLegend) {
    auto* line = new TLineSeries(on.form);
    line->SetParentChart(chart);
    line->SetSeriesColor(clNavy);
    line->SetTitle("line");
    auto* points = new TPointSeries(on.form);
    points->SetParentChart(chart);
    points->SetSeriesColor(clMaroon);
    points->SetTitle("points");
    auto* area = new TAreaSeries(on.form);
    area->SetParentChart(chart);
    area->SetSeriesColor(clTeal);
    area->SetTitle("area");
    for (TChartSeries* s : {static_cast<TChartSeries*>(line), static_cast<TChartSeries*>(points),
                            static_cast<TChartSeries*>(area)})
        s->AddXY(1, 1);
    PaintLegendOnly();
    ASSERT_EQ(canvas->texts, (std::vector<std::string>{"line", "points", "area"}));
    const std::vector<std::string> shapes = LegendShapes();
    ASSERT_FALSE(shapes.empty());
    EXPECT_EQ(shapes.front(), Box(clWhite)) << "the legend's box";
    const std::vector<std::string> samples(shapes.begin() + 1, shapes.end());
    EXPECT_EQ(samples, (std::vector<std::string>{Line(clNavy), "marker " + std::to_string(clMaroon), Box(clTeal)}))
        << "a line series shows a stroke, the point series its marker, the area series a filled sample";
}

TEST_F(ChartSeriesLink, ASymbolInTheLegendsColourGetsAnOutline) {
    auto* series = new TDotSeries(on.form);
    series->SetParentChart(chart);
    series->AddXY(1, 1, "a", clRed);
    series->AddXY(2, 2, "b", clBlack);
    chart->GetLegend()->SetColor(clRed);
    PaintLegendOnly();
    EXPECT_EQ(chart->LegendBackColor, clRed);
    EXPECT_EQ(LegendShapes(), (std::vector<std::string>{Box(clRed), Box(clRed), "outline " + std::to_string(clRed),
                                                        Box(clBlack)}));
    chart->GetLegend()->SetColor(clBlack);
    PaintLegendOnly();
    EXPECT_EQ(chart->LegendBackColor, clBlack);
    EXPECT_EQ(LegendShapes(), (std::vector<std::string>{Box(clBlack), Box(clRed), Box(clBlack),
                                                        "outline " + std::to_string(clBlack)}));
}

TEST_F(ChartSeriesLink, ColourEachPointSeriesShowNoSymbolAsASeriesItem) {
    for (int i = 0; i < 2; ++i) {
        TDotSeries* s = on.NewSeries(2);
        s->SetTitle("s" + IntToStr(i));
        s->SetSeriesColor(i == 0 ? clLime : clOlive);
        s->SetColorEachPoint(i == 0);
    }
    PaintLegendOnly();
    EXPECT_EQ(canvas->texts, (std::vector<std::string>{"s0", "s1"}));
    EXPECT_EQ(LegendShapes(), (std::vector<std::string>{Box(clWhite), Box(clOlive)}));
}

// ---- Clicks and margins ------------------------------------------------------------

struct ChartSeriesClick : ::testing::Test {
    ChartSeriesClick() {
        chart->GetLegend()->SetVisible(false);
        series = on.NewSeries();
        on.Paint();
        point = TPoint(chart->GetBottomAxis()->CalcXPosValue(40), chart->GetLeftAxis()->CalcYPosValue(40));
    }
    TChartControlOnForm on;
    TChart* chart = on.chart;
    TDotSeries* series;
    TPoint point;
};

TEST_F(ChartSeriesClick, TheSeriesOwnHandlerRunsFirstAndStopsTheZoom) {
    std::vector<std::string> events;
    bool letGo = false;
    series->OnClick = [&](TChartSeries* Sender, int Index, TMouseButton, TShiftState, int, int) {
        events.push_back("series " + std::to_string(Index));
        if (letGo) dynamic_cast<TCustomChart*>(Sender->GetParentChart())->SetCancelMouse(false);
    };
    chart->OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
        events.push_back("background");
    };
    MouseDown(chart, mbLeft, point.x, point.y);
    EXPECT_FALSE(chart->GetZoom()->Active);
    EXPECT_FALSE(chart->GetCancelMouse());
    MouseUp(chart, mbLeft, point.x, point.y);
    EXPECT_EQ(events, std::vector<std::string>{"series 40"}) << "a handled click goes no further";

    letGo = true;
    events.clear();
    MouseDown(chart, mbLeft, point.x, point.y);
    EXPECT_TRUE(chart->GetZoom()->Active) << "the handler cleared the flag";
    MouseUp(chart, mbLeft, point.x, point.y);
    EXPECT_EQ(events, std::vector<std::string>{"series 40"});

    // The chart's own series event comes after and has the last word.
    letGo = false;
    events.clear();
    chart->OnClickSeries = [&](TCustomChart* Sender, TChartSeries*, int, TMouseButton, TShiftState, int, int) {
        events.push_back("chart");
        Sender->SetCancelMouse(false);
    };
    MouseDown(chart, mbLeft, point.x, point.y);
    EXPECT_TRUE(chart->GetZoom()->Active);
    MouseUp(chart, mbLeft, point.x, point.y);
    EXPECT_EQ(events, (std::vector<std::string>{"series 40", "chart"}));
}

TEST_F(ChartSeriesClick, ADoubleClickGoesToTheDoubleClickHandler) {
    std::vector<std::string> events;
    series->OnClick = [&](TChartSeries*, int, TMouseButton, TShiftState, int, int) { events.push_back("click"); };
    series->OnDblClick = [&](TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
        events.push_back("double " + std::to_string(Index));
    };
    MouseDoubleClick(chart, point.x, point.y);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "double 40");
}

TEST_F(ChartSeriesClick, WithoutHandlersASeriesClickStartsTheZoom) {
    MouseDown(chart, mbLeft, point.x, point.y);
    EXPECT_TRUE(chart->GetZoom()->Active);
    MouseUp(chart, mbLeft, point.x, point.y);
}

TEST(ChartSeriesMargins, MarkersKeepTheirHalfSizeInsideThePlot) {
    TChartControlOnForm on;
    on.chart->GetLegend()->SetVisible(false);
    auto* series = new TPointSeries(on.form);
    series->SetParentChart(on.chart);
    for (int i = 0; i <= 10; ++i) series->AddXY(i, i * 2);
    struct Case {
        int horiz, vert;
    };
    for (const Case c : {Case{4, 4}, Case{9, 3}}) {
        series->GetPointer()->SetHorizSize(c.horiz);
        series->GetPointer()->SetVertSize(c.vert);
        on.Paint();
        TChartAxis* bottom = on.chart->GetBottomAxis();
        TChartAxis* left = on.chart->GetLeftAxis();
        EXPECT_NEAR(bottom->CalcXPosValue(0) - bottom->GetStartPixel(), c.horiz + 1, 1);
        EXPECT_NEAR(bottom->GetEndPixel() - bottom->CalcXPosValue(10), c.horiz + 1, 1);
        EXPECT_NEAR(left->GetEndPixel() - left->CalcYPosValue(0), c.vert + 1, 1);
        EXPECT_NEAR(left->CalcYPosValue(20) - left->GetStartPixel(), c.vert + 1, 1);
    }
    // An end the axis does not choose itself keeps its value at the edge.
    TChartAxis* bottom = on.chart->GetBottomAxis();
    bottom->SetMinimum(0);
    bottom->SetAutomaticMinimum(false);
    on.Paint();
    EXPECT_EQ(bottom->CalcXPosValue(0), bottom->GetStartPixel());
    EXPECT_NEAR(bottom->GetEndPixel() - bottom->CalcXPosValue(10), 10, 1);
}

}  // namespace
