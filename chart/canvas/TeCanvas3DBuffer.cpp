// The off-screen picture of the 3-D canvas: a paint draws into it and
// reaches the window with one copy, and a repaint with nothing changed only
// copies it again.
#include "chart/canvas/TeCanvas.h"

// A monochrome picture's bits take the destination's text and background
// colours; the copy makes those black and white, so that the chart shows
// black and white whatever font and brush the window's canvas holds.
void TTeeCanvas3D::TransferBitmap(int Left, int Top, TCanvas* ACanvas) {
    HDC dc = ACanvas->GetHandle();
    const bool monochrome = bitmap_->GetMonochrome();
    COLORREF text = 0, back = 0;
    if (monochrome) {
        text = SetTextColor(dc, clBlack);
        back = SetBkColor(dc, clWhite);
    }
    BitBlt(dc, Left, Top, bitmap_->GetWidth(), bitmap_->GetHeight(), bitmap_->GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
    if (monochrome) {
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }
}

void TTeeCanvas3D::ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) {
    if (useBuffer_ && bitmap_) {
        TransferBitmap(UserRect.Left, UserRect.Top, DestCanvas);
        stale_ = false;
    }
    SetCanvas(DefaultCanvas);
}

// Without a picture, or without a canvas to show it on, the chart must be
// drawn anew whatever the stale flag says.
bool TTeeCanvas3D::ReDrawBitmap() {
    if (stale_ || !bitmap_ || !GetCanvas()) return false;
    TransferBitmap(0, 0, GetCanvas());
    return true;
}

// The picture is gone, so the next paint draws again. A canvas still
// drawing into it is let go rather than left pointing at freed memory.
void TTeeCanvas3D::DeleteBitmap() {
    stale_ = true;
    if (!bitmap_) return;
    if (GetCanvas() == bitmap_->GetCanvas()) SetCanvas(nullptr);
    delete bitmap_;
    bitmap_ = nullptr;
}

void TTeeCanvas3D::SetUseBuffer(bool Value) {
    useBuffer_ = Value;
    if (!Value) DeleteBitmap();
}

void TTeeCanvas3D::SetMonochrome(bool Value) {
    if (Value == monochrome_) return;
    monochrome_ = Value;
    DeleteBitmap();
    if (view3DOptions_) view3DOptions_->Repaint();
}
