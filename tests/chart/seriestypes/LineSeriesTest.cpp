// Line and point series drawn on a chart of fixed pixels: the visible range,
// segments, breaks at null points and at points beyond what the screen
// can hold, the first segment from the chart's edge, stairs, markers and
// their order, 3-D bands, clicks, and the types in the gallery.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/series/SeriesDrawSupport.h"

namespace {

using ::testing::ElementsAre;

struct LineSeriesDraw : ::testing::Test, TSeriesChart {};

TEST_F(LineSeriesDraw, MapsThroughItsAxes) {
    auto* s = New<TLineSeries>();
    s->AddXY(0, 0);
    s->AddXY(10, 100);
    s->AddXY(5, 25);  // goes in the middle, by its X
    Paint();
    EXPECT_EQ(s->CalcXPos(0), 100);
    EXPECT_EQ(s->CalcYPos(0), 250);
    EXPECT_EQ(s->CalcXPos(1), 200);
    EXPECT_EQ(s->CalcYPos(1), 200);
    EXPECT_EQ(s->CalcXPos(2), 300);
    EXPECT_EQ(s->CalcYPos(2), 50);
    EXPECT_EQ(s->CalcPosValue(5), 240);  // along the vertical axis
    EXPECT_EQ(s->CalcXPosValue(5), 200);
    EXPECT_EQ(s->CalcYSizeValue(50), 100);
    EXPECT_DOUBLE_EQ(s->XScreenToValue(200), 5);
    EXPECT_DOUBLE_EQ(s->YScreenToValue(150), 50);
}

}  // namespace

