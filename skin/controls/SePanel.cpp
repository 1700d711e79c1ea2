#include "skin/controls/SePanel.h"

#include <algorithm>

#include "skin/controls/SeShared.h"

namespace {

void DrawBevel(TCanvas* Canvas, TRect& R, TPanelBevel Bevel, int Width) {
    if (Bevel == bvNone) return;
    if (Bevel == bvSpace) {
        InflateRect(R, -Width, -Width);
        return;
    }
    bool raised = Bevel == bvRaised;
    Frame3D(Canvas, R, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, Width);
}

int BevelSpace(TPanelBevel Bevel, int Width) { return Bevel == bvNone ? 0 : Width; }

}  // namespace

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
    DrawBevel(Canvas, R, bevelOuter_, bevelWidth_);
    InflateRect(R, -borderWidth_, -borderWidth_);
    DrawBevel(Canvas, R, bevelInner_, bevelWidth_);
}

void TSeCustomPanel::PaintControl(TCanvas* Canvas, const TRect& R) {
    if (GetCaption().IsEmpty()) return;
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    TSize text = Canvas->TextExtent(GetCaption());
    int x = alignment_ == taLeftJustify    ? R.Left
            : alignment_ == taRightJustify ? R.Right - text.cx
                                           : R.Left + (R.Width() - text.cx) / 2;
    int y = R.Top + (R.Height() - text.cy) / 2;
    if (GetEnabled()) Canvas->TextOut(x, y, GetCaption());
    else DrawGrayText(Canvas, x, y, GetCaption());
}

void TSeCustomPanel::AdjustClientRect(TRect& R) {
    int inset = BevelSpace(bevelOuter_, bevelWidth_) + borderWidth_ + BevelSpace(bevelInner_, bevelWidth_);
    InflateRect(R, -inset, -inset);
}
