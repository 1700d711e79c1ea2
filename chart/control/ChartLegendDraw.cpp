// The legend's layout against the chart rectangle, its box and items, and
// the item under a point.
#include <algorithm>

#include "chart/control/Chart.h"
#include "platform/runtime/SysUtils.h"

void TCustomChartLegend::CalcColumnsRows(int ItemWidth, int Total) {
    columns_ = MaxLegendValues(8, ItemWidth + colorWidthPixels_ + 8);
    rows_ = 0;
    if (columns_ < 1) return;
    rows_ = Total / columns_ + (Total % columns_ != 0 ? 1 : 0);
    rows_ = std::min(rows_, maxNumRows_);
}

void TCustomChartLegend::CalcVerticalExtent(int FrameWidth, int ItemWidth, int Total) {
    const int inset = frame_->GetVisible() ? FrameWidth + 1 : 0;
    const TRect chartRect = chart_->GetChartRect();
    switch (alignment_) {
    case laTop:
        rectLegend_.Top = chartRect.Top + inset;
        CalcColumnsRows(ItemWidth, Total);
        rectLegend_.Bottom = rectLegend_.Top + 2 + rows_ * itemHeight_;
        break;
    case laBottom:
        rectLegend_.Bottom = chartRect.Bottom - shadowSize_ - inset;
        CalcColumnsRows(ItemWidth, Total);
        rectLegend_.Top = rectLegend_.Bottom - 2 - rows_ * itemHeight_;
        break;
    default: {
        const TRect bounds = chart_->GetChartBounds();
        rectLegend_.Top = Round(topPos_ * (bounds.Bottom - bounds.Top) * 0.01) + bounds.Top;
        columns_ = 1;
        rows_ = MaxLegendValues(rectLegend_.Top, itemHeight_);
        rectLegend_.Bottom = rectLegend_.Top + 2 + rows_ * itemHeight_;
    }
    }
}

// The left and right edges and the columns of samples and texts; the
// number of items shown.
int TCustomChartLegend::CalcHorizontalExtent(int FrameWidth, int ItemWidth) {
    const int inset = frame_->GetVisible() ? FrameWidth + 1 : 0;
    const TRect chartRect = chart_->GetChartRect();
    if (alignment_ == laLeft || alignment_ == laRight) {
        const int w = MaxLegendWidth(rows_);
        colorWidthPixels_ = Round((w + 10) * colorWidth_ * 0.01);
        if (alignment_ == laLeft) {
            rectLegend_.Left = chartRect.Left + inset;
            xColor_ = rectLegend_.Left + 4;
            xText_ = xColor_ + colorWidthPixels_ + 4;
            rectLegend_.Right = xText_ + w + 2;
        } else {
            rectLegend_.Right = chartRect.Right - inset - shadowSize_;
            xText_ = rectLegend_.Right - w - 2;
            xColor_ = xText_ - colorWidthPixels_ - 4;
            rectLegend_.Left = xColor_ - 4;
        }
        return rows_;
    }
    const int width =
        std::min(chart_->GetChartWidth(), (colorWidthPixels_ + ItemWidth + 4) * columns_ + 8 + 2 * shadowSize_);
    const TRect bounds = chart_->GetChartBounds();
    const int shift = Round(topPos_ * (bounds.Right - bounds.Left - width) * 0.01);
    const int centre = (chartRect.Left + chartRect.Right) / 2;
    rectLegend_.Left = centre - width / 2 + shift;
    rectLegend_.Right = centre + width / 2 + shift;
    xColor_ = rectLegend_.Left + 4;
    xText_ = xColor_ + colorWidthPixels_ + 4;
    return columns_ * rows_;
}

void TCustomChartLegend::DrawBox() {
    TCanvas3D* canvas = chart_->GetCanvas();
    const bool rotating = canvas->GetSupportsFullRotation();
    TRect r = rectLegend_;
    canvas->AssignVisiblePen(frame_);
    int reach = shadowSize_ - 1;
    if (frame_->GetVisible()) {
        const int fw = frame_->GetWidth();
        if (frame_->GetColor() == DefaultPointColor) canvas->GetPen()->SetColor(clBlack);
        InflateRect(r, fw, fw);
        reach = shadowSize_ + fw + (fw - 1) / 2;
    }
    if (shadowSize_ > 0) {
        TBrush* brush = canvas->GetBrush();
        brush->SetStyle(bsSolid);
        brush->SetColor(shadowColor_);
        const TRect shadow(rectLegend_.Left + shadowSize_, rectLegend_.Top + shadowSize_, rectLegend_.Right + reach,
                           rectLegend_.Bottom + reach);
        if (rotating)
            canvas->RectangleWithZ(shadow, 8);
        else
            canvas->FillRect(shadow);
    }
    TBrush* brush = canvas->GetBrush();
    brush->Assign(brush_);
    if (brush_->GetStyle() != bsSolid) {
        canvas->SetBackColor(color_);
        canvas->SetBackMode(cbmOpaque);
    } else {
        brush->SetColor(color_);
    }
    if (rotating)
        canvas->RectangleWithZ(r, 4);
    else
        canvas->DoRectangle(r);
}

