// The legend: which items it lists, how many fit in rows and columns
// beside or above the plot, the box with its shadow, the items with their
// colour samples, and which item lies under a point.
#include <algorithm>

#include "chart/control/Chart.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/messages/TeeMessages.h"
#include "chart/utils/TeeProcs.h"

TCustomChartLegend::TCustomChartLegend(TCustomChart* AOwner) : TChartFontObject(AOwner), chart_(AOwner) {
    const TNotifyEvent changed(this, &TCustomChartLegend::Changed);
    brush_ = new TChartBrush(changed);
    dividingLines_ = new TChartHiddenPen(changed);
    frame_ = new TChartPen(changed);
}

TCustomChartLegend::~TCustomChartLegend() {
    delete brush_;
    delete dividingLines_;
    delete frame_;
}

void TCustomChartLegend::Changed(TObject*) { chart_->CanvasChanged(this); }

void TCustomChartLegend::Assign(TPersistent* Source) {
    if (auto* legend = dynamic_cast<TCustomChartLegend*>(Source)) {
        alignment_ = legend->alignment_;
        brush_->Assign(legend->brush_);
        color_ = legend->color_;
        colorWidth_ = legend->colorWidth_;
        dividingLines_->Assign(legend->dividingLines_);
        firstValue_ = legend->firstValue_;
        frame_->Assign(legend->frame_);
        horizMargin_ = legend->horizMargin_;
        inverted_ = legend->inverted_;
        legendStyle_ = legend->legendStyle_;
        maxNumRows_ = legend->maxNumRows_;
        resizeChart_ = legend->resizeChart_;
        shadowColor_ = legend->shadowColor_;
        shadowSize_ = legend->shadowSize_;
        textStyle_ = legend->textStyle_;
        topPos_ = legend->topPos_;
        vertMargin_ = legend->vertMargin_;
        visible_ = legend->visible_;
    }
    TChartFontObject::Assign(Source);
}

// ---- Properties ------------------------------------------------------------------

void TCustomChartLegend::SetAlignment(TLegendAlignment Value) {
    if (TeeStoreChanged(alignment_, Value)) Repaint();
}

void TCustomChartLegend::SetTextStyle(TLegendTextStyle Value) {
    if (TeeStoreChanged(textStyle_, Value)) Repaint();
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle Value) {
    if (legendStyle_ == Value) return;
    legendStyle_ = Value;
    CalcLegendStyle();
    Repaint();
}

void TCustomChartLegend::SetColorWidth(int Value) {
    if (Value < 0 || Value > 100) throw LegendException(TeeMsgText(TeeMsg_LegendColorWidth));
    chart_->SetIntegerProperty(colorWidth_, Value);
}

void TCustomChartLegend::SetFirstValue(int Value) {
    if (Value < 0) throw LegendException(TeeMsgText(TeeMsg_LegendFirstValue));
    chart_->SetIntegerProperty(firstValue_, Value);
}

void TCustomChartLegend::SetTopPos(int Value) {
    if (Value < 0 || Value > 100) throw LegendException(TeeMsgText(TeeMsg_LegendTopPos));
    chart_->SetIntegerProperty(topPos_, Value);
}

void TCustomChartLegend::SetColor(TColor Value) { chart_->SetColorProperty(color_, Value); }
void TCustomChartLegend::SetHorizMargin(int Value) { chart_->SetIntegerProperty(horizMargin_, Value); }
void TCustomChartLegend::SetInverted(bool Value) { chart_->SetBooleanProperty(inverted_, Value); }
void TCustomChartLegend::SetMaxNumRows(int Value) { chart_->SetIntegerProperty(maxNumRows_, Value); }
void TCustomChartLegend::SetResizeChart(bool Value) { chart_->SetBooleanProperty(resizeChart_, Value); }
void TCustomChartLegend::SetShadowColor(TColor Value) { chart_->SetColorProperty(shadowColor_, Value); }
void TCustomChartLegend::SetShadowSize(int Value) { chart_->SetIntegerProperty(shadowSize_, Value); }
void TCustomChartLegend::SetVertMargin(int Value) { chart_->SetIntegerProperty(vertMargin_, Value); }
void TCustomChartLegend::SetVisible(bool Value) { chart_->SetBooleanProperty(visible_, Value); }

// ---- Items ---------------------------------------------------------------------------

void TCustomChartLegend::CalcLegendStyle() {
    if (legendStyle_ != lsAuto)
        resolvedStyle_ = legendStyle_;
    else
        resolvedStyle_ = chart_->GetSeriesList()->CountActive() > 1 ? lsSeries : lsValues;
}

TChartSeries* TCustomChartLegend::ValuesSeries() const {
    TChartSeries* s = chart_->GetASeries();
    return s && s->GetShowInLegend() ? s : nullptr;
}

int TCustomChartLegend::TotalLegendItems() const {
    int result = 0;
    if (resolvedStyle_ == lsValues) {
        if (TChartSeries* s = ValuesSeries()) result = s->CountLegendItems();
    } else {
        for (TChartSeries* s : *chart_->GetSeriesList())
            if (s->GetActive() && s->GetShowInLegend()) ++result;
    }
    return std::max(0, result - firstValue_);
}

AnsiString TCustomChartLegend::FormattedValue(TChartSeries* ASeries, int ValueIndex) const {
    if (ValueIndex == -1) return AnsiString();
    std::string text = ASeries->LegendString(ValueIndex, textStyle_).str();
    std::replace(text.begin(), text.end(), '\r', ' ');
    return AnsiString(text);
}

AnsiString TCustomChartLegend::FormattedLegend(int Index) const {
    switch (resolvedStyle_) {
    case lsValues: return chart_->FormattedValueLegend(ValuesSeries(), Index);
    case lsLastValues: {
        TChartSeries* s = chart_->ActiveSeriesLegend(Index);
        return s ? chart_->FormattedValueLegend(s, s->Count() - 1) : AnsiString();
    }
    default: return chart_->SeriesTitleLegend(Index);
    }
}

int TCustomChartLegend::MaxLegendWidth(int Count) {
    const int total = TotalLegendItems() + firstValue_;
    const int last = Count < 0 ? total - 1 : std::min(total, firstValue_ + Count) - 1;
    int result = 0;
    for (int i = firstValue_; i <= last; ++i)
        result = std::max(result, chart_->GetCanvas()->TextWidth(chart_->FormattedLegend(i)));
    return result;
}

int TCustomChartLegend::MaxLegendValues(int Start, int Size) const {
    const TRect r = chart_->GetChartRect();
    const int fw = frame_->GetWidth();
    if (GetVertical()) {
        if (Start >= r.Bottom || Size <= 0) return 0;
        return std::min((chart_->GetChartHeight() - 2 * fw - Start + r.Top) / Size, TotalLegendItems());
    }
    if (Start >= r.Right || Size <= 0) return 0;
    return std::min((chart_->GetChartWidth() - 2 * fw - Start) / Size, TotalLegendItems());
}

TRect TCustomChartLegend::GetColorRect(int X, int Top, int Bottom) const {
    return TRect(X - colorWidthPixels_, Top + 2, X, Bottom - 2);
}
