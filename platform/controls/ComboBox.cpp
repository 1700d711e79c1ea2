// The drop-down list combo box: the selected item's text, its button, the
// keys that step through the items and the list that drops down.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/ComboDropDown.h"

namespace {
constexpr int kButtonWidth = 17;
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

void TComboBox::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect frame = GetClientRect();
    ClassicSunkenEdge(canvas, frame);
    ClassicFill(canvas, frame, GetEnabled() ? GetColor() : clBtnFace);
    TRect button = frame;
    button.Left = std::max(frame.Left, frame.Right - kButtonWidth);
    TRect face = button;
    ClassicButtonFace(canvas, face, droppedDown_);
    ClassicArrow(canvas, face, caDown, GetEnabled());

    TRect text(frame.Left + 1, frame.Top + 1, button.Left - 1, frame.Bottom - 1);
    canvas->SetFont(GetFont());
    // Focused and closed, the text shows selected.
    const bool selected = Focused() && !droppedDown_;
    if (selected) {
        ClassicFill(canvas, text, clHighlight);
        canvas->GetFont()->SetColor(clHighlightText);
    }
    if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->TextRect(text, text.Left + 2, text.Top + (text.Height() - canvas->TextHeight("Wg")) / 2, GetText());
    if (selected) ClassicFocusRect(canvas, text);
}

void TComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    SetDroppedDown(!droppedDown_);
}

void TComboBox::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_F4 || (Shift.Contains(ssAlt) && (Key == VK_DOWN || Key == VK_UP))) {
        if (droppedDown_) CloseUp(true);
        else SetDroppedDown(true);
        return;
    }
    if (droppedDown_ && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        CloseUp(Key == VK_RETURN);
        return;
    }
    const int count = items_->GetCount();
    if (count == 0) return;
    const int current = droppedDown_ ? dropDown_->GetMarked() : itemIndex_;
    const int page = droppedDown_ ? std::max(1, dropDown_->GetRows() - 1) : std::max(1, dropDownCount_ - 1);
    int next;
    switch (Key) {
    case VK_UP: case VK_LEFT: next = current - 1; break;
    case VK_DOWN: case VK_RIGHT: next = current + 1; break;
    case VK_PRIOR: next = current - page; break;
    case VK_NEXT: next = std::max(0, current) + page; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = count - 1; break;
    default: return;
    }
    next = std::clamp(next, 0, count - 1);
    // Open, the keys move the mark; closed, they choose.
    if (droppedDown_) dropDown_->Mark(next);
    else Choose(next);
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
