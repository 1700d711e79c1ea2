// Create Analysis: the chart of the window chosen on the Analysis tab, its
// price series, the indicator asked for with its parameters, and the volume
// bars where the indicator leaves the lower pane free.
#include "app/diagram/analysis.h"
#include "app/dialogs/enterdays.h"
#include "app/dialogs/enterdays2.h"
#include "app/dialogs/enterdays3.h"
#include "app/dialogs/enterdays4.h"
#include "app/indicators/expmovingaverage.h"
#include "app/indicators/indicatorframe.h"
#include "app/mainwindow/quotes.h"
#include "app/mainwindow/zrmain.h"
#include "chart/control/Chart.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"

namespace {

enum AnalysisType {
    atMovingAverage, atExpMovingAverage, atMacd, atMomentum, atStochastic, atParabolicSar, atRsi,
    atBollingerBands, atPriceOscillator, atHistoricalVolatility, atNoAnalysis
};

// Asks a one-period dialog for the indicator named Name.
void AskDays(const char* Name) {
    fEnterDays->Edit1->SetText("");
    fEnterDays->Label2->SetCaption(Name);
    fEnterDays->ShowModal();
}

void SayDaysOutOfRange() {
    OriginalForm1->SeSkinMessage1->MessageDlg(AnsiString(IndicatorDaysMessage), mtError, TMsgDlgButtons{mbOK}, 0);
}

// False, after the range message, when a day count lies outside 1 to 4000.
bool DaysInRange(std::initializer_list<int> Days) {
    for (int days : Days)
        if (!indicatorDaysInRange(days)) {
            SayDaysOutOfRange();
            return false;
        }
    return true;
}

// Runs the analysis at Index of the combo; true when the volume bars follow it.
bool RunAnalysis(int Index) {
    TOriginalForm1& form = *OriginalForm1;
    switch (Index) {
    case atMovingAverage:
        AskDays("Moving Average:");
        if (DaysInRange({form.Days1})) calcMovingAverage(form.Days1);
        return true;
    case atExpMovingAverage:
        AskDays("Exponential Moving Average:");
        // Any positive count is taken: the average keeps no table of days.
        if (expMovingAverageDaysValid(form.Days1))
            calcExpMovingAverage(form.Days1);
        else
            SayDaysOutOfRange();
        return true;
    case atMacd: calcMACD(); return false;
    case atMomentum:
        AskDays("Momentum:");
        if (DaysInRange({form.Days1})) calcMomentum(form.Days1);
        return false;
    case atStochastic:
        for (TSeSkinEdit* edit : {fEnterDays2->SeSkinEdit1, fEnterDays2->SeSkinEdit2, fEnterDays2->SeSkinEdit3})
            edit->SetText("");
        fEnterDays2->ShowModal();
        if (DaysInRange({form.Days1, form.Days2, form.Days3})) calcStochastic(form.Days1, form.Days2, form.Days3);
        return false;
    case atParabolicSar: calcParabolicSAR(); return true;
    case atRsi:
        AskDays("RSI:");
        if (DaysInRange({form.Days1})) calcRSI(form.Days1);
        return false;
    case atBollingerBands:
        AskDays("Bollinger Bands:");
        if (DaysInRange({form.Days1})) calcBollingerBands(form.Days1);
        return true;
    case atPriceOscillator:
        fEnterDays3->SeSkinEdit1->SetText("");
        fEnterDays3->SeSkinEdit2->SetText("");
        fEnterDays3->ShowModal();
        if (DaysInRange({form.Days1, form.Days2})) calcPriceOscillator(form.Days1, form.Days2, form.AsPercentages);
        return false;
    case atHistoricalVolatility:
        fEnterDays4->SeSkinEdit1->SetText("");
        fEnterDays4->ShowModal();
        if (DaysInRange({form.Days1})) calcHistoricalVolatility(form.Days1, form.VolatilityPeriod);
        return false;
    default: return true;
    }
}

}  // namespace

void TOriginalForm1::BtCreateAnalysisClick(TObject*) {
    if (!BtCreateAnalysis->GetEnabled()) return;
    if (EndDateCombo->GetItemIndex() < StartDateCombo->GetItemIndex()) {
        SeSkinMessage1->MessageDlg("You must choose succesive dates.\nPlease try again.", mtError, TMsgDlgButtons{mbOK},
                                   0);
        return;
    }
    BigChart->UndoZoom();
    resetQuoteChart(*this);
    findChosenDates(*this);
    static const char* const prices[] = {"open", "high", "low", "close"};
    const int quoteType = QuoteTypeCombo->GetItemIndex();
    if (quoteType >= 0 && quoteType < 4) {
        PriceKind = prices[quoteType];
        drawPriceLine();
    } else {
        drawCandlesticks();
    }
    if (RunAnalysis(AnalysisTypeCombo->GetItemIndex())) drawVolume();
    PageControl1->SetActivePage(TabSheet7);
}
