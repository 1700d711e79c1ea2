// The calculation engine of calculated series: settings, the parent series,
// and the walk over a source by point count or by x range.
#include "chart/functions/TeEngineFunction.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"

namespace {

[[noreturn]] void CannotAdvance() { throw ChartException(TeeMsgText(TeeMsg_FunctionPeriodStep)); }

// A count of points that rounds to none would never move to the next
// group (Round takes 0.5 to 0).
bool CountCanAdvance(double Period) { return Period == 0 || Period > 0.5; }

bool StepMoves(double From, double Period) {
    const double to = From + Period;
    return std::isfinite(to) && to > From;
}

}  // namespace

TTeeFunction::TTeeFunction(TComponent* AOwner) : TComponent(AOwner) {}

TTeeFunction::~TTeeFunction() {
    if (parentSeries_ && parentSeries_->function_ == this) parentSeries_->function_ = nullptr;
}

void TTeeFunction::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TTeeFunction*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    // Stored together: one at a time, a valid pair could pass through an
    // invalid one (a count of 0.3 on the way to a range of 0.3).
    BeginUpdate();
    period_ = source->period_;
    periodStyle_ = source->periodStyle_;
    periodAlign_ = source->periodAlign_;
    EndUpdate();
}

// ---- Settings ----------------------------------------------------------------------------

template <class T>
void TTeeFunction::ChangeSetting(T& Setting, T Value) {
    const T old = std::exchange(Setting, Value);
    try {
        ReCalculate();
    } catch (const ChartException&) {
        Setting = old;
        ReCalculate();
        throw;
    }
}

void TTeeFunction::SetPeriod(double Value) {
    if (!(Value >= 0) || !std::isfinite(Value)) throw ChartException(TeeMsgText(TeeMsg_FunctionPeriod));
    if (periodStyle_ == psNumPoints && !CountCanAdvance(Value)) CannotAdvance();
    if (Value != period_) ChangeSetting(period_, Value);
}

void TTeeFunction::SetPeriodStyle(TFunctionPeriodStyle Value) {
    if (Value == periodStyle_) return;
    if (Value == psNumPoints && !CountCanAdvance(period_)) CannotAdvance();
    ChangeSetting(periodStyle_, Value);
}

void TTeeFunction::SetPeriodAlign(TFunctionPeriodAlign Value) {
    if (Value != periodAlign_) ChangeSetting(periodAlign_, Value);
}

void TTeeFunction::SetParentSeries(TChartSeries* Value) {
    if (Value == parentSeries_) return;
    if (parentSeries_ && parentSeries_->function_ == this) parentSeries_->function_ = nullptr;
    parentSeries_ = Value;
    if (Value) Value->SetFunction(this);
}

void TTeeFunction::EndUpdate() {
    if (!updating_) return;
    updating_ = false;
    ReCalculate();
}

void TTeeFunction::ReCalculate() {
    if (!updating_ && parentSeries_) parentSeries_->CheckDataSource();
}

// ---- Filling the parent ------------------------------------------------------------------

TChartValueList* TTeeFunction::ValueList(TChartSeries* Source) const {
    const AnsiString& name = parentSeries_->MandatoryValueList()->GetValueSource();
    return name.IsEmpty() ? Source->MandatoryValueList() : Source->GetYValueList(name);
}

bool TTeeFunction::SourceValue(TComponent* Source, int ValueIndex, double& Value) const {
    auto* series = dynamic_cast<TChartSeries*>(Source);
    if (!series) return false;
    TChartValueList* list = ValueList(series);
    if (list->Count() <= ValueIndex) return false;
    Value = list->GetValue(ValueIndex);
    return true;
}

void TTeeFunction::AddFunctionXY(bool YMandatorySource, double tmpX, double tmpY) {
    if (!YMandatorySource) std::swap(tmpX, tmpY);
    parentSeries_->AddXY(tmpX, tmpY, AnsiString(), DefaultPointColor);
}

double TTeeFunction::Calculate(TChartSeries*, int, int) { return 0; }

double TTeeFunction::CalculateMany(const std::vector<TComponent*>&, int) { return 0; }

void TTeeFunction::CalculatePeriod(TChartSeries* Source, double tmpX, int FirstIndex, int LastIndex) {
    AddFunctionXY(Source->YMandatory(), tmpX, Calculate(Source, FirstIndex, LastIndex));
}

