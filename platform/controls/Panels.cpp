#include "platform/controls/ExtCtrls.h"

#include <algorithm>

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetStyle(psSolid);
    // Work on the inclusive corners; lines leave out their last pixel, so
    // each polyline runs one pixel past the corner it must reach.
    --Rect.Bottom;
    --Rect.Right;
    for (; Width > 0; --Width) {
        Canvas->GetPen()->SetColor(TopColor);
        const TPoint topLeft[] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
        Canvas->Polyline(topLeft, 3);
        Canvas->GetPen()->SetColor(BottomColor);
        const TPoint bottomRight[] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
        Canvas->Polyline(bottomRight, 3);
        InflateRect(Rect, -1, -1);
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

namespace {

void BevelColors(TPanelBevel Bevel, TColor& Top, TColor& Bottom) {
    Top = Bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    Bottom = Bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}

}  // namespace

void DrawPanelFrame(TCanvas* Canvas, TRect& Rect, TPanelBevel Outer, TPanelBevel Inner, int BevelWidth,
                    int BorderWidth, TColor Color) {
    TColor top, bottom;
    if (Outer != bvNone) {
        BevelColors(Outer, top, bottom);
        Frame3D(Canvas, Rect, top, bottom, BevelWidth);
    }
    Frame3D(Canvas, Rect, Color, Color, BorderWidth);
    if (Inner != bvNone) {
        BevelColors(Inner, top, bottom);
        Frame3D(Canvas, Rect, top, bottom, BevelWidth);
    }
}

int AlignedTextX(const TRect& R, int TextWidth, TAlignment Alignment) {
    switch (Alignment) {
    case taLeftJustify: return R.Left;
    case taRightJustify: return R.Right - TextWidth;
    case taCenter: break;
    }
    return R.Left + (R.Width() - TextWidth) / 2;
}

int PanelFrameWidth(TPanelBevel Outer, TPanelBevel Inner, int BevelWidth, int BorderWidth) {
    return BorderWidth + (Outer != bvNone ? BevelWidth : 0) + (Inner != bvNone ? BevelWidth : 0);
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TPanelFrame(AOwner) {
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect rect = GetClientRect();
    DrawFrame(canvas, rect);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
    if (GetCaption().IsEmpty()) return;
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->SetFont(GetFont());
    TSize size = canvas->TextExtent(GetCaption());
    const int y = rect.Top + (rect.Height() - size.cy) / 2;
    canvas->TextRect(rect, AlignedTextX(rect, size.cx, GetAlignment()), y, GetCaption());
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(new TPicture) {
    picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { delete picture_; }

void TImage::PictureChanged(TObject*) { Invalidate(); }

void TImage::SetStretch(bool Value) {
    if (stretch_ == Value) return;
    stretch_ = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    if (center_ == Value) return;
    center_ = Value;
    Invalidate();
}

void TImage::Paint() {
    TGraphic* graphic = picture_->GetGraphic();
    if (!graphic || graphic->GetEmpty()) return;
    TRect client = GetClientRect();
    if (stretch_) {
        GetCanvas()->StretchDraw(client, graphic);
        return;
    }
    int x = center_ ? (client.Width() - graphic->GetWidth()) / 2 : 0;
    int y = center_ ? (client.Height() - graphic->GetHeight()) / 2 : 0;
    GetCanvas()->Draw(x, y, graphic);
}
