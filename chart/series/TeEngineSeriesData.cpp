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

std::unique_ptr<AnsiString> LabelCell(const AnsiString& Text) {
    return Text.IsEmpty() ? nullptr : std::make_unique<AnsiString>(Text);
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
    const auto at = static_cast<std::size_t>(Index);
    if (at <= colors_.size()) colors_.insert(colors_.begin() + Index, AColor);
    if (at <= labels_.size()) labels_.insert(labels_.begin() + Index, LabelCell(ALabel));
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
    const auto at = static_cast<std::size_t>(ValueIndex);
    if (at < colors_.size()) colors_.erase(colors_.begin() + ValueIndex);
    if (at < labels_.size()) labels_.erase(labels_.begin() + ValueIndex);
    NotifyValue(veDelete, ValueIndex);
    if (active_) Repaint();
}

void TChartSeries::ClearLists() {
    for (int i = 0; i < valuesLists_.GetCount(); ++i) valuesLists_.GetValueList(i)->ClearValues();
    std::vector<TColor>().swap(colors_);
    std::vector<std::unique_ptr<AnsiString>>().swap(labels_);
    const auto capacity = static_cast<std::size_t>(std::max(0, TeeDefaultCapacity));
    colors_.reserve(capacity);
    labels_.reserve(capacity);
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
    const auto a = static_cast<std::size_t>(A), b = static_cast<std::size_t>(B);
    if (a < colors_.size() && b < colors_.size()) std::swap(colors_[a], colors_[b]);
    if (a < labels_.size() && b < labels_.size()) std::swap(labels_[a], labels_[b]);
}

void TChartSeries::SetXValue(int Index, double Value) {
    xValues_->SetValue(Index, Value);
    Repaint();
}

void TChartSeries::SetYValue(int Index, double Value) {
    yValues_->SetValue(Index, Value);
    Repaint();
}

bool TChartSeries::AllPointsNull() const {
    return Count() > 0 && colors_.size() >= static_cast<std::size_t>(Count()) &&
           std::all_of(colors_.begin(), colors_.end(), [](TColor c) { return c == clNone; });
}

double TChartSeries::DrawnLimit(const TChartValueList* List, bool IsMin) const {
    const bool anyNull = std::find(colors_.begin(), colors_.end(), clNone) != colors_.end();
    if (!anyNull) return IsMin ? List->GetMinValue() : List->GetMaxValue();
    double limit = std::numeric_limits<double>::quiet_NaN();
    const int n = std::min(List->Count(), static_cast<int>(colors_.size()));
    for (int i = 0; i < n; ++i) {
        if (colors_[static_cast<std::size_t>(i)] == clNone) continue;
        const double v = List->GetValue(i);
        if (std::isnan(limit) || (IsMin ? v < limit : v > limit)) limit = v;
    }
    return limit;
}

// ---- Labels and colours ------------------------------------------------------------------

AnsiString TChartSeries::GetXLabel(int Index) const {
    if (Index < 0 || static_cast<std::size_t>(Index) >= labels_.size()) return AnsiString();
    const auto& cell = labels_[static_cast<std::size_t>(Index)];
    return cell ? *cell : AnsiString();
}

void TChartSeries::SetXLabel(int Index, const AnsiString& Value) {
    if (Index < 0 || static_cast<std::size_t>(Index) >= labels_.size()) IndexError(Index);
    labels_[static_cast<std::size_t>(Index)] = LabelCell(Value);
    Repaint();
}

bool TChartSeries::HasLabels() const {
    return std::any_of(labels_.begin(), labels_.end(), [](const auto& cell) { return cell != nullptr; });
}

TColor TChartSeries::GetValueColor(int Index) const {
    if (Index >= 0 && static_cast<std::size_t>(Index) < colors_.size()) {
        const TColor c = colors_[static_cast<std::size_t>(Index)];
        if (c != DefaultPointColor) return c;
        if (colorEachPoint_) return GetDefaultColor(Index);
    }
    return seriesColor_;
}

void TChartSeries::SetValueColor(int Index, TColor Value) {
    if (Index < 0 || static_cast<std::size_t>(Index) >= colors_.size()) IndexError(Index);
    colors_[static_cast<std::size_t>(Index)] = Value;
    Repaint();
}

void TChartSeries::ColorRange(TChartValueList* AValueList, double FromValue, double ToValue, TColor AColor) {
    const int n = std::min(AValueList->Count(), static_cast<int>(colors_.size()));
    for (int i = 0; i < n; ++i) {
        const double v = AValueList->GetValue(i);
        if (v >= FromValue && v <= ToValue) colors_[static_cast<std::size_t>(i)] = AColor;
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
