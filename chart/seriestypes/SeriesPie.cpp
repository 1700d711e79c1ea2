// The pie series' data: exploded slices, the "Other" slice that gathers
// small values, the slices' angles and the legend without gathered points.
#include "chart/seriestypes/SeriesPie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "chart/axis/TeEngineAxis.h"
#include "chart/messages/TeeConst.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

// The chart paints nothing new while the pie rebuilds its points inside a
// paint: the paint under way shows them already.
class TQuietChart {
public:
    explicit TQuietChart(TCustomAxisPanel* AChart) : chart_(AChart), was_(AChart && AChart->GetAutoRepaint()) {
        if (chart_) chart_->SetAutoRepaint(false);
    }
    ~TQuietChart() {
        if (chart_) chart_->SetAutoRepaint(was_);
    }
    TQuietChart(const TQuietChart&) = delete;
    TQuietChart& operator=(const TQuietChart&) = delete;

private:
    TCustomAxisPanel* chart_;
    bool was_;
};

}  // namespace

// ---- Exploded slices and the "Other" slice ----------------------------------------------

int TExplodedSlices::GetValue(int Index) const {
    return Index >= 0 && Index < Count() ? values_[static_cast<std::size_t>(Index)] : 0;
}

void TExplodedSlices::SetValue(int Index, int Value) {
    if (Index < 0) return;
    Grow(Index + 1);
    int& slot = values_[static_cast<std::size_t>(Index)];
    if (TeeStoreChanged(slot, Value)) owner_->Repaint();
}

void TExplodedSlices::Grow(int ACount) {
    if (ACount > Count()) values_.resize(static_cast<std::size_t>(ACount), 0);
}

void TExplodedSlices::Exchange(int A, int B) {
    std::swap(values_[static_cast<std::size_t>(A)], values_[static_cast<std::size_t>(B)]);
}

TPieOtherSlice::TPieOtherSlice(TPieSeries* AOwner) : owner_(AOwner), text_(TeeMsgText(TeeMsg_PieOther)) {}

void TPieOtherSlice::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TPieOtherSlice*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    style_ = source->style_;
    text_ = source->text_;
    value_ = source->value_;
    owner_->Repaint();
}

void TPieOtherSlice::SetStyle(TPieOtherStyle Value) {
    if (TeeStoreChanged(style_, Value)) owner_->Repaint();
}

void TPieOtherSlice::SetText(const AnsiString& Value) {
    if (TeeStoreChanged(text_, Value)) owner_->Repaint();
}

void TPieOtherSlice::SetValue(double Value) {
    if (TeeStoreChanged(value_, Value)) owner_->Repaint();
}

// ---- The series ----------------------------------------------------------------------------

TPieSeries::TPieSeries(TComponent* AOwner)
    : TCircledSeries(AOwner),
      explodedSlice_(this),
      piePen_(new TChartPen(TNotifyEvent(this, &TPieSeries::PenChanged))),
      otherSlice_(new TPieOtherSlice(this)) {
    GetYValues()->SetName(TeeMsgText(TeeMsg_ValuesPie));
    GetXValues()->SetName(AnsiString());
    GetMarks()->SetVisible(true);
    GetMarks()->SetArrowLength(8);
    SetColorEachPoint(true);
}

TPieSeries::~TPieSeries() {
    delete otherSlice_;
    delete piePen_;
}

void TPieSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TPieSeries*>(Source)) {
        dark3D_ = source->dark3D_;
        usePatterns_ = source->usePatterns_;
        piePen_->Assign(source->piePen_);
        explodeBiggest_ = source->explodeBiggest_;
        otherSlice_->Assign(source->otherSlice_);
    }
    TCircledSeries::Assign(Source);
    SetColorEachPoint(true);
}

void TPieSeries::SetExplodeBiggest(int Value) {
    SetIntegerProperty(explodeBiggest_, Value);
    CalcExplodeBiggest();
}

void TPieSeries::CalcExplodeBiggest() {
    // The slice that was the biggest before falls back in.
    if (biggestSlice_ >= 0 && biggestSlice_ < explodedSlice_.Count())
        explodedSlice_.values_[static_cast<std::size_t>(biggestSlice_)] = 0;
    biggestSlice_ = -1;
    if (explodeBiggest_ <= 0 || Count() == 0) return;
    const int biggest = GetYValues()->Locate(GetYValues()->GetMaxValue());
    if (biggest < 0) return;
    explodedSlice_.Grow(biggest + 1);
    explodedSlice_.values_[static_cast<std::size_t>(biggest)] = explodeBiggest_;
    biggestSlice_ = biggest;
}

void TPieSeries::FillSampleValues(int NumValues) {
    Clear();
    for (int i = 0; i < NumValues; ++i)
        Add(1 + Random(1000), TeeMsgText(TTeeMessage{TeeMsg_PieSample1.Id + i % 8}), DefaultPointColor);
    RefreshSeries();
}

