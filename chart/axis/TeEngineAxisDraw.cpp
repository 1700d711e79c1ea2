// Drawing an axis: its title and its labels (values on a regular step,
// powers of the logarithmic base, values the application asks for, point
// texts without overlap, series titles along the depth axis).
#include <algorithm>
#include <cmath>

#include "chart/axis/TeEngineAxisPainter.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/SysUtils.h"

namespace {

// More labels than this make no readable axis; no loop goes further.
constexpr int MaxLabels = 10000;
// The application's labels are asked for at most this many times.
constexpr int MaxAskedLabels = 2000;

}  // namespace

void TCustomChartAxis::Draw(bool CalcPosAxis) {
    TAxisPainter painter(this);
    if (CalcPosAxis) {
        const TRect& r = parentChart_->GetChartRect();
        axisPos_ = ApplyPosition(GetRectangleEdge(r), r);
    }
    painter.Paint();
}

TAxisPainter::TAxisPainter(TCustomChartAxis* AAxis)
    : axis_(AAxis), chart_(AAxis->parentChart_), canvas_(chart_->GetCanvas()) {
    axis_->isDateTimeAxis_ = axis_->IsDateTime();
    chart_->FontCanvas(axis_->labelsFont_);
    step_ = axis_->CalcIncrement();
}

void TAxisPainter::Paint() {
    if (!axis_->title_->GetCaption().IsEmpty()) {
        PrepareText(axis_->title_->GetFont());
        const TRect& r = chart_->GetChartRect();
        if (axis_->isDepth_)
            axis_->DrawTitle(axis_->titlePos_, r.Bottom);
        else if (axis_->isHorizontal_)
            axis_->DrawTitle(axis_->centerPixel_, axis_->titlePos_);
        else
            axis_->DrawTitle(axis_->titlePos_, axis_->centerPixel_);
    }
    stepKind_ = CalcStepKind();
    const double low = axis_->curMinimum_, high = axis_->curMaximum_;
    const bool calendarStep = stepKind_ >= dtHalfMonth && stepKind_ <= dtOneYear;
    // A range that is no number has no labels to walk through.
    if ((step_ > 0 || calendarStep) && std::isfinite(low) && std::isfinite(high) && high >= low) DrawLabels();
    DrawLinesAndTicks();
}

TDateTimeStep TAxisPainter::CalcStepKind() const {
    if (!axis_->isDateTimeAxis_ || !axis_->exactDateTime_ || axis_->increment_ == 0) return dtNone;
    int kind = FindDateTimeStep(axis_->increment_);
    if (kind == dtNone) return dtNone;
    while (step_ > DateTimeStep[kind] && kind < dtOneYear) ++kind;
    return static_cast<TDateTimeStep>(kind);
}

void TAxisPainter::DrawLabels() {
    switch (axis_->CalcLabelStyle()) {
    case talValue:
        if (!chart_->OnGetNextAxisLabel || !DrawAskedLabels()) {
            if (axis_->logarithmic_ && axis_->increment_ == 0)
                DrawLogarithmicLabels();
            else
                DrawValueLabels();
        }
        break;
    case talMark: DrawPointLabels(true); break;
    case talText:
        if (axis_->isDepth_)
            DrawDepthLabels();
        else
            DrawPointLabels(false);
        break;
    default: break;
    }
}

void TAxisPainter::ValueCandidate(double Value) {
    const int p = axis_->CalcPosValue(Value);
    if (axis_->labelsOnAxis_ || (p > axis_->startPixel_ && p < axis_->endPixel_)) {
        if (!axis_->tickOnLabelsOnly_) ticks_.push_back(p);
        if (axis_->labels_) DrawLabel(p, axis_->LabelValue(Value));
    }
}

// From the top of the range downward.
void TAxisPainter::DrawValueLabels() {
    const double low = axis_->curMinimum_, high = axis_->curMaximum_;
    if (!(std::fabs(axis_->curRange_ / step_) < MaxLabels)) return;
    // One value (one quote, a constant series) has one label.
    if (low == high) {
        ValueCandidate(high);
        return;
    }
    double v;
    if (axis_->isDateTimeAxis_ && axis_->exactDateTime_ && stepKind_ >= dtOneDay && stepKind_ <= dtOneYear)
        v = TeeRoundDate(high, stepKind_);
    else if (low != high && axis_->roundFirstLabel_)
        v = std::trunc(high / step_) * step_;
    else
        v = high;
    // Each loop also ends when a step no longer moves the value: a step
    // below the value's precision would otherwise never get anywhere.
    auto stepDown = [&] {
        const double old = v;
        axis_->IncDecDateTime(false, v, step_, stepKind_);
        return v != old;
    };
    for (int n = 0; v > high && n < MaxLabels; ++n)
        if (!stepDown()) return;
    // A label on the very minimum counts as inside, below zero as above it.
    const double lowest = low - std::max(1e-12, std::fabs(low) * 1e-12);
    for (int n = 0; v >= lowest && n < MaxLabels; ++n) {
        ValueCandidate(v);
        if (!stepDown()) break;
    }
}

void TAxisPainter::DrawLogarithmicLabels() {
    double& low = axis_->curMinimum_;
    const double high = axis_->curMaximum_;
    if (low == high) return;
    const double base = axis_->logarithmicBase_;
    double v;
    if (low <= 0) {
        low = low < 0 ? 1e-10 : 0.1;
        v = low;
    } else {
        v = std::pow(base, std::nearbyint(std::log(low) / std::log(base)));
    }
    for (int n = 0; v <= high && n < MaxLabels; ++n) {
        if (v >= low) ValueCandidate(v);
        v *= base;
    }
}

