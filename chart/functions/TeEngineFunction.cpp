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
#include "platform/controls/Forms.h"

namespace {

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
    // Checked and stored together: one at a time, a valid pair could pass
    // through an invalid one (a count of 0.3 on the way to a range of 0.3).
    CheckSettings(source->period_, source->periodStyle_, parentSeries_);
    BeginUpdate();
    period_ = source->period_;
    periodStyle_ = source->periodStyle_;
    periodAlign_ = source->periodAlign_;
    EndUpdate();
}

// ---- Settings ----------------------------------------------------------------------------

bool TTeeFunction::CanAdvance(double Period, TFunctionPeriodStyle Style, TChartSeries* Source) const {
    if (Period == 0) return true;
    if (Style == psNumPoints) return CountCanAdvance(Period);
    if (!Source) return true;
    // The ranges must pass every point: a position that is not a number is
    // never reached, and a step lost in the rounding of large positions
    // never moves. Spacing grows with magnitude, so a step that moves at the
    // largest position the walk can reach moves everywhere below it.
    TChartValueList* xList = Source->YMandatory() ? Source->GetXValues() : Source->GetYValues();
    double largest = 0;
    for (int i = 0; i < xList->Count(); ++i) {
        const double x = xList->GetValue(i);
        if (!std::isfinite(x)) return false;
        largest = std::max(largest, std::fabs(x));
    }
    return StepMoves(largest + Period, Period);
}

void TTeeFunction::CheckSettings(double Period, TFunctionPeriodStyle Style, const TChartSeries* Series) const {
    if (!(Period >= 0) || !std::isfinite(Period)) throw ChartException(TeeMsgText(TeeMsg_FunctionPeriod));
    // A single source is walked by periods; several are combined point by point.
    TChartSeries* source = nullptr;
    if (Series && Series->GetDataSources().size() == 1) source = dynamic_cast<TChartSeries*>(Series->GetDataSource());
    if (!CanAdvance(Period, Style, source)) throw ChartException(TeeMsgText(TeeMsg_FunctionPeriodStep));
}

void TTeeFunction::SetPeriod(double Value) {
    if (Value == period_) return;
    CheckSettings(Value, periodStyle_, parentSeries_);
    period_ = Value;
    ReCalculate();
}

void TTeeFunction::SetPeriodStyle(TFunctionPeriodStyle Value) {
    if (Value == periodStyle_) return;
    CheckSettings(period_, Value, parentSeries_);
    periodStyle_ = Value;
    ReCalculate();
}

void TTeeFunction::SetPeriodAlign(TFunctionPeriodAlign Value) {
    if (TeeStoreChanged(periodAlign_, Value)) ReCalculate();
}

void TTeeFunction::SetParentSeries(TChartSeries* Value) {
    if (Value == parentSeries_) return;
    // Refused before the old parent is left.
    if (Value) CheckSettings(period_, periodStyle_, Value);
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
        else if (!CanAdvance(period_, periodStyle_, Source) || !CalculateByPeriod(Source, xList)) {
            // The source's values leave the period nowhere to go: no points.
            ReportRefusal();
            return;
        }
    }
    refusalReported_ = false;
}

void TTeeFunction::ReportRefusal() {
    parentSeries_->Clear();
    // Once, and through the application, not out of whatever changed the
    // source: that change itself is sound.
    if (std::exchange(refusalReported_, true)) return;
    try {
        throw ChartException(TeeMsgText(TeeMsg_FunctionPeriodStep));
    } catch (const ChartException&) {
        Application->HandleException(this);
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

bool TTeeFunction::CalculateByPeriod(TChartSeries* Source, TChartValueList* XList) {
    if (periodStyle_ == psNumPoints) {
        CalculateByCount(Source, XList);
        return true;
    }
    return CalculateByRange(Source, XList);
}

double TTeeFunction::AlignedX(double PosFirst, double PosLast) const {
    switch (periodAlign_) {
    case paFirst: return PosFirst;
    case paLast: return PosLast;
    default: return (PosFirst + PosLast) * 0.5;
    }
}

void TTeeFunction::CalculateByCount(TChartSeries* Source, TChartValueList* XList) {
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

bool TTeeFunction::CalculateByRange(TChartSeries* Source, TChartValueList* XList) {
    const int count = Source->Count();
    const TDateTimeStep step = FindDateTimeStep(period_);
    const bool dates = XList->GetDateTime();
    double nextX = XList->GetValue(0);
    int first = 0;
    while (first <= count - 1) {
        const double posFirst = nextX;
        TeeDateTimeIncrement(dates, true, nextX, period_, step);
        // Calendar steps fall back to plain addition outside the calendar.
        if (!(nextX > posFirst) || !std::isfinite(nextX)) return false;
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
    return true;
}
