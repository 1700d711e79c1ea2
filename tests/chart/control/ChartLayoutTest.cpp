// The chart control's layout: what title, foot and legend take from the
// chart rectangle, the legend's rows, columns and colour samples, clicks on
// legend items, the back wall's fill and the series list operations.
#include <gtest/gtest.h>

#include "chart/axis/AxisTestSupport.h"
#include "chart/control/ChartControlTestSupport.h"
#include "chart/messages/TeeExceptions.h"
#include "platform/runtime/SysUtils.h"
#include "platform/testing/TestInput.h"

namespace {

// A 400 x 300 chart starts with the rectangle its margins leave: 3 % of
// the width and 4 % of the height on each side.
const TRect StartRect(12, 12, 388, 288);

struct ChartLayout : ::testing::Test {
    ChartLayout() {
        chart->SetAxisVisible(false);
        canvas = new TAxisRecordingCanvas(&log);
        chart->SetInternalCanvas(canvas);
    }
    int FontHeight(TFont* Font) {
        chart->FontCanvas(Font);
        return chart->GetCanvas()->FontHeight();
    }
    void AddSeries(int Count) {
        for (int i = 0; i < Count; ++i) on.NewSeries(3)->SetTitle("Series");
    }

    TChartControlOnForm on;
    TChart* chart = on.chart;
    TDrawLog log;
    TAxisRecordingCanvas* canvas;
};

TEST_F(ChartLayout, TitleAndFootTakeTheirLinesAndTheDistanceFromTheChartRectangle) {
    chart->GetLegend()->SetVisible(false);
    on.Paint();
    EXPECT_EQ(chart->GetChartRect(), StartRect) << "a visible title without lines takes nothing";

    chart->GetTitle()->GetText()->Add("Prices");
    chart->GetFoot()->GetText()->Add("first");
    chart->GetFoot()->GetText()->Add("second");
    on.Paint();
    const int title = FontHeight(chart->GetTitle()->GetFont());
    const int foot = FontHeight(chart->GetFoot()->GetFont());
    EXPECT_EQ(chart->GetChartRect().Top, StartRect.Top + title + TeeTitleFootDistance);
    EXPECT_EQ(chart->GetChartRect().Bottom, StartRect.Bottom - 2 * foot - TeeTitleFootDistance);
    EXPECT_EQ(chart->GetFoot()->GetTitleRect().Bottom, StartRect.Bottom);
    EXPECT_TRUE(chart->GetTitle()->Clicked(200, StartRect.Top + 1));
    EXPECT_FALSE(chart->GetTitle()->Clicked(200, StartRect.Top + title + 1));
}

TEST_F(ChartLayout, LegendSpansTheSideItStandsOnBeforeOrAfterTheTitle) {
    AddSeries(2);
    chart->GetTitle()->GetText()->Add("Prices");
    chart->GetLegend()->SetAlignment(laLeft);
    on.Paint();
    const TRect legend = chart->GetLegend()->GetRectLegend();
    EXPECT_EQ(legend.Top, 30) << "10 % of the height down";
    EXPECT_EQ(legend.Left, StartRect.Left + 2);
    // The title is centred over what the legend left; the gap is 3 % of
    // the width the chart had before the legend.
    const int gap = MulDiv(3, StartRect.Width(), 100);
    EXPECT_EQ(chart->GetTitle()->GetTitleRect().Left, legend.Right + gap);

    chart->GetLegend()->SetAlignment(laTop);
    on.Paint();
    const int title = FontHeight(chart->GetTitle()->GetFont());
    EXPECT_EQ(chart->GetLegend()->GetRectLegend().Top, StartRect.Top + title + TeeTitleFootDistance + 2);
}

TEST_F(ChartLayout, RightLegendSampleWidthFollowsTheWidestTextPlusTen) {
    AddSeries(2);
    canvas->FixedTextWidth = 50;
    on.Paint();
    TChartLegend* legend = chart->GetLegend();
    EXPECT_EQ(legend->GetResolvedStyle(), lsSeries);
    EXPECT_EQ(legend->GetColorWidthPixels(), 7) << "Round(60 * 12 %)";
    // Frame and shadow in from the right: text 50 + 2, sample 7 + 4, 4.
    EXPECT_EQ(legend->GetRectLegend().Right, StartRect.Right - 2 - 3);
    EXPECT_EQ(legend->GetRectLegend().Left, 383 - 52 - 11 - 4);
    EXPECT_EQ(chart->GetChartRect().Right, 316 - MulDiv(3, StartRect.Width(), 100));
}

TEST_F(ChartLayout, OneActiveSeriesListsItsValues) {
    on.NewSeries(4);
    on.Paint();
    EXPECT_EQ(chart->GetLegend()->GetResolvedStyle(), lsValues);
    EXPECT_EQ(chart->GetLegend()->TotalLegendItems(), 4);
    EXPECT_EQ(chart->GetLegend()->GetRows(), 4);
}

struct TopLegendCase {
    int maxRows, firstValue, rows, shown;
};

class TopLegend : public ChartLayout, public ::testing::WithParamInterface<TopLegendCase> {};

// Seven items of 50 pixels in a 260-pixel chart fit three to a row.
TEST_P(TopLegend, FillsRowsOfColumnsUpToTheRowLimit) {
    const TopLegendCase c = GetParam();
    chart->SetBounds(0, 0, 260, 300);
    AddSeries(7);
    canvas->FixedTextWidth = 50;
    TChartLegend* legend = chart->GetLegend();
    legend->SetAlignment(laTop);
    legend->SetMaxNumRows(c.maxRows);
    legend->SetFirstValue(c.firstValue);
    int drawn = 0;
    chart->OnGetLegendPos = [&](TCustomChart*, int, int&, int&, int&) { ++drawn; };
    on.Paint();
    EXPECT_EQ(legend->GetColumns(), c.firstValue >= 7 ? 0 : 3);
    EXPECT_EQ(legend->GetRows(), c.rows);
    EXPECT_EQ(drawn, c.shown);
    if (c.shown == 0) {
        EXPECT_EQ(chart->GetChartRect().Top, StartRect.Top) << "no box, no room taken";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TopLegend,
                         ::testing::Values(TopLegendCase{10, 0, 3, 7}, TopLegendCase{2, 0, 2, 6},
                                           TopLegendCase{10, 8, 0, 0}));

TEST_F(ChartLayout, ClickOnALegendItemGivesItsPositionRowByRow) {
    chart->SetBounds(0, 0, 260, 300);
    AddSeries(7);
    canvas->FixedTextWidth = 50;
    chart->GetLegend()->SetAlignment(laTop);
    int clicks = 0;
    chart->OnClickLegend = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++clicks; };
    on.Paint();
    const TRect r = chart->GetLegend()->GetRectLegend();
    const int column = (r.Right - r.Left) / 3;
    const int row = FontHeight(chart->GetLegend()->GetFont());
    const TChartClickedPart second = chart->CalcClickedPart(TPoint(r.Left + 1 + column + column / 2, r.Top + 2));
    EXPECT_EQ(second.Part, cpLegend);
    EXPECT_EQ(second.PointIndex, 1);
    const TChartClickedPart fourth = chart->CalcClickedPart(TPoint(r.Left + 1 + column / 2, r.Top + 2 + row));
    EXPECT_EQ(fourth.PointIndex, 3);
    MouseClick(chart, r.Left + 3, r.Top + 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ChartLayout, LegendSettingsOutsideTheirRangeAreRefused) {
    TChartLegend* legend = chart->GetLegend();
    EXPECT_THROW(legend->SetTopPos(101), LegendException);
    EXPECT_THROW(legend->SetColorWidth(-1), LegendException);
    EXPECT_THROW(legend->SetFirstValue(-1), LegendException);
    EXPECT_EQ(legend->GetTopPos(), 10);
    EXPECT_EQ(legend->GetColorWidth(), 12);
    legend->SetFirstValue(0);
    EXPECT_EQ(legend->GetFirstValue(), 0);
}

TEST(ChartWalls, BackWallFillsOnlyWithAColourOfItsOwn) {
    TChartControlOnForm on;
    on.chart->SetAxisVisible(false);
    on.chart->GetLegend()->SetVisible(false);
    on.chart->SetColor(clSilver);
    on.Paint();
    EXPECT_EQ(SurfacePixel(on.chart, 200, 150), clSilver);
    on.chart->SetBackColor(clYellow);
    on.Paint();
    EXPECT_EQ(SurfacePixel(on.chart, 200, 150), clYellow);
    // The 2-D wall reaches one pixel past the rectangle's right and bottom.
    EXPECT_EQ(SurfacePixel(on.chart, StartRect.Right, 150), clBlack);
    EXPECT_EQ(SurfacePixel(on.chart, StartRect.Right + 1, 150), clSilver);
}

TEST(ChartSeriesList, UpAndDownExchangeNeighboursAndStopAtTheEnds) {
    TChartControlOnForm on;
    TChartSeries* a = on.NewSeries(1);
    TChartSeries* b = on.NewSeries(1);
    on.Paint();
    int paints = 0;
    on.chart->OnAfterDraw = [&](TObject*) { ++paints; };
    on.chart->SeriesUp(a);
    on.chart->SeriesDown(b);
    Application->ProcessMessages();
    EXPECT_EQ(paints, 0);
    on.chart->SeriesDown(a);
    Application->ProcessMessages();
    EXPECT_EQ(on.chart->GetSeries(0), b);
    EXPECT_EQ(paints, 1);
    a->SetActive(false);
    b->SetActive(false);
    EXPECT_EQ(on.chart->GetASeries(), nullptr);
    on.chart->RemoveAllSeries();
    EXPECT_EQ(on.chart->SeriesCount(), 0);
    EXPECT_EQ(a->GetParentChart(), nullptr);
}

TEST(ChartColours, ASeriesColourOrTheChartsOwnIsNotFree) {
    TChartControlOnForm on;
    on.chart->SetColor(clSilver);
    on.NewSeries(1)->SetSeriesColor(clRed);
    EXPECT_FALSE(on.chart->IsFreeSeriesColor(clRed, false));
    EXPECT_FALSE(on.chart->IsFreeSeriesColor(clSilver, true));
    EXPECT_TRUE(on.chart->IsFreeSeriesColor(clSilver, false));
    EXPECT_TRUE(on.chart->IsFreeSeriesColor(clLime, true));
}

}  // namespace
