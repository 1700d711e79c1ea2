// The settings of the bar series, how bars share their slots and stack,
// their limits, depth, clicks and legend symbol.
#include "chart/seriestypes/SeriesBar.h"

#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

TCustomBarSeries::TCustomBarSeries(TComponent* AOwner)
    : TChartSeries(AOwner),
      barBrush_(new TChartBrush(TNotifyEvent(this, &TCustomBarSeries::CanvasChanged))),
      barPen_(new TChartPen(TNotifyEvent(this, &TCustomBarSeries::CanvasChanged))) {
    GetMarks()->SetVisible(true);
    GetMarks()->SetArrowLength(20);
    GetYValues()->SetName(TeeMsgText(TeeMsg_ValuesBar));
    GetYValues()->SetOrder(loNone);
}

TCustomBarSeries::~TCustomBarSeries() {
    delete barPen_;
    delete barBrush_;
}

void TCustomBarSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TCustomBarSeries*>(Source)) {
        autoMarkPosition_ = source->autoMarkPosition_;
        barWidthPercent_ = source->barWidthPercent_;
        barStyle_ = source->barStyle_;
        barPen_->Assign(source->barPen_);
        barBrush_->Assign(source->barBrush_);
        customBarSize_ = source->customBarSize_;
        dark3D_ = source->dark3D_;
        multiBar_ = source->multiBar_;
        offsetPercent_ = source->offsetPercent_;
        yOrigin_ = source->yOrigin_;
        sideMargins_ = source->sideMargins_;
        useYOrigin_ = source->useYOrigin_;
    }
    TChartSeries::Assign(Source);
}

void TCustomBarSeries::SetBarStyle(TBarStyle Value) {
    if (TeeStoreChanged(barStyle_, Value)) Repaint();
}

TBarStyle TCustomBarSeries::GetBarStyle(int ValueIndex) {
    TBarStyle result = barStyle_;
    if (OnGetBarStyle) OnGetBarStyle(this, ValueIndex, result);
    return result;
}

void TCustomBarSeries::SetBarWidthPercent(int Value) {
    if (Value < 1 || Value > 100) throw BarException(TeeMsgText(TeeMsg_BarWidthPercent));
    SetIntegerProperty(barWidthPercent_, Value);
}

void TCustomBarSeries::SetOffsetPercent(int Value) {
    if (Value < -100 || Value > 100) throw BarException(TeeMsgText(TeeMsg_BarOffsetPercent));
    SetIntegerProperty(offsetPercent_, Value);
}

void TCustomBarSeries::SetSideMargins(bool Value) {
    SetBooleanProperty(sideMargins_, Value);
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList())
            if (auto* bar = dynamic_cast<TCustomBarSeries*>(s); bar && bar != this && SameClass(s))
                bar->sideMargins_ = Value;
}

void TCustomBarSeries::SetMultiBar(TMultiBar Value) {
    if (multiBar_ == Value) return;
    multiBar_ = Value;
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList())
            if (auto* bar = dynamic_cast<TCustomBarSeries*>(s); bar && SameClass(s)) bar->multiBar_ = Value;
    Repaint();
}

// ---- Slots ---------------------------------------------------------------------

int TCustomBarSeries::BarOrderPos() const {
    int result = 1;
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList()) {
            if (s == this) break;
            if (s->GetActive() && SameClass(s)) ++result;
        }
    return result;
}

int TCustomBarSeries::BarSeriesCount() const {
    if (multiBar_ != mbSide || !GetParentChart()) return 1;
    int result = 0;
    for (TChartSeries* s : *GetParentChart()->GetSeriesList())
        if (s->GetActive() && SameClass(s)) ++result;
    return std::max(result, 1);
}

void TCustomBarSeries::CalcBarWidth() const {
    if (customBarSize_ != 0) {
        barWidth_ = customBarSize_;
        return;
    }
    TCustomAxisPanel* chart = GetParentChart();
    int numPoints = Count(), numBars = 1;
    if (chart && multiBar_ == mbSide) {
        numBars = 0;
        numPoints = 0;
        for (TChartSeries* s : *chart->GetSeriesList())
            if (s->GetActive() && SameClass(s)) {
                ++numBars;
                numPoints = std::max(numPoints, s->Count());
            }
        numBars = std::max(numBars, 1);
    }
    if (chart && chart->GetMaxPointsPerPage() > 0) numPoints = chart->GetMaxPointsPerPage();
    if (numPoints < 1 || !SlotAxis()) {
        barWidth_ = 0;
        return;
    }
    if (sideMargins_) ++numPoints;
    const TCustomChartAxis* axis = SlotAxis();
    const int length = axis->GetPixelSize();
    const int slot = autoBarSize_ ? Round(length / (2 + axis->GetMaximum() - axis->GetMinimum())) : length / numPoints;
    barWidth_ = Round(barWidthPercent_ * 0.01 * slot) / numBars;
    // An even width centres on the point's pixel.
    if (barWidth_ > 0 && barWidth_ % 2 == 1) ++barWidth_;
}

int TCustomBarSeries::BarMargin() const {
    const int result = BarSeriesCount() * barWidth_;
    return sideMargins_ ? result : result / 2;
}

int TCustomBarSeries::ApplyBarOffset(int Position) const {
    if (offsetPercent_ == 0) return Position;
    return Position + Round(offsetPercent_ * barWidth_ * 0.01);
}

// ---- Along the value axis ---------------------------------------------------------

