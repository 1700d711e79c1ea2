#include "skin/controls/SePanel.h"

#include <algorithm>

#include "skin/controls/SeShared.h"

TSeCustomPanel::TSeCustomPanel(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 185, 41);
}

void TSeCustomPanel::SetCaption(const AnsiString& Value) {
    if (Value == GetCaption()) return;
    SetText(Value);
    Invalidate();
}

void TSeCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (Value == bevelInner_) return;
    bevelInner_ = Value;
    Changed();
}

void TSeCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (Value == bevelOuter_) return;
    bevelOuter_ = Value;
    Changed();
}

void TSeCustomPanel::SetBevelWidth(int Value) {
    Value = std::max(1, Value);
    if (Value == bevelWidth_) return;
    bevelWidth_ = Value;
    Changed();
}

void TSeCustomPanel::SetBorderWidth(int Value) {
    Value = std::max(0, Value);
    if (Value == borderWidth_) return;
    borderWidth_ = Value;
    Changed();
}

void TSeCustomPanel::SetAlignment(TAlignment Value) {
    if (Value == alignment_) return;
    alignment_ = Value;
    Invalidate();
}

void TSeCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TSeCustomPanel::PaintBorder(TCanvas* Canvas, TRect& R) {
    DrawPanelFrame(Canvas, R, bevelOuter_, bevelInner_, bevelWidth_, borderWidth_, GetColor());
}

void TSeCustomPanel::PaintControl(TCanvas* Canvas, const TRect& R) {
    if (GetCaption().IsEmpty()) return;
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    TSize text = Canvas->TextExtent(GetCaption());
    int x = AlignedTextX(R, text.cx, alignment_);
    int y = R.Top + (R.Height() - text.cy) / 2;
    if (GetEnabled()) Canvas->TextOut(x, y, GetCaption());
    else DrawGrayText(Canvas, x, y, GetCaption());
}

void TSeCustomPanel::AdjustClientRect(TRect& R) {
    int inset = PanelFrameWidth(bevelOuter_, bevelInner_, bevelWidth_, borderWidth_);
    InflateRect(R, -inset, -inset);
}
