// The chart of the Diagram page: its look and its twelve series, and the
// two panes stacked on its plotting rectangle, prices over volume.
#include "app/mainwindow/zrmain.h"

#include <array>

#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "chart/control/ChartLegend.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "skin/engine/KsSkinPages.h"

namespace {

// A light grey-blue behind the plot and the legend.
constexpr TColor kChartBack = TColor(14150122);

template <class T>
T* MakeSeries(TOriginalForm1* Form, TChart* Chart, const char* Name, TColor Color) {
    auto* series = new T(Form);
    series->SetName(Name);
    series->SetParentChart(Chart);
    series->SetSeriesColor(Color);
    series->GetMarks()->SetVisible(false);
    series->SetShowInLegend(false);
    return series;
}

// The line series draw their lines only, without a mark at each point.
TLineSeries* MakeLine(TOriginalForm1* Form, TChart* Chart, const char* Name, TColor Color) {
    TLineSeries* series = MakeSeries<TLineSeries>(Form, Chart, Name, Color);
    series->GetPointer()->SetVisible(false);
    return series;
}

void SetAxisTitleFont(TChartAxis* Axis) {
    TFont* font = Axis->GetTitle()->GetFont();
    font->SetName("Tahoma");
    font->SetSize(8);
    font->SetColor(clBlack);
}

}  // namespace

void TOriginalForm1::CreateDiagramChart() {
    BigChart = new TChart(this);
    BigChart->SetName("BigChart");
    BigChart->SetParent(TabSheet7);
    BigChart->SetAlign(alClient);
    BigChart->SetView3D(false);
    BigChart->SetColor(clWhite);
    BigChart->GetBackWall()->SetColor(kChartBack);
    BigChart->GetBackWall()->GetBrush()->SetColor(clWhite);
    TChartLegend* legend = BigChart->GetLegend();
    legend->SetAlignment(laBottom);
    legend->SetColor(kChartBack);
    legend->GetDividingLines()->SetColor(clGray);
    legend->GetDividingLines()->SetVisible(true);
    legend->SetShadowSize(0);
    BigChart->GetTitle()->GetFont()->SetName("Tahoma");
    BigChart->GetTitle()->GetText()->Clear();
    BigChart->GetTitle()->GetText()->Add("");
    BigChart->OnZoom = TNotifyEvent(this, &TOriginalForm1::BigChartZoom);
    BigChart->OnUndoZoom = TNotifyEvent(this, &TOriginalForm1::BigChartUndoZoom);
    BigChart->OnAfterDraw = TNotifyEvent(this, &TOriginalForm1::BigChartAfterDraw);
    BigChart->OnBeforeDrawAxes = TNotifyEvent(this, &TOriginalForm1::BigChartBeforeDrawAxes);
    BigChart->OnMouseDown = TMouseEvent(this, &TOriginalForm1::BigChartMouseDown);
    BigChart->OnMouseMove = TMouseMoveEvent(this, &TOriginalForm1::BigChartMouseMove);
    BigChart->OnMouseUp = TMouseEvent(this, &TOriginalForm1::BigChartMouseUp);

    Series1 = MakeLine(this, BigChart, "Series1", clRed);
    Series2 = MakeSeries<TCandleSeries>(this, BigChart, "Series2", clGreen);
    Series2->SetCandleWidth(4);
    Series2->SetUpCloseColor(TColor(10354599));
    Series2->SetDownCloseColor(TColor(7961087));
    Series2->SetDark3D(false);
    Series3 = MakeLine(this, BigChart, "Series3", clYellow);
    Series4 = MakeSeries<TBarSeries>(this, BigChart, "Series4", clBlack);
    Series4->GetYValues()->SetName("Bar");
    Series5 = MakeLine(this, BigChart, "Series5", clBlue);
    Series6 = MakeLine(this, BigChart, "Series6", clGray);
    Series7 = MakeLine(this, BigChart, "Series7", clFuchsia);
    Series8 = MakeLine(this, BigChart, "Series8", clTeal);
    Series9 = MakeSeries<TPointSeries>(this, BigChart, "Series9", clNavy);
    Series9->GetPointer()->SetStyle(psDiagCross);
    Series9->GetPointer()->SetHorizSize(1);
    Series9->GetPointer()->SetVertSize(1);
    Series10 = MakeLine(this, BigChart, "Series10", clMaroon);
    Series11 = MakeLine(this, BigChart, "Series11", clLime);
    Series12 = MakeLine(this, BigChart, "Series12", clOlive);
}

void TOriginalForm1::SetUpBigChart() {
    SetAxisTitleFont(BigChart->GetLeftAxis());
    PriceAxis = new TChartAxis(BigChart);
    PriceAxis->GetTitle()->SetAngle(90);
    SetAxisTitleFont(PriceAxis);
    for (TChartSeries* series : {static_cast<TChartSeries*>(Series1), static_cast<TChartSeries*>(Series2),
                                 static_cast<TChartSeries*>(Series3), static_cast<TChartSeries*>(Series9),
                                 static_cast<TChartSeries*>(Series10), static_cast<TChartSeries*>(Series11),
                                 static_cast<TChartSeries*>(Series12)})
        series->SetCustomVertAxis(PriceAxis);
    // Prices over the top half of the plot, volume and oscillators under it.
    PriceAxis->SetPositionPercent(0);
    PriceAxis->SetStartPosition(0);
    PriceAxis->SetEndPosition(49);
    BigChart->GetLeftAxis()->SetStartPosition(50);
    BigChart->GetLeftAxis()->SetEndPosition(100);
}

void TOriginalForm1::ResetBigChart(const AnsiString& Title) {
    TStrings* text = BigChart->GetTitle()->GetText();
    text->Clear();
    text->Add(Title);
    BigChart->GetTitle()->Repaint();
    const std::array<TChartSeries*, 12> series = {Series1, Series2, Series3, Series4,  Series5,  Series6,
                                                  Series7, Series8, Series9, Series10, Series11, Series12};
    for (TChartSeries* each : series) {
        each->Clear();
        each->SetShowInLegend(false);
    }
}