double TCustomBarSeries::BarPointOrigin(int ValueIndex, bool SumAll) const {
    if (multiBar_ == mbStacked || multiBar_ == mbStacked100) return PointOrigin(ValueIndex, SumAll);
    return yOrigin_;
}

namespace {
// The 16-bit screen range: a bar end far outside it is cut at its edge, so
// the part of the bar inside the chart still shows.
int ClampPixel(long long Pixel) { return static_cast<int>(std::clamp<long long>(Pixel, -32767, 32767)); }

}  // namespace

int TCustomBarSeries::ValuePixel(double Value) const {
    const TCustomChartAxis* axis = ValueAxis();
    return ClampPixel(axis->GetHorizontal() ? CalcXPosValue(Value) : CalcYPosValue(Value));
}

int TCustomBarSeries::BarEndPos(int ValueIndex, double Value) const {
    // Series mode has no stack to share: each bar stands on its own, as
    // an unarranged one does, rather than flattened onto the origin.
    if (multiBar_ == mbNone || multiBar_ == mbSide || multiBar_ == mbSeries) return ValuePixel(Value);
    if (multiBar_ == mbStacked) return ValuePixel(Value + BarPointOrigin(ValueIndex, false));
    const double total = BarPointOrigin(ValueIndex, true);
    // An empty stack has no shares: its bars rest on the origin.
    if (total == 0) return ValuePixel(0);
    return ValuePixel((Value + BarPointOrigin(ValueIndex, false)) * 100 / total);
}

int TCustomBarSeries::InternalGetOriginPos(int ValueIndex, int DefaultOrigin) const {
    const double origin = BarPointOrigin(ValueIndex, false);
    if (multiBar_ == mbStacked) return ValuePixel(origin);
    if (multiBar_ == mbStacked100) {
        const double total = BarPointOrigin(ValueIndex, true);
        return ValuePixel(total != 0 ? origin * 100 / total : 0);
    }
    return useYOrigin_ ? ValuePixel(origin) : DefaultOrigin;
}

double TCustomBarSeries::MaxMandatoryValue(double Value, const TChartValueList* List) const {
    if (multiBar_ == mbStacked100) return 100;
    double result = Value;
    if (multiBar_ == mbStacked)
        for (int t = 0; t < Count(); ++t) result = std::max(result, PointOrigin(t, false) + List->GetValue(t));
    if (useYOrigin_) result = std::max(result, yOrigin_);
    return result;
}

double TCustomBarSeries::MinMandatoryValue(double Value) const {
    if (multiBar_ == mbStacked100) return 0;
    return useYOrigin_ && Value > yOrigin_ ? yOrigin_ : Value;
}

// ---- Paint steps ----------------------------------------------------------------

void TCustomBarSeries::DoBeforeDrawValues() {
    CalcBarWidth();
    barBounds_ = TRect();
    normalBarColor_ = clNone;
    TChartSeries::DoBeforeDrawValues();
}

void TCustomBarSeries::CalcZOrder() {
    TCustomAxisPanel* chart = GetParentChart();
    if (multiBar_ != mbNone && multiBar_ != mbSeries && !HasFixedZOrder() && chart)
        for (TChartSeries* s : *chart->GetSeriesList()) {
            if (s == this) break;
            if (s->GetActive() && SameClass(s)) {
                ShareZOrder(s->GetZOrder());
                return;
            }
        }
    TChartSeries::CalcZOrder();
}

bool TCustomBarSeries::DrawSeriesForward(int) const {
    if (multiBar_ == mbNone || multiBar_ == mbSide) return true;
    return !ValueAxis()->GetInverted();
}

int TCustomBarSeries::CalcMarkLength(int ValueIndex) const {
    if (Count() == 0 || !GetMarks()->GetVisible() || !GetParentChart()) return 0;
    GetParentChart()->FontCanvas(GetMarks()->GetFont());
    int result = InternalCalcMarkLength(ValueIndex) + GetMarks()->GetArrowLength();
    if (GetMarks()->GetFrame()->GetVisible()) result += 2 * GetMarks()->GetFrame()->GetWidth();
    return result;
}

// ---- Clicks and legend --------------------------------------------------------------

int TCustomBarSeries::Clicked(int X, int Y) {
    TCustomAxisPanel* chart = GetParentChart();
    if (chart) chart->GetCanvas()->Calculate2DPosition(X, Y, StartZ);
    const int inherited = TChartSeries::Clicked(X, Y);
    if (inherited != -1) return inherited;
    const int first = GetFirstValueIndex(), last = GetLastValueIndex();
    if (!chart || first < 0 || last < 0) return -1;
    if (barWidth_ == 0) CalcBarWidth();
    const TPoint p(X, Y);
    for (int t = first; t <= last && t < Count(); ++t)
        if (!IsNull(t) && InternalClicked(t, p)) return t;
    return -1;
}

void TCustomBarSeries::PrepareLegendCanvas(int, TColor& BackColor, TBrushStyle& BrushStyle) {
    TCustomAxisPanel* chart = GetParentChart();
    chart->GetCanvas()->AssignVisiblePen(barPen_);
    BrushStyle = barBrush_->GetStyle();
    BackColor = barBrush_->GetColor() == DefaultPointColor ? chart->GetColor() : barBrush_->GetColor();
}

void TCustomBarSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    if (barBrush_->GetBitmap()) GetParentChart()->GetCanvas()->GetBrush()->SetBitmap(barBrush_->GetBitmap());
    TChartSeries::DrawLegendShape(ValueIndex, Rect);
}