bool TAxisPainter::DrawAskedLabels() {
    double v = axis_->curMinimum_;
    bool stop = true;
    int index = 0;
    for (;;) {
        chart_->OnGetNextAxisLabel(axis_, index, v, stop);
        if (stop) return index != 0;
        if (!(v >= axis_->curMinimum_ - 1e-7 && v <= axis_->curMaximum_ + 1e-7)) return true;
        ValueCandidate(v);
        if (++index > MaxAskedLabels) return true;
    }
}

void TAxisPainter::DrawPointLabels(bool Marks) {
    std::vector<TChartSeries*> candidates;
    int first = -1, last = -1;
    for (TChartSeries* s : *chart_->GetSeriesList()) {
        if (!s->GetActive() || !s->AssociatedToAxis(axis_) || !s->HasLabels()) continue;
        candidates.push_back(s);
        s->CalcFirstLastVisibleIndex();
        if (s->GetFirstValueIndex() != -1)
            first = first == -1 ? s->GetFirstValueIndex() : std::min(first, s->GetFirstValueIndex());
        last = std::max(last, s->GetLastValueIndex());
    }
    if (first == -1) return;
    // At 90 and 270 degrees a label's extent along the axis is its height.
    bool across = axis_->isHorizontal_;
    if (axis_->labelsAngle_ == 90 || axis_->labelsAngle_ == 270) across = !across;
    bool drawnAny = false;
    int lastPos = -1, lastHalf = 0;
    for (int i = first; i <= last; ++i) {
        auto owner = std::find_if(candidates.begin(), candidates.end(), [i](TChartSeries* s) { return s->Count() > i; });
        if (owner == candidates.end()) continue;
        TChartSeries* series = *owner;
        AnsiString text = Marks ? series->GetMarkText(i) : series->GetXLabel(i);
        if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(axis_, series, i, text);
        const double value = series->GetValue(axis_->isHorizontal_, i);
        if (!(value >= axis_->curMinimum_ && value <= axis_->curMaximum_)) continue;
        const int p = axis_->CalcPosValue(value);
        if (!axis_->tickOnLabelsOnly_) ticks_.push_back(p);
        if (!axis_->labels_) continue;
        // A label whose place lies inside the last one drawn cannot fit,
        // however narrow: dense points are skipped without being measured.
        if (axis_->labelsSeparation_ != 0 && drawnAny && (p >= lastPos ? p < lastPos + lastHalf : p > lastPos - lastHalf))
            continue;
        int lines = 0;
        int size = chart_->MultiLineTextWidth(text, lines);
        if (!across) size = canvas_->FontHeight() * lines;
        if (axis_->labelsSeparation_ != 0 && drawnAny) {
            size += Trunc(size * 0.02 * axis_->labelsSeparation_);
            const int half = size / 2;
            const bool fits = p >= lastPos ? p - half >= lastPos + lastHalf : p + half <= lastPos - lastHalf;
            if (!fits) continue;
            lastHalf = half;
        } else {
            lastHalf = size / 2;
        }
        DrawLabel(p, text);
        lastPos = p;
        drawnAny = true;
    }
}

void TAxisPainter::DrawDepthLabels() {
    if (chart_->GetSeriesList()->CountActive() == 0) return;
    const double high = axis_->curMaximum_;
    const int from = Trunc(std::max(axis_->curMinimum_, -1.0 * MaxLabels));
    const int to = Trunc(std::min(high, from + 1.0 * MaxLabels));
    for (int i = from; i <= to; ++i) {
        const int p = axis_->InternalCalcDepthPosValue(high - i - 0.5);
        if (!axis_->tickOnLabelsOnly_) ticks_.push_back(p);
        if (!axis_->labels_) continue;
        AnsiString text = chart_->SeriesTitleLegend(i);
        if (chart_->OnGetAxisLabel) chart_->OnGetAxisLabel(axis_, nullptr, i, text);
        DrawLabel(p, text);
    }
}

void TAxisPainter::PrepareText(TFont* AFont) {
    chart_->FontCanvas(AFont);
    canvas_->GetBrush()->SetColor(chart_->GetColor());
    canvas_->GetBrush()->SetStyle(bsClear);
    // A clear brush leaves what lies under the text, as the grid's pass
    // before may have left the background mode opaque.
    canvas_->SetBackMode(cbmTransparent);
    // White on paper would not show.
    if (chart_->GetPrinting() && canvas_->GetFont()->GetColor() == clWhite) canvas_->GetFont()->SetColor(clBlack);
}

void TAxisPainter::DrawLabel(int P, const AnsiString& St) {
    if (axis_->tickOnLabelsOnly_) ticks_.push_back(P);
    PrepareText(axis_->labelsFont_);
    if (axis_->isDepth_) {
        canvas_->SetTextAlign(TA_LEFT | TA_TOP);
        canvas_->TextOut3D(axis_->labelsPos_, chart_->GetChartRect().Bottom, P, St);
    } else if (axis_->isHorizontal_) {
        axis_->DrawAxisLabel(P, axis_->labelsPos_, axis_->labelsAngle_, St);
    } else {
        axis_->DrawAxisLabel(axis_->labelsPos_, P, axis_->labelsAngle_, St);
    }
}
