#include "skin/controls/SeCheckBoxes.h"

#include <algorithm>

#include "skin/controls/SeShared.h"

// ---- TSeCustomCheckControl -----------------------------------------------

TSeCustomCheckControl::TSeCustomCheckControl(TComponent* AOwner) : TSeCustomControl(AOwner) {
    // The toggle comes from MouseUp and Space; Click is the change's notice.
    SetControlStyle(GetControlStyle() >> csClickEvents >> csDoubleClicks);
    SetTabStop(true);
    SetColor(clBtnFace);
    SetBounds(GetLeft(), GetTop(), 97, 17);
}

void TSeCustomCheckControl::SetAlignment(TAlignment Value) {
    if (Value == alignment_) return;
    alignment_ = Value;
    Invalidate();
}

TSeState TSeCustomCheckControl::GetDrawState() const {
    if (GetEnabled() && spaceDown_) return kssPressed;
    return TSeCustomControl::GetDrawState();
}

TRect TSeCustomCheckControl::BoxRect(const TRect& R) const {
    int top = R.Top + (R.Height() - kBoxSize) / 2;
    int left = alignment_ == taLeftJustify ? R.Right - kBoxSize : R.Left;
    return Bounds(left, top, kBoxSize, kBoxSize);
}

TRect TSeCustomCheckControl::CaptionRect(const TRect& R) const {
    if (alignment_ == taLeftJustify) return TRect(R.Left, R.Top, R.Right - kBoxSize - kGap, R.Bottom);
    return TRect(R.Left + kBoxSize + kGap, R.Top, R.Right, R.Bottom);
}

void TSeCustomCheckControl::PaintControl(TCanvas* Canvas, const TRect& R) {
    DrawBox(Canvas, BoxRect(R));
    Canvas->SetFont(GetFont());
    DrawCaption(Canvas, R);
}

void TSeCustomCheckControl::DrawCaption(TCanvas* Canvas, const TRect& R) {
    if (GetCaption().IsEmpty()) return;
    TRect area = CaptionRect(R);
    TSize text = Canvas->TextExtent(GetCaption());
    int x = area.Left + 1;
    int y = area.Top + (area.Height() - text.cy) / 2;
    if (GetEnabled()) {
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->TextRect(area, x, y, GetCaption());
        Canvas->GetBrush()->SetStyle(bsSolid);
    } else {
        DrawGrayText(Canvas, x, y, GetCaption());
    }
    if (Focused()) {
        TRect focus = Bounds(x - 1, y, std::min(text.cx + 2, area.Width()), text.cy);
        DrawFocusRect(Canvas, focus);
    }
}

void TSeCustomCheckControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSeCustomCheckControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // Box or caption: the whole control answers, as long as the release is inside.
    bool toggle = Button == mbLeft && GetPressed() && GetEnabled() && GetClientRect().Contains({X, Y});
    std::weak_ptr<char> alive = AliveToken();
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    if (toggle && !alive.expired()) Toggle();
}

void TSeCustomCheckControl::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_SPACE && !spaceDown_) {
        spaceDown_ = true;
        Invalidate();
    }
    TSeCustomControl::KeyDown(Key, Shift);
}

void TSeCustomCheckControl::KeyUp(Word& Key, TShiftState Shift) {
    bool toggle = Key == VK_SPACE && spaceDown_;
    if (toggle) {
        spaceDown_ = false;
        Invalidate();
    }
    std::weak_ptr<char> alive = AliveToken();
    TSeCustomControl::KeyUp(Key, Shift);
    if (toggle && !alive.expired() && GetEnabled()) Toggle();
}

void TSeCustomCheckControl::DoEnter() {
    Invalidate();
    TSeCustomControl::DoEnter();
}

void TSeCustomCheckControl::DoExit() {
    spaceDown_ = false;
    Invalidate();
    TSeCustomControl::DoExit();
}

void TSeCustomCheckControl::WndProc(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
    TSeCustomControl::WndProc(Message);
}

// ---- TSeCustomCheckBox ---------------------------------------------------

TSeCustomCheckBox::TSeCustomCheckBox(TComponent* AOwner) : TSeCustomCheckControl(AOwner) {}

void TSeCustomCheckBox::SetState(TCheckBoxState Value) {
    if (Value == state_) return;
    state_ = Value;
    Invalidate();
    if (!Loading()) Click();
}

void TSeCustomCheckBox::Toggle() {
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbGrayed: SetState(cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    }
}

void TSeCustomCheckBox::DrawBox(TCanvas* Canvas, const TRect& Box) {
    // Grayed: the tick in grey on a face-coloured box, as a disabled tick is drawn.
    bool enabled = GetEnabled() && state_ != cbGrayed;
    DrawCheckGlyph(Canvas, Box, state_ != cbUnchecked, enabled);
}

// ---- TSeCustomRadioButton ------------------------------------------------

TSeCustomRadioButton::TSeCustomRadioButton(TComponent* AOwner) : TSeCustomCheckControl(AOwner) {
    SetBounds(GetLeft(), GetTop(), 113, 17);
}

void TSeCustomRadioButton::SetChecked(bool Value) {
    if (Value == checked_) return;
    checked_ = Value;
    Invalidate();
    if (!checked_) return;
    if (TWinControl* parent = GetParent())
        for (int i = 0; i < parent->GetControlCount(); ++i) {
            auto* other = dynamic_cast<TSeCustomRadioButton*>(parent->GetControls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
        }
    if (!Loading()) Click();
}

void TSeCustomRadioButton::Toggle() {
    if (!checked_) SetChecked(true);
}

void TSeCustomRadioButton::DrawBox(TCanvas* Canvas, const TRect& Box) {
    DrawRadioGlyph(Canvas, Box, checked_, GetEnabled());
}

std::vector<TSeCustomRadioButton*> TSeCustomRadioButton::Group() const {
    std::vector<TSeCustomRadioButton*> group;
    TWinControl* parent = GetParent();
    if (!parent) return group;
    std::vector<TWinControl*> order;
    parent->GetTabOrderList(order);
    for (TWinControl* control : order) {
        auto* radio = dynamic_cast<TSeCustomRadioButton*>(control);
        if (radio && radio->GetParent() == parent && radio->groupIndex_ == groupIndex_ &&
            (radio == this || (radio->GetEnabled() && radio->GetVisible())))
            group.push_back(radio);
    }
    return group;
}

void TSeCustomRadioButton::KeyDown(Word& Key, TShiftState Shift) {
    int step = (Key == VK_DOWN || Key == VK_RIGHT) ? 1 : (Key == VK_UP || Key == VK_LEFT) ? -1 : 0;
    std::vector<TSeCustomRadioButton*> group = step ? Group() : std::vector<TSeCustomRadioButton*>{};
    if (group.size() < 2) {
        TSeCustomCheckControl::KeyDown(Key, Shift);
        return;
    }
    // The arrows move the focus and the check round the group.
    int count = static_cast<int>(group.size());
    int at = static_cast<int>(std::find(group.begin(), group.end(), this) - group.begin());
    TSeCustomRadioButton* next = group[(at + step + count) % count];
    Key = 0;
    next->SetFocus();
    next->SetChecked(true);
}
