#include "skin/controls/SeStatusBar.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "skin/controls/SeShared.h"

TSeCustomStatusBar::TSeCustomStatusBar(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetControlStyle(GetControlStyle() >> csSetCaption);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 200, 19);
    SetAlign(alBottom);
}

void TSeCustomStatusBar::SetSizeGrip(bool Value) {
    if (Value == sizeGrip_) return;
    sizeGrip_ = Value;
    Invalidate();
}

bool TSeCustomStatusBar::GripShown() const {
    if (!sizeGrip_) return false;
    TCustomForm* form = GetParentForm(const_cast<TSeCustomStatusBar*>(this));
    if (!form || GetParent() != form) return false;
    TFormBorderStyle style = form->GetBorderStyle();
    return style == bsSizeable || style == bsSizeToolWin;
}

TRect TSeCustomStatusBar::GripRect() const {
    if (!GripShown()) return TRect();
    return TRect(GetWidth() - kGripSize - 2, std::max(0, GetHeight() - kGripSize - 2), GetWidth(), GetHeight());
}

void TSeCustomStatusBar::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    // A line above parts the bar from the form.
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetColor(clBtnShadow);
    Canvas->MoveTo(Rect.Left, Rect.Top);
    Canvas->LineTo(Rect.Right, Rect.Top);
    TRect grip = GripRect();
    TRect text(Rect.Left + 4, Rect.Top + 1, (grip.IsEmpty() ? Rect.Right : grip.Left) - 2, Rect.Bottom);
    if (!GetCaption().IsEmpty()) {
        Canvas->SetFont(GetFont());
        int y = text.Top + (text.Height() - Canvas->TextHeight(GetCaption())) / 2;
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->TextRect(text, text.Left, y, GetCaption());
        Canvas->GetBrush()->SetStyle(bsSolid);
    }
    if (!grip.IsEmpty()) DrawGrip(Canvas, grip, clBtnHighlight, clBtnShadow);
}

void TSeCustomStatusBar::DrawGrip(TCanvas* Canvas, const TRect& R, TColor Light, TColor Dark) {
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    // Three pairs of diagonals from the bottom edge to the right edge.
    for (int d = 3; d <= kGripSize; d += 4) {
        for (int k = 0; k < 2; ++k) {
            Canvas->GetPen()->SetColor(k ? Light : Dark);
            int off = d - k;
            Canvas->MoveTo(R.Right - off, R.Bottom - 1);
            Canvas->LineTo(R.Right, R.Bottom - 1 - off);
        }
    }
}

void TSeCustomStatusBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomForm* form = GetParentForm(this);
    if (Button == mbLeft && form && GripRect().Contains({X, Y})) {
        sizing_ = true;
        sizeFrom_ = ClientToScreen({X, Y});
        formFrom_ = form->GetBoundsRect();
    }
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSeCustomStatusBar::MouseMove(TShiftState Shift, int X, int Y) {
    if (sizing_) {
        // Measured on the screen: the bar moves with the form it resizes.
        TPoint now = ClientToScreen({X, Y});
        int width = std::max(kGripSize * 4, formFrom_.Width() + now.x - sizeFrom_.x);
        int height = std::max(GetHeight() * 2, formFrom_.Height() + now.y - sizeFrom_.y);
        if (TCustomForm* form = GetParentForm(this))
            form->SetBounds(formFrom_.Left, formFrom_.Top, width, height);
    } else {
        SetCursor(GripRect().Contains({X, Y}) ? crSizeNWSE : crDefault);
    }
    TSeCustomControl::MouseMove(Shift, X, Y);
}

void TSeCustomStatusBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) sizing_ = false;
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomStatusBar::WndProc(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
    TSeCustomControl::WndProc(Message);
}
