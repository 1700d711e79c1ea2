// The drop-down list combo box: the selected item's text, its button, the
// keys that step through the items and the list that drops down.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/ComboDropDown.h"

namespace {
constexpr int kButtonWidth = 16;
}  // namespace

TComboBox::TComboBox(TComponent* AOwner) : TCustomControl(AOwner), items_(new TStringList) {
    items_->OnChange = TNotifyEvent(this, &TComboBox::ItemsChanged);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    // OnChange tells the user's choice; a click on the box is no event of its own.
    SetControlStyle(GetControlStyle() >> csSetCaption >> csClickEvents);
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() {
    TComponent::Destroying();
    if (dropDown_) dropDown_->Shut();
    items_->OnChange = nullptr;
    delete items_;
}

void TComboBox::ItemsChanged(TObject*) {
    // The open list would show stale rows.
    CloseUp(false);
    if (itemIndex_ >= items_->GetCount()) itemIndex_ = -1;
    SetText(itemIndex_ >= 0 ? items_->GetStrings(itemIndex_) : AnsiString());
    Invalidate();
}

void TComboBox::SetItemIndex(int Value) {
    Value = std::clamp(Value, -1, items_->GetCount() - 1);
    itemIndex_ = Value;
    SetText(Value >= 0 ? items_->GetStrings(Value) : AnsiString());
    Invalidate();
}

void TComboBox::Choose(int Index) {
    if (items_->GetCount() == 0) return;
    Index = std::clamp(Index, 0, items_->GetCount() - 1);
    if (Index == itemIndex_) return;
    SetItemIndex(Index);
    if (OnChange) OnChange(this);
}

void TComboBox::SetDroppedDown(bool Value) {
    if (Value == droppedDown_) return;
    if (!Value) return CloseUp(false);
    if (!GetEnabled() || !GetShowing()) return;
    if (!dropDown_) dropDown_ = new TComboDropDown(this);
    droppedDown_ = true;
    Invalidate();
    dropDown_->Open();
}

void TComboBox::CloseUp(bool ChooseMarked) {
    if (!droppedDown_) return;
    droppedDown_ = false;
    const int marked = dropDown_->GetMarked();
    dropDown_->Shut();
    Invalidate();
    if (ChooseMarked && marked >= 0) Choose(marked);
}

TRect TComboBox::ButtonRect() const {
    TRect inner = GetClientRect();
    InflateRect(inner, -2, -2);
    return TRect(std::max(inner.Left, inner.Right - kButtonWidth), inner.Top, inner.Right, inner.Bottom);
}

void TComboBox::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect inner = GetClientRect();
    ClassicSunkenEdge(canvas, inner);
    ClassicFill(canvas, inner, GetEnabled() ? GetColor() : clBtnFace);
    TRect button = ButtonRect();
    ClassicButtonFace(canvas, button, droppedDown_);
    ClassicArrow(canvas, button, arDown, GetEnabled());
    // The text shows selected while the box has the focus and the list is shut.
    const TRect text(inner.Left + 1, inner.Top + 1, ButtonRect().Left - 1, inner.Bottom - 1);
    const bool marked = Focused() && !droppedDown_;
    canvas->SetFont(GetFont());
    ClassicItemText(canvas, text, GetText(), marked, GetEnabled());
    if (marked) ClassicFocusRect(canvas, text);
}

void TComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && GetEnabled()) {
        if (!Focused() && CanFocus()) SetFocus();
        if (droppedDown_) CloseUp(false);
        else SetDroppedDown(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

int TComboBox::KeyTarget(Word Key) const {
    const int last = items_->GetCount() - 1;
    const int from = droppedDown_ ? dropDown_->GetMarked() : itemIndex_;
    const int page = std::max(1, (droppedDown_ ? dropDown_->GetRows() : dropDownCount_) - 1);
    switch (Key) {
    case VK_HOME: return 0;
    case VK_END: return last;
    case VK_UP: case VK_LEFT: return std::max(0, from - 1);
    case VK_DOWN: case VK_RIGHT: return std::min(last, from + 1);
    case VK_PRIOR: return std::max(0, from - page);
    case VK_NEXT: return std::min(last, std::max(0, from) + page);
    default: return -1;
    }
}

void TComboBox::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    const bool openOrShut = Key == VK_F4 || (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN));
    if (openOrShut && droppedDown_) return CloseUp(true);
    if (openOrShut) return SetDroppedDown(true);
    if (droppedDown_ && (Key == VK_RETURN || Key == VK_ESCAPE)) return CloseUp(Key == VK_RETURN);
    if (items_->GetCount() == 0) return;
    const int target = KeyTarget(Key);
    if (target < 0) return;
    // Shut, the keys choose; open, they move the mark.
    if (droppedDown_) dropDown_->Mark(target);
    else Choose(target);
}

void TComboBox::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TComboBox::DoExit() {
    CloseUp(false);
    Invalidate();
    TCustomControl::DoExit();
}

void TComboBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        // Enter and Escape belong to the open list, else to the dialog.
        Message.Result = DLGC_WANTARROWS | (droppedDown_ ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0));
        return;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
        CloseUp(false);
        break;
    default: break;
    }
    TCustomControl::Dispatch(Message);
}

void TComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == dropDown_) {
        dropDown_ = nullptr;
        droppedDown_ = false;
    }
    TCustomControl::Notification(AComponent, Operation);
}
