// Quotes as four value lists beside the dates: adding them in date order,
// their value limits and the sample quotes.
#include "chart/seriestypes/OhlChart.h"

#include <algorithm>
#include <cmath>

#include "chart/messages/TeeProCo.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "platform/runtime/SysUtils.h"

TOHLCSeries::TOHLCSeries(TComponent* AOwner)
    : TCustomSeries(AOwner),
      highValues_(new TChartValueList(this, TeeMsgText(TeeMsg_ValuesHigh))),
      lowValues_(new TChartValueList(this, TeeMsgText(TeeMsg_ValuesLow))),
      closeValues_(new TChartValueList(this, TeeMsgText(TeeMsg_ValuesClose))) {
    GetXValues()->SetName(TeeMsgText(TeeMsg_ValuesDate));
    GetXValues()->SetDateTime(true);
    GetYValues()->SetName(TeeMsgText(TeeMsg_ValuesOpen));
}

void TOHLCSeries::SetValueList(TChartValueList* List, TChartValueList* Value) {
    List->Assign(Value);
    Repaint();
}

int TOHLCSeries::AddOHLC(double ADate, double AOpen, double AHigh, double ALow, double AClose) {
    highValues_->TempValue = AHigh;
    lowValues_->TempValue = ALow;
    closeValues_->TempValue = AClose;
    // The pending values go in at the date's index before anyone is told
    // of the new quote (NotifyNewValue).
    return AddXY(ADate, AOpen);
}

void TOHLCSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
    // A point added through AddXY has reached the date and open lists only:
    // the further lists take their pending values at the same index, so an
    // OnAfterAdd handler, a linked series or a paint never sees them short.
    if (closeValues_->Count() < Count()) {
        AddValue(ValueIndex);
        // Consumed: a later plain AddXY gets zeros, not this quote's values.
        for (TChartValueList* list : {highValues_, lowValues_, closeValues_}) ClearTempValue(list);
    }
    TCustomSeries::NotifyNewValue(Sender, ValueIndex);
}

double TOHLCSeries::MaxYValue() const { return QuoteLimit(false); }

double TOHLCSeries::MinYValue() const { return QuoteLimit(true); }

double TOHLCSeries::QuoteLimit(bool IsMin) const {
    double limit = TCustomSeries::MaxYValue();
    if (IsMin) limit = TCustomSeries::MinYValue();
    for (const TChartValueList* list : {highValues_, lowValues_, closeValues_}) {
        const double v = DrawnLimit(list, IsMin);
        // NaN (no quote drawn) never wins.
        if (std::isnan(limit) || (IsMin ? v < limit : v > limit)) limit = v;
    }
    return limit;
}

bool TOHLCSeries::IsValidSourceOf(TChartSeries* Value) const {
    return Value != this && dynamic_cast<TOHLCSeries*>(Value) != nullptr;
}

void TOHLCSeries::GetRandomOHLC(double AOpen, double& AClose, double& AHigh, double& ALow, double Range) {
    const int spread = std::abs(Round(Range / 400));
    AClose = AOpen + Random(Round(Range / 25)) - Range / 50;
    const double wick = 3 * Round(std::fabs(AClose - AOpen) / 10);
    if (AClose > AOpen) {
        AHigh = AClose + wick + Random(spread);
        ALow = AOpen - wick - Random(spread);
    } else {
        AHigh = AOpen + wick + Random(spread);
        ALow = AClose - wick - Random(spread);
    }
}

void TOHLCSeries::FillSampleValues(int NumValues) {
    bool first = true;
    double open = 0;
    FillSamplesWith(NumValues, [&](double X, TSampleBounds& Bounds) {
        if (first) open = Bounds.MinY + Random(Round(Bounds.DifY));
        first = false;
        double close = 0, high = 0, low = 0;
        GetRandomOHLC(open, close, high, low, Bounds.DifY);
        AddOHLC(X, open, high, low, close);
        open = Random(10) + close - 5;
    });
}