void TTeeFunction::AddPoints(TChartSeries* Source) {
    if (!Source || !parentSeries_) return;
    // The list along the category axis.
    TChartValueList* xList = Source->YMandatory() ? Source->GetXValues() : Source->GetYValues();
    const std::vector<TComponent*>& sources = parentSeries_->GetDataSources();
    if (sources.size() > 1) {
        for (int t = 0; t < Source->Count(); ++t) {
            double x = xList->GetValue(t), y = CalculateMany(sources, t);
            if (!Source->YMandatory()) std::swap(x, y);
            parentSeries_->AddXY(x, y, Source->GetXLabel(t), DefaultPointColor);
        }
    } else if (Source->Count() > 0) {
        if (period_ == 0)
            CalculateAllPoints(Source, xList);
        else
            CalculateByPeriod(Source, xList);
    }
}

void TTeeFunction::CalculateAllPoints(TChartSeries* Source, TChartValueList* XList) {
    const double v = Calculate(Source, -1, -1);
    const double minX = XList->GetMinValue(), maxX = XList->GetMaxValue();
    if (!parentSeries_->singleFunctionPoint_) {
        // A level line across the source's whole range.
        AddFunctionXY(Source->YMandatory(), minX, v);
        AddFunctionXY(Source->YMandatory(), maxX, v);
        return;
    }
    const double middle = (maxX - minX) * 0.5 + minX;
    if (parentSeries_->YMandatory())
        parentSeries_->AddXY(middle, v, AnsiString(), DefaultPointColor);
    else
        parentSeries_->AddXY(v, middle, AnsiString(), DefaultPointColor);
}

void TTeeFunction::CalculateByPeriod(TChartSeries* Source, TChartValueList* XList) {
    if (periodStyle_ == psNumPoints)
        CalculateByCount(Source, XList);
    else
        CalculateByRange(Source, XList);
}

double TTeeFunction::AlignedX(double PosFirst, double PosLast) const {
    switch (periodAlign_) {
    case paFirst: return PosFirst;
    case paLast: return PosLast;
    default: return (PosFirst + PosLast) * 0.5;
    }
}

void TTeeFunction::CalculateByCount(TChartSeries* Source, TChartValueList* XList) {
    if (!CountCanAdvance(period_)) CannotAdvance();
    const long long count = Source->Count();
    // A period longer than the source completes no group; kept below the
    // integer range so that rounding cannot overflow.
    const long long points = period_ >= static_cast<double>(count + 1) ? count + 1 : Round64(period_);
    // A trailing group shorter than the period adds nothing.
    for (long long first = 0; first + points - 1 < count; first += points) {
        const auto firstIndex = static_cast<int>(first), lastIndex = static_cast<int>(first + points - 1);
        const double x = AlignedX(XList->GetValue(firstIndex), XList->GetValue(lastIndex));
        CalculatePeriod(Source, x, firstIndex, lastIndex);
    }
}

void TTeeFunction::CalculateByRange(TChartSeries* Source, TChartValueList* XList) {
    const int count = Source->Count();
    // The ranges must pass every point: a value that is not a number is never
    // reached, and a step lost in the rounding of large positions never moves.
    // Spacing grows with magnitude, so a step that moves at the largest
    // position the walk can reach moves everywhere below it.
    double largest = 0;
    for (int i = 0; i < count; ++i) {
        const double x = XList->GetValue(i);
        if (!std::isfinite(x)) CannotAdvance();
        largest = std::max(largest, std::fabs(x));
    }
    if (!StepMoves(largest + period_, period_)) CannotAdvance();

    const TDateTimeStep step = FindDateTimeStep(period_);
    const bool dates = XList->GetDateTime();
    double nextX = XList->GetValue(0);
    int first = 0;
    while (first <= count - 1) {
        const double posFirst = nextX;
        TeeDateTimeIncrement(dates, true, nextX, period_, step);
        // Calendar steps fall back to plain addition outside the calendar.
        if (!(nextX > posFirst) || !std::isfinite(nextX)) CannotAdvance();
        const double posLast = nextX - 0.001 * period_;
        int last = first;
        while (last < count - 1 && XList->GetValue(last + 1) < nextX) ++last;
        const double x = AlignedX(posFirst, posLast);
        if (XList->GetValue(first) < nextX) {
            CalculatePeriod(Source, x, first, last);
            first = last + 1;
        } else {
            // A range inside a gap of the data shows as zero; the next round
            // tries the next range.
            AddFunctionXY(Source->YMandatory(), x, 0);
        }
    }
}