void TCustomChartLegend::DrawItem(int Index, int Position, int Total, int ItemWidth) {
    if (Position >= Total) return;
    TCanvas3D* canvas = chart_->GetCanvas();
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(color_);
    int x = xText_;
    int y = rectLegend_.Top + 1;
    if (GetVertical()) {
        y += itemHeight_ * Position;
    } else {
        y += (Position / columns_) * itemHeight_;
        x += (Position % columns_) * (ItemWidth + colorWidthPixels_ + 4);
    }
    int xColor = xColor_;
    if (chart_->OnGetLegendPos) chart_->OnGetLegendPos(chart_, Index, x, y, xColor);
    canvas->GetBrush()->SetStyle(bsClear);
    const AnsiString text = chart_->FormattedLegend(Index);
    if (text.IsEmpty()) return;
    canvas->TextOut(x, y, text);
    const TRect sample = GetColorRect(x - 4, y, y + itemHeight_);
    // The series draws its own symbol: the whole series' for series items,
    // the point's for value items.
    if (resolvedStyle_ == lsValues) {
        if (TChartSeries* s = ValuesSeries()) {
            s->DrawLegend(s->LegendToValueIndex(Index), sample);
        } else {
            canvas->GetBrush()->SetStyle(bsSolid);
            canvas->GetBrush()->SetColor(clWhite);
            canvas->DoRectangle(sample);
        }
    } else if (TChartSeries* s = chart_->ActiveSeriesLegend(Index)) {
        s->DrawLegend(-1, sample);
    } else {
        canvas->GetBrush()->SetStyle(bsSolid);
        canvas->GetBrush()->SetColor(clWhite);
        canvas->DoRectangle(sample);
    }
    if (Position > 0 && dividingLines_->GetVisible()) {
        canvas->AssignVisiblePen(dividingLines_);
        canvas->SetBackMode(cbmTransparent);
        if (GetVertical())
            canvas->DoHorizLine(rectLegend_.Left, rectLegend_.Right, y);
        else
            canvas->DoVertLine(sample.Left - 4, rectLegend_.Top, rectLegend_.Bottom);
    }
}

// The chart rectangle gives way to the box (when asked) and keeps a gap.
void TCustomChartLegend::GiveWay() {
    TRect r = chart_->GetChartRect();
    if (resizeChart_) {
        switch (alignment_) {
        case laLeft: r.Left = rectLegend_.Right; break;
        case laRight: r.Right = rectLegend_.Left; break;
        case laTop: r.Top = rectLegend_.Bottom + shadowSize_; break;
        case laBottom: r.Bottom = rectLegend_.Top; break;
        }
    }
    const int horizGap = horizMargin_ != 0 ? horizMargin_ : MulDiv(3, chart_->GetChartWidth(), 100);
    const int vertGap = vertMargin_ != 0 ? vertMargin_ : MulDiv(4, chart_->GetChartHeight(), 100);
    switch (alignment_) {
    case laLeft: r.Left += horizGap; break;
    case laRight: r.Right -= horizGap; break;
    case laTop: r.Top += vertGap; break;
    case laBottom: r.Bottom -= vertGap; break;
    }
    chart_->SetChartRect(r);
    chart_->ReCalcWidthHeight();
}

void TCustomChartLegend::Draw() {
    CalcLegendStyle();
    // Series symbols in the legend's colour outline themselves against it.
    chart_->LegendBackColor = color_;
    TCanvas3D* canvas = chart_->GetCanvas();
    chart_->FontCanvas(GetFont());
    itemHeight_ = canvas->FontHeight();
    const int total = TotalLegendItems();
    // Only items that can show are measured: no item is narrower than 12
    // pixels or lower than the font, so a legend of a long series' values
    // costs what its box holds, not what the series holds.
    const int fitting = GetVertical() ? chart_->GetChartHeight() / std::max(1, itemHeight_) + 1
                                      : (chart_->GetChartWidth() / 12 + 1) * std::max(0, maxNumRows_);
    const int itemWidth = MaxLegendWidth(std::min(total, fitting)) + 4;
    colorWidthPixels_ = Round(colorWidth_ * itemWidth * 0.01);
    const int fw = frame_->GetWidth();
    CalcVerticalExtent(fw, itemWidth, total);
    const int shown = CalcHorizontalExtent(fw, itemWidth);
    if (chart_->OnGetLegendRect) chart_->OnGetLegendRect(chart_, rectLegend_);
    if (shown <= 0) return;
    DrawBox();
    TPen* pen = canvas->GetPen();
    pen->SetColor(color_ != clBlack ? clBlack : clWhite);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    const int last = std::min(total, shown) + firstValue_ - 1;
    for (int i = firstValue_; i <= last; ++i) {
        const int position = inverted_ ? last - i : i - firstValue_;
        DrawItem(i, position, total, itemWidth);
    }
    GiveWay();
}

int TCustomChartLegend::RowAt(int Y, int ItemHeight) const {
    for (int r = 0; r < rows_; ++r) {
        const int top = rectLegend_.Top + 1 + ItemHeight * r;
        if (Y >= top && Y <= top + ItemHeight) return r;
    }
    return -1;
}

int TCustomChartLegend::Clicked(int X, int Y) {
    if (!PtInRect(rectLegend_, TPoint(X, Y))) return -1;
    if (GetVertical()) {
        if (rows_ <= 0) return -1;
        return RowAt(Y, (rectLegend_.Bottom - rectLegend_.Top) / rows_);
    }
    if (columns_ < 1) return -1;
    const int columnWidth = (rectLegend_.Right - rectLegend_.Left) / columns_;
    chart_->FontCanvas(GetFont());
    const int itemHeight = chart_->GetCanvas()->FontHeight();
    for (int c = 0; c < columns_; ++c) {
        const int left = rectLegend_.Left + 1 + c * columnWidth;
        if (X < left || X > left + columnWidth) continue;
        const int r = RowAt(Y, itemHeight);
        if (r != -1) return columns_ * r + c;
    }
    return -1;
}
