// A series' points: adding, deleting, clearing and exchanging them, their
// colours and labels, and sample values.
#include "chart/series/TeEngineSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

namespace {

[[noreturn]] void IndexError(int Index) {
    throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
}

}  // namespace

// ---- Adding ------------------------------------------------------------------------------

int TChartSeries::Add(double Value, const AnsiString& ALabel, TColor AColor) {
    return YMandatory() ? AddY(Value, ALabel, AColor) : AddX(Value, ALabel, AColor);
}

int TChartSeries::AddX(double Value, const AnsiString& ALabel, TColor AColor) {
    return AddXY(Value, xValues_->Count(), ALabel, AColor);
}

int TChartSeries::AddY(double Value, const AnsiString& ALabel, TColor AColor) {
    return AddXY(xValues_->Count(), Value, ALabel, AColor);
}

int TChartSeries::AddNull(const AnsiString& ALabel) { return Add(0, ALabel, clNone); }

int TChartSeries::AddNullXY(double X, double Y, const AnsiString& ALabel) { return AddXY(X, Y, ALabel, clNone); }

int TChartSeries::AddXY(double AXValue, double AYValue, const AnsiString& ALabel, TColor AColor) {
    // Set before the event, which may read and change them.
    xValues_->TempValue = AXValue;
    yValues_->TempValue = AYValue;
    if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
    const int pos = xValues_->AddChartValue(xValues_->TempValue);
    yValues_->InsertChartValue(pos, yValues_->TempValue);
    InsertPoint(pos, ALabel, AColor);
    NotifyNewValue(this, pos);
    return pos;
}

int TChartSeries::AddArray(std::span<const double> Values) {
    for (double v : Values) Add(v);
    RefreshSeries();
    return static_cast<int>(Values.size());
}

void TChartSeries::InsertPoint(int Index, const AnsiString& ALabel, TColor AColor) {
    colors_.Insert(Index);
    labels_.Insert(Index);
    SetOwnColor(Index, AColor);
    if (!ALabel.IsEmpty()) labels_.Set(Index, ALabel);
}

void TChartSeries::SetOwnColor(int Index, TColor Value) {
    const TColor old = OwnColor(Index);
    nullCount_ += (Value == clNone) - (old == clNone);
    if (Value == DefaultPointColor)
        colors_.Remove(Index);
    else
        colors_.Set(Index, Value);
}

void TChartSeries::AddValue(int ValueIndex) {
    for (int i = 2; i < valuesLists_.GetCount(); ++i) {
        TChartValueList* list = valuesLists_.GetValueList(i);
        list->InsertChartValue(ValueIndex, list->TempValue);
    }
}

void TChartSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
    if (OnAfterAdd) OnAfterAdd(Sender, ValueIndex);
    NotifyValue(veAdd, ValueIndex);
    // A request only: many points added in one go are painted once.
    if (active_) Repaint();
}

// ---- Removing -----------------------------------------------------------------------------

void TChartSeries::Delete(int ValueIndex) {
    if (ValueIndex < 0 || ValueIndex >= Count()) IndexError(ValueIndex);
    for (int i = 0; i < valuesLists_.GetCount(); ++i) valuesLists_.GetValueList(i)->Delete(ValueIndex);
    SetOwnColor(ValueIndex, DefaultPointColor);
    colors_.Delete(ValueIndex);
    labels_.Delete(ValueIndex);
    NotifyValue(veDelete, ValueIndex);
    if (active_) Repaint();
}

void TChartSeries::ClearLists() {
    for (int i = 0; i < valuesLists_.GetCount(); ++i) valuesLists_.GetValueList(i)->ClearValues();
    colors_.Clear();
    labels_.Clear();
    nullCount_ = 0;
}

void TChartSeries::Clear() {
    ClearLists();
    marks_->ClearPositions();
    if (OnClearValues) OnClearValues(this);
    NotifyValue(veClear, 0);
    if (active_ && parentChart_ && !parentChart_->GetComponentState().Contains(csDestroying)) Repaint();
}

void TChartSeries::SwapValueIndex(int A, int B) {
    for (int i = 0; i < valuesLists_.GetCount(); ++i) valuesLists_.GetValueList(i)->Exchange(A, B);
    colors_.Swap(A, B);
    labels_.Swap(A, B);
}

void TChartSeries::SetXValue(int Index, double Value) {
    xValues_->SetValue(Index, Value);
    Repaint();
}

void TChartSeries::SetYValue(int Index, double Value) {
    yValues_->SetValue(Index, Value);
    Repaint();
}

bool TChartSeries::AllPointsNull() const { return Count() > 0 && nullCount_ == Count(); }

