#include "skin/controls/SeGroupBox.h"

#include "skin/controls/SeShared.h"

TSeCustomGroupBox::TSeCustomGroupBox(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 185, 105);
}

int TSeCustomGroupBox::CaptionHeight() const {
    // Measured off screen: aligning may happen outside a paint.
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(GetFont());
    return scratch.GetCanvas()->TextHeight("0");
}

void TSeCustomGroupBox::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    Canvas->SetFont(GetFont());
    if (!GetEnabled()) Canvas->GetFont()->SetColor(clGrayText);
    DrawGroupFrame(Canvas, Rect, GetCaption());
}

void TSeCustomGroupBox::AdjustClientRect(TRect& Rect) {
    Rect.Top += CaptionHeight() + 2;
    InflateRect(Rect, -4, 0);
    Rect.Bottom -= 4;
}

void TSeCustomGroupBox::WndProc(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
    TSeCustomControl::WndProc(Message);
}
