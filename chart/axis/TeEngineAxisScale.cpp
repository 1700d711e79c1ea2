// The step between an axis' labels (numbers on the 1-2-5 sequence, dates
// on the calendar table), the kind of labels it shows and their texts.
#include <algorithm>
#include <cmath>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/SysUtils.h"

namespace {

// A quotient beyond an int cannot be a label count.
constexpr double MaxLabelCount = 2147483647.0;

}  // namespace

double TCustomChartAxis::CalcIncrement() {
    const int atMax = isHorizontal_ ? LabelWidth(curMaximum_) : LabelHeight(curMaximum_);
    const int atMin = isHorizontal_ ? LabelWidth(curMinimum_) : LabelHeight(curMinimum_);
    return CalcXYIncrement(std::max(atMax, atMin));
}

double TCustomChartAxis::CalcXYIncrement(int MaxLabelSize) const {
    int count = 1;
    if (MaxLabelSize >= 1) {
        if (labelsSeparation_ > 0) MaxLabelSize += Round(labelsSeparation_ * 0.01 * MaxLabelSize);
        count = Round(static_cast<double>(pixelSize_) / MaxLabelSize);
    }
    return CalcLabelsIncrement(count);
}

double TCustomChartAxis::CalcLabelsIncrement(int MaxNumLabels) const {
    if (MaxNumLabels < 1) return isDateTimeAxis_ ? DateTimeStep[dtOneSecond] : 1e-12;
    if (isDateTimeAxis_) return CalcDateTimeIncrement(MaxNumLabels);
    double step = increment_ > 0 ? increment_ : std::fabs(curRange_) >= 1 ? 1.0 : 1e-12;
    // A range that is no number leaves nothing to count.
    if (labelsSeparation_ > 0 && std::isfinite(curRange_)) {
        for (;;) {
            const double q = curRange_ / step;
            if (std::fabs(q) < MaxLabelCount && Round(q) <= MaxNumLabels) break;
            const double next = TeeNextStep(step);
            if (next == step) break;
            step = next;
        }
    }
    return std::max(1e-12, step);
}

double TCustomChartAxis::CalcDateTimeIncrement(int MaxNumLabels) const {
    double step = std::max(DateTimeStep[dtOneSecond], increment_);
    if (step > 0 && MaxNumLabels >= 1 && std::isfinite(curRange_) && curRange_ > 0) {
        if (curRange_ / step > 1e6) step = curRange_ / 1e6;
        while (Round(curRange_ / step) > MaxNumLabels)
            step = step >= DateTimeStep[dtOneYear] ? step * 2 : NextDateTimeStep(step);
    }
    return std::max(DateTimeStep[dtOneSecond], step);
}

void TCustomChartAxis::IncDecDateTime(bool Increment, double& Value, double AnIncrement,
                                      TDateTimeStep Step) const {
    TeeDateTimeIncrement(exactDateTime_ && isDateTimeAxis_ && Step >= dtHalfMonth, Increment, Value, AnIncrement,
                         Step);
}

TAxisLabelStyle TCustomChartAxis::CalcLabelStyle() const {
    if (labelStyle_ != talAuto) return labelStyle_;
    // The depth axis names the series' slots, unless a series spreads over
    // a range of depths of its own.
    if (isDepth_) {
        for (TChartSeries* s : *parentChart_->GetSeriesList())
            if (s->GetActive() && s->MinZValue() != s->MaxZValue()) return talValue;
        return talText;
    }
    TAxisLabelStyle result = talNone;
    for (TChartSeries* s : *parentChart_->GetSeriesList()) {
        if (!s->GetActive() || !s->AssociatedToAxis(this)) continue;
        result = talValue;
        const bool labelAxis = isHorizontal_ == s->YMandatory();
        if (labelAxis && !s->GetXLabel(0).IsEmpty()) return talText;
    }
    return result;
}

AnsiString TCustomChartAxis::LabelValue(double Value) {
    AnsiString text;
    if (isDateTimeAxis_) {
        if (Value >= 0)
            text = FormatDateTime(dateTimeFormat_.IsEmpty() ? DateTimeDefaultFormat(curRange_) : dateTimeFormat_,
                                  Value);
    } else {
        text = FormatFloat(axisValuesFormat_, Value);
    }
    if (parentChart_->OnGetAxisLabel) parentChart_->OnGetAxisLabel(this, nullptr, -1, text);
    if (labelsMultiLine_) TeeSplitInLines(text, " ");
    return text;
}

int TCustomChartAxis::LabelWidth(double Value) {
    int lines = 0;
    const int width = parentChart_->MultiLineTextWidth(LabelValue(Value), lines);
    if (labelsAngle_ == 90 || labelsAngle_ == 270) return parentChart_->GetCanvas()->FontHeight() * lines;
    return width;
}

int TCustomChartAxis::LabelHeight(double Value) {
    int lines = 0;
    const int width = parentChart_->MultiLineTextWidth(LabelValue(Value), lines);
    if (labelsAngle_ == 0 || labelsAngle_ == 180) return parentChart_->GetCanvas()->FontHeight() * lines;
    return width;
}

int TCustomChartAxis::MaxLabelsWidth() {
    switch (CalcLabelStyle()) {
    case talValue: {
        double low = curMinimum_, high = curMaximum_;
        if ((isDateTimeAxis_ && exactDateTime_) || roundFirstLabel_) {
            const double step = CalcIncrement();
            low = std::trunc(low / step) * step;
            high = std::trunc(high / step) * step;
        }
        // The application's texts are for drawing; the room is measured
        // on the formatted values.
        const TAxisOnGetLabel handler = parentChart_->OnGetAxisLabel;
        parentChart_->OnGetAxisLabel = nullptr;
        int lines = 0;
        const int widest = std::max(parentChart_->MultiLineTextWidth(LabelValue(low), lines),
                                    parentChart_->MultiLineTextWidth(LabelValue(high), lines));
        parentChart_->OnGetAxisLabel = handler;
        return widest + parentChart_->GetCanvas()->TextWidth(" ");
    }
    case talMark: return parentChart_->MaxMarkWidth();
    case talText: return isDepth_ ? WidestSeriesTitle() : parentChart_->MaxTextWidth();
    default: return 0;
    }
}

// The depth axis names the series' slots, not their points: its widest
// label is the widest series title.
int TCustomChartAxis::WidestSeriesTitle() {
    int widest = 0, lines = 0;
    for (int i = 0; i < parentChart_->SeriesCount(); ++i)
        widest = std::max(widest, parentChart_->MultiLineTextWidth(parentChart_->SeriesTitleLegend(i), lines));
    return widest;
}
