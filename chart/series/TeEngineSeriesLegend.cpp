// The texts a series gives its marks and the legend, percentages and the
// stacking origin, and the symbol it draws in a legend line.
#include "chart/series/TeEngineSeries.h"

#include <cmath>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "platform/runtime/SysUtils.h"

namespace {

// The axis' label text of Value, or the value in Format without an axis.
AnsiString AxisText(TCustomChartAxis* Axis, const AnsiString& Format, double Value) {
    return Axis ? Axis->LabelValue(Value) : FormatFloat(Format, Value);
}

}  // namespace

TChartSeries::TSharedPercentTotal::TSharedPercentTotal(const TChartSeries* Series) {
    if (Series->OnGetMarkText || Series->sharedPercentTotal_) return;
    series_ = Series;
    series_->sharedPercentTotal_ = series_->PercentTotal();
}

TChartSeries::TSharedPercentTotal::~TSharedPercentTotal() {
    if (series_) series_->sharedPercentTotal_.reset();
}

AnsiString TChartSeries::MarkPercent(int ValueIndex, bool AddTotal) const {
    const double total = sharedPercentTotal_ ? *sharedPercentTotal_ : PercentTotal();
    const double p = total != 0 ? std::abs(GetMarkValue(ValueIndex)) * 100 / total : 100;
    AnsiString text = FormatFloat(percentFormat_, p);
    if (AddTotal) text = Format("%s of %s", text, FormatFloat(valueFormat_, total));
    return text;
}

AnsiString TChartSeries::GetMarkText(int ValueIndex) const {
    const AnsiString value = FormatFloat(valueFormat_, GetMarkValue(ValueIndex));
    AnsiString label = GetXLabel(ValueIndex);
    if (label.IsEmpty()) label = value;
    AnsiString text;
    switch (marks_->GetStyle()) {
        case smsValue: text = value; break;
        case smsPercent: text = MarkPercent(ValueIndex, false); break;
        case smsLabel: text = label; break;
        case smsLabelPercent: text = label + " " + MarkPercent(ValueIndex, false); break;
        case smsLabelValue: text = label + " " + value; break;
        case smsLegend:
            if (parentChart_) text = parentChart_->FormattedValueLegend(const_cast<TChartSeries*>(this), ValueIndex);
            break;
        case smsPercentTotal: text = MarkPercent(ValueIndex, true); break;
        case smsLabelPercentTotal: text = label + " " + MarkPercent(ValueIndex, true); break;
        case smsXValue: text = AxisText(horizontalAxis_, valueFormat_, GetxValue(ValueIndex)); break;
    }
    if (OnGetMarkText) OnGetMarkText(const_cast<TChartSeries*>(this), ValueIndex, text);
    return text;
}

int TChartSeries::MaxMarkWidth() const {
    if (!parentChart_) return 0;
    const TSharedPercentTotal total(this);
    int widest = 0;
    for (int i = 0; i < Count(); ++i) widest = std::max(widest, parentChart_->GetCanvas()->TextWidth(GetMarkText(i)));
    return widest;
}

double TChartSeries::PointOrigin(int ValueIndex, bool SumAll) const {
    if (!parentChart_) return 0;
    double sum = 0;
    for (TChartSeries* s : *parentChart_->GetSeriesList()) {
        if (!SumAll && s == this) break;
        if (s->GetActive() && SameClass(s) && s->Count() > ValueIndex) {
            const double v = s->GetOriginValue(ValueIndex);
            if (v > 0) sum += v;
        }
    }
    return sum;
}

AnsiString TChartSeries::LegendString(int LegendIndex, TLegendTextStyle LegendTextStyle) const {
    const int i = LegendToValueIndex(LegendIndex);
    AnsiString label = GetXLabel(i);
    if (LegendTextStyle == ltsPlain) return label;
    const double markValue = GetMarkValue(i);
    const AnsiString value = FormatFloat(valueFormat_, markValue);
    auto percent = [&] {
        const double total = PercentTotal();
        return FormatFloat(percentFormat_, total != 0 ? 100 * markValue / total : 100);
    };
    switch (LegendTextStyle) {
        case ltsLeftValue: return value + " " + label;
        case ltsRightValue: return label + " " + value;
        case ltsLeftPercent: return percent() + " " + label;
        case ltsRightPercent: return label + " " + percent();
        case ltsXValue: return AxisText(horizontalAxis_, valueFormat_, GetxValue(i));
        case ltsPlain: break;
    }
    return label;
}

void TChartSeries::DrawLegend(int ValueIndex, const TRect& Rect) {
    if (!parentChart_ || (ValueIndex == -1 && colorEachPoint_)) return;
    TCanvas3D* canvas = parentChart_->GetCanvas();
    const TColor color = ValueIndex == -1 ? seriesColor_ : LegendItemColor(ValueIndex);
    canvas->GetBrush()->SetColor(color);
    if (color == clNone) return;
    TColor backColor = parentChart_->LegendBackColor;
    TBrushStyle brushStyle = bsSolid;
    PrepareLegendCanvas(ValueIndex, backColor, brushStyle);
    if (backColor == DefaultPointColor) {
        backColor = parentChart_->LegendBackColor;
        if (backColor == DefaultPointColor) backColor = parentChart_->GetColor();
    }
    parentChart_->SetBrushCanvas(canvas->GetBrush()->GetColor(), brushStyle, backColor);
    DrawLegendShape(ValueIndex, Rect);
}

void TChartSeries::DrawLegendShape(int, const TRect& Rect) {
    TCanvas3D* canvas = parentChart_->GetCanvas();
    canvas->DoRectangle(Rect);
    const TColor fill = canvas->GetBrush()->GetColor();
    if (fill != parentChart_->LegendBackColor) return;
    // A symbol in the legend's own colour would vanish: outline it.
    canvas->GetBrush()->SetStyle(bsClear);
    if (fill == clBlack) canvas->GetPen()->SetColor(clWhite);
    canvas->DoRectangle(Rect);
    canvas->GetPen()->SetColor(clBlack);
}
