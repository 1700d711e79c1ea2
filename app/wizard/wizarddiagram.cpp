#include "app/wizard/wizarddiagram.h"

#include <algorithm>
#include <span>

#include "app/wizard/wizard.h"
#include "app/mainwindow/zrmain.h"
#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"

TWizardDiagram wizardDiagram(const linkedList& Quotes) {
    const std::span<const QuoteRecord> records = Quotes.Records();
    const int count = static_cast<int>(records.size());
    const int oldest = std::min(WizardDiagramQuotes, count) - 1;  // the range's oldest quote
    TWizardDiagram diagram;
    diagram.Title = Quotes.HeaderSymbol;
    for (int i = oldest; i >= 0; --i) {
        diagram.Close.push_back(records[i].Close);
        diagram.Volume.push_back(static_cast<double>(records[i].Volume));
    }
    // Each average of LongAdvicePeriod closes ends on its quote; a running
    // sum slides one quote newer at a time.
    if (count > LongAdvicePeriod) {
        const int first = std::min(oldest, count - LongAdvicePeriod);  // the oldest quote with an average
        for (int i = oldest; i > first; --i) diagram.MovingAverage.push_back(std::nullopt);
        double sum = 0;
        for (int i = first; i < first + LongAdvicePeriod; ++i) sum += records[i].Close;
        diagram.MovingAverage.push_back(sum / LongAdvicePeriod);
        for (int i = first - 1; i >= 0; --i) {
            sum += records[i].Close - records[i + LongAdvicePeriod].Close;
            diagram.MovingAverage.push_back(sum / LongAdvicePeriod);
        }
    }
    // The exponential average is seeded with up to ShortAdvicePeriod quotes
    // older than the range, so that it has a value all along when the file
    // has them; quotes of the range inside the seed have none.
    if (count > ShortAdvicePeriod + 1) {
        const int seedStart = oldest + std::min(ShortAdvicePeriod, count - 1 - oldest);
        const int firstValue = seedStart - ShortAdvicePeriod;
        const double alpha = 2.0 / (ShortAdvicePeriod + 1);
        double ema = 0;
        for (int i = seedStart; i > firstValue; --i) ema += records[i].Close;
        ema /= ShortAdvicePeriod;
        for (int i = oldest; i > firstValue; --i) diagram.ExpMovingAverage.push_back(std::nullopt);
        for (int i = firstValue; i >= 0; --i) {
            ema += (records[i].Close - ema) * alpha;
            if (i <= oldest) diagram.ExpMovingAverage.push_back(ema);
        }
    }
    return diagram;
}

namespace {

constexpr TColor kPriceColor = TColor(0xFF8000);

void Show(TChartSeries* Series, const AnsiString& Title, TColor Color) {
    Series->SetTitle(Title);
    Series->SetSeriesColor(Color);
    Series->SetShowInLegend(true);
}

void Fill(TChartSeries* Series, const std::vector<double>& Values) {
    for (double value : Values) Series->Add(value, AnsiString(), Series->GetSeriesColor());
}

void Fill(TChartSeries* Series, const std::vector<std::optional<double>>& Values) {
    for (const std::optional<double>& value : Values)
        if (value)
            Series->Add(*value, AnsiString(), Series->GetSeriesColor());
        else
            Series->AddNull();
}

// An average's line, or its message when the file is too short for it.
void DrawAverage(TOriginalForm1& Form, TChartSeries* Series, const AnsiString& Title, TColor Color,
                 const std::vector<std::optional<double>>& Values, const char* TooFew) {
    Show(Series, Title, Color);
    if (Values.empty())
        Form.SeSkinMessage1->MessageDlg(TooFew, mtInformation, TMsgDlgButtons{mbOK}, 0);
    else
        Fill(Series, Values);
}

}  // namespace

bool showWizardDiagram(TOriginalForm1& Form, const AnsiString& Path) {
    if (!loadWizardQuotes(Form, Path)) return false;
    Form.WizardDiagram = wizardDiagram(WizardQuotes);
    const TWizardDiagram& diagram = Form.WizardDiagram;
    Form.ResetBigChart(diagram.Title);
    Form.PriceAxis->GetTitle()->SetCaption("Price");
    Show(Form.Series10, "Close", kPriceColor);
    Fill(Form.Series10, diagram.Close);
    Form.BigChart->GetLeftAxis()->GetTitle()->SetCaption("Volume");
    Show(Form.Series4, "Volume", kPriceColor);
    Fill(Form.Series4, diagram.Volume);
    DrawAverage(Form, Form.Series11, IntToStr(LongAdvicePeriod) + "-Day Moving Average", clRed, diagram.MovingAverage,
                "There are not enough quotes to calculate the Moving Average.");
    DrawAverage(Form, Form.Series12, IntToStr(ShortAdvicePeriod) + "-Day Exponential Moving Average", clLime,
                diagram.ExpMovingAverage, "There are not enough quotes to calculate the Exponential Moving Average.");
    Form.PageControl1->SetActivePage(Form.TabSheet7);
    return true;
}