double TChartSeries::DrawnLimit(const TChartValueList* List, bool IsMin) const {
    if (nullCount_ == 0 && seriesColor_ != clNone) return IsMin ? List->GetMinValue() : List->GetMaxValue();
    double limit = std::numeric_limits<double>::quiet_NaN();
    const int n = std::min(List->Count(), Count());
    for (int i = 0; i < n; ++i) {
        if (IsNull(i)) continue;
        const double v = List->GetValue(i);
        if (std::isnan(limit) || (IsMin ? v < limit : v > limit)) limit = v;
    }
    return limit;
}

// ---- Labels and colours ------------------------------------------------------------------

AnsiString TChartSeries::GetXLabel(int Index) const {
    const AnsiString* label = labels_.Find(Index);
    return label ? *label : AnsiString();
}

void TChartSeries::SetXLabel(int Index, const AnsiString& Value) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    if (Value.IsEmpty())
        labels_.Remove(Index);
    else
        labels_.Set(Index, Value);
    Repaint();
}

TColor TChartSeries::GetValueColor(int Index) const {
    if (Index >= 0 && Index < Count()) {
        const TColor c = OwnColor(Index);
        if (c != DefaultPointColor) return c;
        if (colorEachPoint_) return GetDefaultColor(Index);
    }
    return seriesColor_;
}

void TChartSeries::SetValueColor(int Index, TColor Value) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    SetOwnColor(Index, Value);
    Repaint();
}

void TChartSeries::ColorRange(TChartValueList* AValueList, double FromValue, double ToValue, TColor AColor) {
    const int n = std::min(AValueList->Count(), Count());
    for (int i = 0; i < n; ++i) {
        const double v = AValueList->GetValue(i);
        if (v >= FromValue && v <= ToValue) SetOwnColor(i, AColor);
    }
    Repaint();
}

// ---- Sample values ------------------------------------------------------------------------

namespace {

// Equal limits are widened by their own size (zero ones by Fallback), so a
// range is never empty nor reversed, whatever the sign of the values.
void WidenEqualLimits(double Min, double& Max, double Fallback) {
    if (Min != Max) return;
    Max = Min == 0 ? Fallback : Min + std::fabs(Min);
}

}  // namespace

void TChartSeries::CalcRandomBounds(int NumValues, double& tmpX, double& StepX, double& tmpY, double& MinY,
                                    double& DifY) {
    double minX = 0, maxX = 0, maxY = 0;
    if (parentChart_ && parentChart_->GetMaxValuesCount() > 0) {
        MinY = parentChart_->MinYValue(verticalAxis_);
        maxY = parentChart_->MaxYValue(verticalAxis_);
        WidenEqualLimits(MinY, maxY, 1000);
        minX = parentChart_->MinXValue(horizontalAxis_);
        maxX = parentChart_->MaxXValue(horizontalAxis_);
        WidenEqualLimits(minX, maxX, NumValues);
    } else {
        MinY = 0;
        maxY = 1000;
        minX = xValues_->GetDateTime() ? std::floor(Now()) : 0;
        maxX = minX + NumValues - 1;
    }
    StepX = NumValues > 1 ? (maxX - minX) / (NumValues - 1) : maxX - minX;
    constexpr double intLimit = 2147483647.0;
    DifY = std::clamp(maxY - MinY, -intLimit, intLimit);
    tmpY = MinY + Random(Round(DifY));
    tmpX = minX;
}

void TChartSeries::FillSamplesWith(int NumValues,
                                   const std::function<void(double X, TSampleBounds& Bounds)>& AddPoint) {
    if (NumValues <= 0) throw ChartException(TeeMsgText(TeeMsg_FillSample));
    Clear();
    TSampleBounds bounds;
    CalcRandomBounds(NumValues, bounds.X, bounds.StepX, bounds.Y, bounds.MinY, bounds.DifY);
    TCustomAxisPanel* chart = parentChart_;
    const bool oldAutoRepaint = chart && chart->GetAutoRepaint();
    if (chart) chart->SetAutoRepaint(false);
    double x = bounds.X;
    for (int i = 0; i < NumValues; ++i) {
        AddPoint(x, bounds);
        x += bounds.StepX;
    }
    if (chart) chart->SetAutoRepaint(oldAutoRepaint);
    RefreshSeries();
    // The requests made while the chart was not repainting were dropped.
    Repaint();
}

// A random walk whose steps are up to a quarter of the range.
void TChartSeries::FillSampleValues(int NumValues) {
    FillSamplesWith(NumValues, [this](double X, TSampleBounds& Bounds) {
        const int s = Round(Bounds.DifY) / 4;
        Bounds.Y = std::fabs(Bounds.Y + Random(s) - s / 2);
        AddXY(X, Bounds.Y);
    });
}
