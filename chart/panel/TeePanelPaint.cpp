// The paint road of the chart panel: a repaint shows the stored picture or
// draws the chart anew; the background with its gradient, picture and
// bevels; the zoom rubber band.
#include "chart/panel/TeePanel.h"

#include <algorithm>

#include "platform/runtime/SysUtils.h"

void TCustomTeePanel::Paint() {
    // A panel being printed draws on the printer only.
    if (printing_) return;
    if (canvas_->ReDrawBitmap()) return;
    Draw(controlCanvas_, GetClientRect());
}

void TCustomTeePanel::Draw(TCanvas* UserCanvas, const TRect& UserRect) {
    chartBounds_ = canvas_->InitWindow(UserCanvas, view3DOptions_, GetColor(), view3D_, UserRect);
    const int width = chartBounds_.Width(), height = chartBounds_.Height();
    const int border = GetBorderWidth();
    chartRect_ = TRect(chartBounds_.Left + border + MulDiv(margins_[0], width, 100),
                       chartBounds_.Top + border + MulDiv(margins_[1], height, 100),
                       chartBounds_.Right - border - MulDiv(margins_[2], width, 100),
                       chartBounds_.Bottom - border - MulDiv(margins_[3], height, 100));
    ReCalcWidthHeight();
    InternalDraw(chartBounds_);
    canvas_->ShowImage(UserCanvas, controlCanvas_, UserRect);
}

void TCustomTeePanel::ReCalcWidthHeight() {
    TRect& r = chartRect_;
    r.Left = std::max(r.Left, chartBounds_.Left);
    r.Top = std::max(r.Top, chartBounds_.Top);
    if (r.Right < r.Left)
        r.Right = r.Left + 1;
    else if (r.Right == r.Left)
        r.Right = r.Left + GetWidth();
    if (r.Bottom < r.Top)
        r.Bottom = r.Top + 1;
    else if (r.Bottom == r.Top)
        r.Bottom = r.Top + GetHeight();
    chartWidth_ = r.Right - r.Left;
    chartHeight_ = r.Bottom - r.Top;
    chartXCenter_ = (r.Left + r.Right) / 2;
    chartYCenter_ = (r.Top + r.Bottom) / 2;
}

namespace {

void BevelColors(TPanelBevel Bevel, TColor& Top, TColor& Bottom) {
    Top = Bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    Bottom = Bevel == bvRaised ? clBtnShadow : clBtnHighlight;
}

}  // namespace

void TCustomTeePanel::DrawPanelBevels(const TRect& Rect) {
    if (printing_ && !PrintTeePanel) return;
    TPen* pen = canvas_->GetPen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    canvas_->GetBrush()->SetStyle(bsClear);
    TRect r = Rect;
    TColor top, bottom;
    if (GetBevelOuter() != bvNone) {
        BevelColors(GetBevelOuter(), top, bottom);
        canvas_->Frame3D(r, top, bottom, GetBevelWidth());
    }
    canvas_->Frame3D(r, GetColor(), GetColor(), GetBorderWidth());
    if (GetBevelInner() != bvNone) {
        BevelColors(GetBevelInner(), top, bottom);
        canvas_->Frame3D(r, top, bottom, GetBevelWidth());
    }
}

void TCustomTeePanel::DrawZoomRectangle() {
    const TColor color = ColorToRGB(GetColor());
    TPen* pen = canvas_->GetPen();
    pen->SetColor(color == clWhite ? clBlack : color);
    pen->SetMode(pmNotXor);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    canvas_->GetBrush()->SetStyle(bsClear);
    canvas_->Rectangle(zoom_->X0, zoom_->Y0, zoom_->X1, zoom_->Y1);
}

// ---- The background of the extended panel ------------------------------------------

void TCustomTeePanelExtended::PanelPaint(const TRect& Rect) {
    FillPanelRect(Rect);
    DrawImage(Rect);
    if (!GetCanvas()->GetSupportsFullRotation()) DrawPanelBevels(Rect);
}

void TCustomTeePanelExtended::FillPanelRect(const TRect& Rect) {
    TCanvas3D* canvas = GetCanvas();
    if (gradient_->GetVisible()) {
        const TGradientDirection direction = gradient_->GetDirection();
        // The canvas takes the colours of the other directions the other
        // way round.
        if (direction == gdTopBottom || direction == gdLeftRight)
            canvas->GradientFill(Rect, gradient_->GetStartColor(), gradient_->GetEndColor(), direction);
        else
            canvas->GradientFill(Rect, gradient_->GetEndColor(), gradient_->GetStartColor(), direction);
        return;
    }
    if (GetPrinting() && !PrintTeePanel) return;
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->EraseBackground(Rect);
}

void TCustomTeePanelExtended::DrawImage(const TRect& Rect) {
    if (backImage_->GetGraphic()) DrawBitmap(Rect, 0);
}

void TCustomTeePanelExtended::DrawBitmap(const TRect& Rect, int Z) {
    TGraphic* graphic = backImage_->GetGraphic();
    if (Z != 0 && GetView3D() && !GetView3DOptions()->GetOrthogonal()) return;
    if (!graphic || graphic->GetEmpty()) return;
    TCanvas3D* canvas = GetCanvas();
    // The rectangle as seen at depth Z.
    auto projected = [&] {
        if (Z <= 0) return Rect;
        TPoint topLeft = canvas->Calculate3DPosition(Rect.Left, Rect.Top, Z);
        TPoint bottomRight = canvas->Calculate3DPosition(Rect.Right, Rect.Bottom, Z);
        return TRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    };
    if (backImageMode_ == pbmStretch) {
        canvas->StretchDraw(projected(), graphic);
        return;
    }
    const bool clip = CanClip();
    if (clip) {
        if (Z == 0)
            canvas->ClipRectangle(Rect);
        else
            canvas->ClipCube(Rect, Z, Z);
    }
    const TRect r = projected();
    const int w = graphic->GetWidth(), h = graphic->GetHeight();
    if (backImageMode_ == pbmTile) {
        if (w >= 1 && h >= 1)
            for (int y = 0; y < r.Height(); y += h)
                for (int x = 0; x < r.Width(); x += w) canvas->Draw(r.Left + x, r.Top + y, graphic);
    } else {
        FillPanelRect(r);
        canvas->Draw(r.Left + (r.Width() - w) / 2, r.Top + (r.Height() - h) / 2, graphic);
    }
    if (clip) canvas->UnClipRectangle();
}

// ---- The free 3-D panel ----------------------------------------------------------------

void TDraw3D::InternalDraw(const TRect& Rect) {
    PanelPaint(Rect);
    ReCalcWidthHeight();
    SetWidth3D(100);
    TCanvas3D* canvas = GetCanvas();
    canvas->Projection(GetWidth3D(), GetChartBounds(), GetChartRect());
    canvas->ResetState();
    if (OnPaint) OnPaint(this, Rect);
    if (GetZoom()->Active) DrawZoomRectangle();
    canvas->ResetState();
    if (OnAfterDraw) OnAfterDraw(this);
}