namespace {

struct LineDraw : ::testing::Test, TSeriesChart {
    LineDraw() {
        line = New<TLineSeries>();
        line->SetSeriesColor(clRed);
    }
    void Markers(bool Visible) { line->GetPointer()->SetVisible(Visible); }
    TLineSeries* line;
};

TEST_F(LineDraw, VisibleRangeAlongTheBottomAxis) {
    auto* plain = New<TChartSeries>();
    for (int x = 0; x < 100; ++x) {
        plain->AddXY(x, 1);
        line->AddXY(x, 1);
    }
    chart->GetBottomAxis()->SetMinMax(10, 20.5);
    Paint();
    EXPECT_EQ(plain->GetFirstValueIndex(), 10);
    EXPECT_EQ(plain->GetLastValueIndex(), 20);
    EXPECT_EQ(line->GetFirstValueIndex(), 10);
    EXPECT_EQ(line->GetLastValueIndex(), 21);  // the line runs out to the edge
    chart->GetBottomAxis()->SetMinMax(200, 300);
    EXPECT_TRUE(Only(Paint(), "Line").empty());
    EXPECT_EQ(line->GetFirstValueIndex(), -1);
    EXPECT_EQ(line->GetLastValueIndex(), -1);
    line->GetXValues()->SetOrder(loNone);
    Paint();
    EXPECT_EQ(line->GetFirstValueIndex(), 0);
    EXPECT_EQ(line->GetLastValueIndex(), 99);
}

TEST_F(LineDraw, SegmentsInTheSeriesColourWithMarkersOnTop) {
    line->AddXY(1, 10);
    line->AddXY(2, 20);
    line->AddXY(3, 10);
    EXPECT_THAT(Only(Paint(), "Line"), ElementsAre("Line 120,230 140,210 pen0000FF", "Line 140,210 160,230 pen0000FF"));
    Markers(true);
    const TSeriesLog log = Paint();
    EXPECT_THAT(log, ElementsAre("Line 120,230 140,210 pen0000FF", "Rect 116,226 125,235 brush0000FF",
                                 "Line 140,210 160,230 pen0000FF", "Rect 136,206 145,215 brush0000FF",
                                 "Rect 156,226 165,235 brush0000FF"));
    EXPECT_EQ(PixelAt(130, 220), clRed);
}

TEST_F(LineDraw, NullPointBreaksTheLine) {
    Markers(true);
    line->AddXY(1, 10);
    line->AddNullXY(2, 15);
    line->AddXY(3, 30);
    line->AddXY(4, 40);
    const TSeriesLog log = Paint();
    EXPECT_THAT(Only(log, "Line"), ElementsAre("Line 160,190 180,170 pen0000FF"));
    // Markers at 0, 2 and 3; none at the null point (140, 220).
    EXPECT_THAT(Only(log, "Rect"), ElementsAre("Rect 116,226 125,235 brush0000FF", "Rect 156,186 165,195 brush0000FF",
                                               "Rect 176,166 185,175 brush0000FF"));
}

TEST_F(LineDraw, NoMarkerAtANullPointThatIsTheOnlyOneShown) {
    Markers(true);
    line->AddXY(1, 10);
    line->AddNullXY(2, 20);
    chart->GetBottomAxis()->SetMinMax(1.5, 10);
    const TSeriesLog log = Paint();
    EXPECT_EQ(line->GetFirstValueIndex(), 1);
    EXPECT_EQ(line->GetLastValueIndex(), 1);
    EXPECT_TRUE(log.empty()) << log.front();
}

TEST_F(LineDraw, LonePointShowsOnlyItsMarker) {
    Markers(true);
    line->AddXY(5, 50);
    EXPECT_THAT(Paint(), ElementsAre("Rect 196,146 205,155 brush0000FF"));
}

TEST_F(LineDraw, FirstSegmentComesFromTheEdgeAtTheLinesHeight) {
    chart->GetBottomAxis()->SetMinMax(2, 10);  // 25 pixels a unit from 100
    line->AddXY(0, 0);
    line->AddXY(4, 40);
    line->AddXY(6, 40);
    EXPECT_THAT(Only(Paint(), "Line"), ElementsAre("Line 100,210 150,170 pen0000FF", "Line 150,170 200,170 pen0000FF"));
    line->SetStairs(true);
    // A step runs at the previous point's height, then rises.
    EXPECT_THAT(Paint(), ElementsAre("HLine 100..150 y250", "LineTo 150,170", "HLine 150..200 y170", "LineTo 200,170"));
    line->SetInvertedStairs(true);
    EXPECT_THAT(Paint(), ElementsAre("VLine x100 250..170", "LineTo 150,170", "VLine x150 170..170", "LineTo 200,170"));
}

TEST_F(LineDraw, PointsBeyondTheScreenBreakTheLine) {
    struct Case {
        double x, y;
    };
    // Far above, far below, far to the right of a zoomed-in view.
    const Case far[] = {{2, 1e6}, {2, -1e6}, {2000, 20}};
    for (const Case& f : far) {
        line->Clear();
        line->GetXValues()->SetOrder(loNone);
        line->AddXY(1, 10);
        line->AddXY(f.x, f.y);
        line->AddXY(3, 30);
        line->AddXY(4, 40);
        // Neither a segment from point 0 to point 2 nor one into the far point.
        EXPECT_THAT(Only(Paint(), "Line"), ElementsAre("Line 160,190 180,170 pen0000FF")) << f.y;
    }
}

TEST_F(LineDraw, SamePixelDrawsNoSegmentButBothMarkers) {
    Markers(true);
    line->AddXY(1, 10);
    line->AddXY(1.01, 10);
    EXPECT_THAT(Paint(), ElementsAre("Rect 116,226 125,235 brush0000FF", "Rect 116,226 125,235 brush0000FF"));
}

TEST_F(LineDraw, MarkersTakeTheirStyleFromTheHandler) {
    Markers(true);
    line->OnGetPointerStyle = [](TChartSeries*, int ValueIndex) {
        return ValueIndex == 0 ? psSmallDot : psRectangle;
    };
    line->AddXY(1, 10);
    line->AddXY(2, 10);
    EXPECT_THAT(Only(Paint(), "Pixel"), ElementsAre("Pixel 120,230"));
}

TEST_F(LineDraw, ThreeDimensionalBandInsteadOfLines) {
    chart->SetView3D(true);
    line->AddXY(1, 10);
    line->AddXY(2, 90);
    line->AddXY(3, 10);
    const TSeriesLog log = Paint();
    EXPECT_TRUE(Only(log, "Line").empty());
    const TSeriesLog bands = Only(log, "Band");
    ASSERT_EQ(bands.size(), 2u);
    // The rising face is darker than the falling one.
    EXPECT_NE(bands[0].substr(bands[0].size() - 6), "0000FF");
    EXPECT_EQ(bands[1].substr(bands[1].size() - 6), "0000FF");
    line->SetDark3D(false);
    const TSeriesLog flat = Only(Paint(), "Band");
    EXPECT_EQ(flat[0].substr(flat[0].size() - 6), "0000FF");
}

TEST_F(LineDraw, LegendLineAndMarker) {
    Paint();
    log.clear();
    line->DrawLegendShape(-1, TRect(0, 0, 18, 10));
    EXPECT_THAT(log, ElementsAre("HLine 0..18 y5"));
    log.clear();
    Markers(true);
    line->DrawLegendShape(-1, TRect(0, 0, 18, 10));
    EXPECT_THAT(log, ElementsAre("HLine 0..18 y5", "Rect 5,2 14,9 brush0000FF"));
}

TEST_F(LineDraw, MarksStandArrowLengthAbove) {
    line->GetMarks()->SetVisible(true);
    line->AddXY(5, 50);
    Paint();
    const TSeriesMarkPosition* p = line->GetMarks()->GetPositions()->GetPosition(0);
    EXPECT_EQ(p->ArrowFrom, TPoint(200, 150));
    EXPECT_EQ(p->ArrowTo, TPoint(200, 142));
    EXPECT_EQ(p->LeftTop.y, 142 - p->Height + 1);
}

// ---- Clicks -----------------------------------------------------------------------

TEST_F(LineDraw, ClicksOnPointsSegmentsAndMarkers) {
    line->AddXY(1, 10);
    line->AddXY(2, 20);
    line->AddXY(3, 10);
    Paint();
    EXPECT_EQ(line->Clicked(130, 220), 0);  // on the first segment
    EXPECT_EQ(line->Clicked(150, 220), 1);
    EXPECT_EQ(line->Clicked(140, 210), 1);
    EXPECT_EQ(line->Clicked(130, 200), -1);
    auto* points = New<TPointSeries>();
    points->AddXY(1, 10);
    points->AddXY(2, 20);
    std::vector<int> hits;
    points->OnClickPointer = [&](TCustomSeries*, int i, int, int) { hits.push_back(i); };
    Paint();
    EXPECT_EQ(points->Clicked(130, 220), -1);  // no line to click
    EXPECT_EQ(points->Clicked(143, 207), 1);
    EXPECT_EQ(points->Clicked(144, 210), -1);  // the half size is exclusive
    EXPECT_THAT(hits, ElementsAre(1));
}

TEST_F(LineDraw, StairClicksFollowTheSteps) {
    line->SetStairs(true);
    line->AddXY(1, 10);
    line->AddXY(2, 30);
    Paint();
    EXPECT_EQ(line->Clicked(130, 230), 0);  // the run
    EXPECT_EQ(line->Clicked(140, 200), 0);  // the riser
    EXPECT_EQ(line->Clicked(130, 220), -1);
    line->SetInvertedStairs(true);
    EXPECT_EQ(line->Clicked(120, 200), 0);
    EXPECT_EQ(line->Clicked(130, 190), 0);
    EXPECT_EQ(line->Clicked(130, 230), -1);
}

TEST_F(LineDraw, PointSeriesMarkersTakeEachPointsColour) {
    auto* points = New<TPointSeries>();
    points->GetPointer()->GetBrush()->SetColor(clBlue);
    points->AddXY(1, 10, "", clRed);
    points->AddXY(2, 10, "", clLime);
    EXPECT_THAT(Only(Paint(), "Rect"), ElementsAre("Rect 116,226 125,235 brushFF0000", "Rect 136,226 145,235 brushFF0000"));
    points->SetColorEachPoint(true);
    EXPECT_THAT(Only(Paint(), "Rect"), ElementsAre("Rect 116,226 125,235 brush0000FF", "Rect 136,226 145,235 brush00FF00"));
}

// ---- Settings and the gallery ------------------------------------------------------

TEST(LineSeriesTypes, RegisteredAndConvertibleWithTheirEvents) {
    TSeriesChart c;
    for (TChartSeriesClass cls : {TeeSeriesClassOf<TLineSeries>(), TeeSeriesClassOf<TPointSeries>(),
                                  TeeSeriesClassOf<TAreaSeries>()})
        EXPECT_NE(TeeSeriesTypes().FindSeriesClass(cls), nullptr);
    TChartSeries* s = c.New<TLineSeries>();
    int clicks = 0;
    s->OnClick = [&](TChartSeries*, int, TMouseButton, TShiftState, int, int) { ++clicks; };
    s->OnGetMarkText = [](TChartSeries*, int, AnsiString& Text) { Text = "x"; };
    s->Add(3);
    ChangeSeriesType(s, TeeSeriesClassOf<TPointSeries>());
    auto* points = dynamic_cast<TPointSeries*>(s);
    ASSERT_NE(points, nullptr);
    EXPECT_TRUE(points->GetPointer()->GetVisible());
    EXPECT_FALSE(points->GetDrawLine());
    EXPECT_EQ(points->GetMarkText(0).str(), "x");
    points->DoSeriesClick(points, 0, mbLeft, TShiftState(), 0, 0);
    EXPECT_EQ(clicks, 1);
    ChangeSeriesType(s, TeeSeriesClassOf<TLineSeries>());
    auto* line = dynamic_cast<TLineSeries*>(s);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->GetDrawLine());
    EXPECT_FALSE(line->GetPointer()->GetVisible());
    EXPECT_FALSE(line->GetClickableLine());  // taken from the point series
}

}  // namespace
