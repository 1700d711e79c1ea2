// The check box and the radio button: a mark and a caption, toggled by the
// mouse, Space and the access key; radio buttons of one parent exclude
// each other and the arrow keys move among them.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/StdCtrls.h"

namespace {
constexpr int kMarkSize = 13;
constexpr int kGap = 4;
}  // namespace

TCustomCheckControl::TCustomCheckControl(TComponent* AOwner) : TCustomControl(AOwner) {
    // A click is the toggle's; OnClick follows the change it makes.
    SetControlStyle(GetControlStyle() >> csClickEvents >> csDoubleClicks);
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckControl::StoreChecked(bool Value) {
    if (checked_ == Value) return;
    checked_ = Value;
    Invalidate();
}

void TCustomCheckControl::SetChecked(bool Value) {
    if (checked_ == Value) return;
    StoreChecked(Value);
    Click();
}

void TCustomCheckControl::Paint() {
    TCanvas* canvas = GetCanvas();
    const TRect client = GetClientRect();
    DrawMark(canvas, Rect(0, client.Top, kMarkSize, client.Bottom));
    canvas->SetFont(GetFont());
    const TSize text = CaptionExtent(canvas, GetCaption());
    const int x = kMarkSize + kGap, y = (client.Height() - text.cy) / 2;
    ClassicCaption(canvas, x, y, GetCaption(), GetEnabled());
    if (Focused()) ClassicFocusRect(canvas, Rect(x - 1, y - 1, std::min(client.Right, x + text.cx + 1), y + text.cy + 1));
}

void TCustomCheckControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        mouseDown_ = true;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomCheckControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool toggle = Button == mbLeft && mouseDown_ && GetClientRect().Contains({X, Y});
    if (Button == mbLeft) mouseDown_ = false;
    std::weak_ptr<char> alive = AliveToken();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (toggle && !alive.expired()) Toggle();
}

void TCustomCheckControl::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_SPACE) spaceDown_ = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TCustomCheckControl::KeyUp(Word& Key, TShiftState Shift) {
    const bool toggle = Key == VK_SPACE && spaceDown_;
    if (Key == VK_SPACE) spaceDown_ = false;
    std::weak_ptr<char> alive = AliveToken();
    TCustomControl::KeyUp(Key, Shift);
    if (toggle && !alive.expired()) Toggle();
}

void TCustomCheckControl::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TCustomCheckControl::DoExit() {
    spaceDown_ = false;
    Invalidate();
    TCustomControl::DoExit();
}

void TCustomCheckControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGCHAR && CanFocus() && IsAccessKey(static_cast<Word>(Message.WParam), GetCaption())) {
        Message.Result = 1;
        SetFocus();
        Toggle();
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TCheckBox::DrawMark(TCanvas* Canvas, const TRect& Box) { ClassicCheckMark(Canvas, Box, GetChecked(), GetEnabled()); }

void TRadioButton::DrawMark(TCanvas* Canvas, const TRect& Box) { ClassicRadioMark(Canvas, Box, GetChecked(), GetEnabled()); }

std::vector<TRadioButton*> TRadioButton::Group() const {
    std::vector<TRadioButton*> group;
    TWinControl* parent = GetParent();
    if (!parent) return group;
    for (int i = 0; i < parent->GetControlCount(); ++i)
        if (auto* b = dynamic_cast<TRadioButton*>(parent->GetControls(i));
            b && (b == this || (b->GetEnabled() && b->GetVisible())))
            group.push_back(b);
    std::stable_sort(group.begin(), group.end(),
                     [](TRadioButton* a, TRadioButton* b) { return a->GetTabOrder() < b->GetTabOrder(); });
    return group;
}

void TRadioButton::SetChecked(bool Value) {
    if (Value == GetChecked()) return;
    StoreChecked(Value);
    // Tab reaches a group at its checked button.
    SetTabStop(Value);
    if (!Value) return;
    for (TRadioButton* other : Group())
        if (other != this) other->SetChecked(false);
    Click();
}

void TRadioButton::KeyDown(Word& Key, TShiftState Shift) {
    const int step = Key == VK_DOWN || Key == VK_RIGHT ? 1 : Key == VK_UP || Key == VK_LEFT ? -1 : 0;
    if (step != 0) {
        std::vector<TRadioButton*> group = Group();
        const int count = static_cast<int>(group.size());
        const int at = static_cast<int>(std::find(group.begin(), group.end(), this) - group.begin());
        TRadioButton* next = group[static_cast<std::size_t>((at + step + count) % count)];
        Key = 0;
        if (next != this && next->CanFocus()) {
            next->SetFocus();
            next->SetChecked(true);
        }
        return;
    }
    TCustomCheckControl::KeyDown(Key, Shift);
}

void TRadioButton::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomCheckControl::Dispatch(Message);
}
