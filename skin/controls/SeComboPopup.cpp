#include "skin/controls/SeComboPopup.h"

#include <algorithm>

#include "skin/controls/SeComboBox.h"

namespace {
constexpr WPARAM AnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

bool IsPress(Cardinal Msg) {
    return Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDOWN || Msg == WM_RBUTTONDBLCLK ||
           Msg == WM_MBUTTONDOWN || Msg == WM_MBUTTONDBLCLK;
}

bool IsRelease(Cardinal Msg) { return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP; }
}  // namespace

TSeComboPopup::TSeComboPopup(TSeCustomComboBox* Combo, TSeCustomListBox* List)
    : TCustomForm(Combo), combo_(Combo), list_(List) {
    SetBorderStyle(bsNone);
    // The combo box keeps the focus and its window the activation.
    SetActivateOnShow(false);
    list_->SetTabStop(false);
    list_->SetParent(this);
}

void TSeComboPopup::Open() {
    int count = combo_->GetItems()->GetCount();
    int itemHeight = combo_->GetItemHeight();
    int height = std::clamp(count, 1, combo_->GetDropDownCount()) * itemHeight + 4;
    TPoint below = combo_->ClientToScreen({0, combo_->GetHeight()});
    int top = below.y;
    if (top + height > Screen->GetHeight()) {
        int above = combo_->ClientToScreen({0, 0}).y - height;
        if (above >= 0) top = above;
    }
    list_->SetFont(combo_->GetFont());
    list_->SetItemHeight(itemHeight);
    list_->GetItems()->Assign(combo_->GetItems());
    SetBounds(below.x, top, combo_->GetWidth(), height);
    list_->SetBounds(0, 0, combo_->GetWidth(), height);
    list_->SetItemIndex(combo_->GetItemIndex());
    Show();
    SetCaptureControl(this);
}

void TSeComboPopup::Shut() {
    pressedChild_ = nullptr;
    if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    Hide();
}

TControl* TSeComboPopup::ChildAt(TPoint Pos, TPoint& Local) const {
    TControl* found = nullptr;
    const TWinControl* container = this;
    while (TControl* c = container->ControlAtPos(Pos, false, true)) {
        Pos = {Pos.x - c->GetLeft(), Pos.y - c->GetTop()};
        found = c;
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w) break;
        container = w;
    }
    Local = Pos;
    return found;
}

void TSeComboPopup::Mouse(TMessage& Message) {
    const Cardinal msg = Message.Msg;
    const TPoint pos(MousePosX(Message.LParam), MousePosY(Message.LParam));
    const bool press = IsPress(msg), release = IsRelease(msg);
    std::weak_ptr<char> alive = AliveToken();
    if (!combo_->GetShowing()) {
        // The combo box's window went away under the open list.
        combo_->CloseUp(false);
        return;
    }
    if (pressedChild_) {
        // A press on the list's scroll bar: the bar gets the moves and the release too.
        TControl* child = pressedChild_;
        if (release && !(Message.WParam & AnyButton)) pressedChild_ = nullptr;
        TPoint local = child->ScreenToClient(ClientToScreen(pos));
        child->Perform(msg, Message.WParam, MakeMousePos(local.x, local.y));
    } else if (press && !GetClientRect().Contains(pos)) {
        combo_->CloseUp(false);
        return;
    } else {
        TPoint local;
        TControl* child = ChildAt(pos, local);
        if (child && child != list_ && press) {
            pressedChild_ = child;
            child->Perform(msg, Message.WParam, MakeMousePos(local.x, local.y));
        } else if (child == list_) {
            // The item under the mouse is highlighted; releasing the left button on it chooses it.
            int index = list_->ItemAtPos(local, true);
            if (index >= 0 && (msg == WM_MOUSEMOVE || press)) list_->SetItemIndex(index);
            if (msg == WM_LBUTTONUP && index >= 0) {
                combo_->CloseUp(true);
                return;
            }
        }
    }
    // The children's own presses take the capture; the popup keeps it while open.
    if (!alive.expired() && GetVisible()) SetCaptureControl(this);
}

void TSeComboPopup::WndProc(TMessage& Message) {
    if (Message.Msg >= WM_MOUSEMOVE && Message.Msg <= WM_MBUTTONDBLCLK) {
        Mouse(Message);
        return;
    }
    TCustomForm::WndProc(Message);
}