int TPieSeries::CalcXPos(int ValueIndex) const {
    return GetxValue(ValueIndex) == PieOtherSliceX ? 0 : TCircledSeries::CalcXPos(ValueIndex);
}

// The pie leaves the axes' ranges as they are.
double TPieSeries::MaxXValue() const { return GetHorizontalAxis() ? GetHorizontalAxis()->GetMaximum() : 0; }
double TPieSeries::MinXValue() const { return GetHorizontalAxis() ? GetHorizontalAxis()->GetMinimum() : 0; }
double TPieSeries::MaxYValue() const { return GetVerticalAxis() ? GetVerticalAxis()->GetMaximum() : 0; }
double TPieSeries::MinYValue() const { return GetVerticalAxis() ? GetVerticalAxis()->GetMinimum() : 0; }

void TPieSeries::ClearLists() {
    TCircledSeries::ClearLists();
    explodedSlice_.Clear();
    biggestSlice_ = -1;
}

void TPieSeries::SwapValueIndex(int A, int B) {
    TCircledSeries::SwapValueIndex(A, B);
    explodedSlice_.Grow(Count());
    explodedSlice_.Exchange(A, B);
}

int TPieSeries::CountLegendItems() const {
    int result = 0;
    for (int i = 0; i < Count(); ++i)
        if (!BelongsToOtherSlice(i)) ++result;
    return result;
}

int TPieSeries::LegendToValueIndex(int LegendIndex) const {
    int seen = -1;
    for (int i = 0; i < Count(); ++i)
        if (!BelongsToOtherSlice(i) && ++seen == LegendIndex) return i;
    return LegendIndex;
}

// ---- The "Other" slice --------------------------------------------------------------------

void TPieSeries::DoBeforeDrawChart() { RebuildOtherSlice(); }

void TPieSeries::RebuildOtherSlice() {
    const TQuietChart quiet(GetParentChart());
    if (GetYValues()->GetOrder() != loNone) GetYValues()->Sort();
    for (int i = Count() - 1; i >= 0; --i)
        if (GetxValue(i) == PieOtherSliceX) Delete(i);
    GetXValues()->FillSequence();
    if (otherSlice_->GetStyle() == poNone) return;
    const double total = PercentTotal();
    if (!(total > 0)) return;
    double sum = 0;
    for (int i = 0; i < Count(); ++i) {
        if (IsNullSlice(i)) continue;
        double v = GetyValue(i);
        if (otherSlice_->GetStyle() == poBelowPercent) v = v * 100 / total;
        if (v < otherSlice_->GetValue()) {
            sum += GetyValue(i);
            GetXValues()->SetValue(i, -1);
        }
    }
    if (sum != 0) AddXY(PieOtherSliceX, sum, otherSlice_->GetText(), DefaultPointColor);
}

bool TPieSeries::IsNullSlice(int ValueIndex) const {
    const double v = std::fabs(GetyValue(ValueIndex));
    return !std::isfinite(v) || (v != 0 && v < std::numeric_limits<double>::min());
}

double TPieSeries::PercentTotal() const {
    double total = 0;
    for (int i = 0; i < Count(); ++i)
        if (!BelongsToOtherSlice(i) && !IsNullSlice(i)) total += std::fabs(GetyValue(i));
    return total;
}

void TPieSeries::CalcAngles() {
    // Shares of the largest value, so that values near the top of the
    // number range do not add up to infinity.
    double largest = 0;
    for (int i = 0; i < Count(); ++i)
        if (!BelongsToOtherSlice(i) && !IsNullSlice(i)) largest = std::max(largest, std::fabs(GetyValue(i)));
    auto share = [&](int i) {
        return BelongsToOtherSlice(i) || IsNullSlice(i) || largest == 0 ? 0.0 : std::fabs(GetyValue(i)) / largest;
    };
    double total = 0;
    for (int i = 0; i < Count(); ++i) total += share(i);
    const double k = total != 0 ? TwoPi / total : 0;
    double sum = 0;
    angles_.assign(static_cast<std::size_t>(Count()), TPieAngle());
    for (int i = 0; i < Count(); ++i) {
        TPieAngle& a = angles_[static_cast<std::size_t>(i)];
        if (total == 0) {
            // Nothing to share: every slice is the whole circle.
            a.StartAngle = 0;
            a.EndAngle = TwoPi;
        } else {
            a.StartAngle = i == 0 ? 0 : angles_[static_cast<std::size_t>(i - 1)].EndAngle;
            sum += share(i);
            a.EndAngle = sum == total ? TwoPi : sum * k;
            if (a.EndAngle - a.StartAngle > TwoPi) a.EndAngle = a.StartAngle + TwoPi;
        }
        a.MidAngle = (a.StartAngle + a.EndAngle) * 0.5;
    }
}
