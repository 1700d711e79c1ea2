#include "skin/controls/SeComboBox.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/SeComboPopup.h"
#include "skin/controls/SeShared.h"

namespace {
constexpr int ButtonWidth = 17;
constexpr int FrameWidth = 2;
}  // namespace

TSeCustomComboBox::TSeCustomComboBox(TComponent* AOwner)
    : TSeCustomControl(AOwner), items_(new TSeItemList(itemIndex_, [this] { ItemsChanged(); })) {
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    // OnClick tells a choice of the user, not a click on the box.
    SetControlStyle(GetControlStyle() >> csSetCaption >> csClickEvents);
    SetBounds(GetLeft(), GetTop(), 145, 21);
}

TSeCustomComboBox::~TSeCustomComboBox() {
    TComponent::Destroying();
    if (popup_) popup_->Shut();
    delete items_;
    items_ = nullptr;
}

TSeCustomListBox* TSeCustomComboBox::GetDropDownList() const { return popup_ ? popup_->GetList() : nullptr; }

TSeCustomListBox* TSeCustomComboBox::CreateDropDownList(TComponent* AOwner) { return new TSeCustomListBox(AOwner); }

void TSeCustomComboBox::ItemsChanged() {
    if (!items_ || IsDestroying()) return;
    // The open list shows a copy of the items: it would be stale.
    CloseUp(false);
    ShowSelected();
}

void TSeCustomComboBox::ShowSelected() {
    SetText(itemIndex_ >= 0 ? items_->GetStrings(itemIndex_) : AnsiString());
    Invalidate();
}

void TSeCustomComboBox::SetItemIndex(int Value) {
    if (Value < -1) Value = 0;
    if (Value >= items_->GetCount()) Value = items_->GetCount() - 1;
    itemIndex_ = Value;
    ShowSelected();
}

void TSeCustomComboBox::Clear() {
    CloseUp(false);
    items_->Clear();
    itemIndex_ = -1;
    ShowSelected();
}

void TSeCustomComboBox::SetItemHeight(int Value) {
    Value = std::max(1, Value);
    if (Value == itemHeight_) return;
    itemHeight_ = Value;
    Invalidate();
}

void TSeCustomComboBox::SetDroppedDown(bool Value) {
    if (Value == droppedDown_) return;
    if (!Value) return CloseUp(false);
    if (!GetEnabled() || !GetParentForm(this)) return;
    if (!popup_) popup_ = new TSeComboPopup(this, CreateDropDownList(this));
    droppedDown_ = true;
    Invalidate();
    popup_->Open();
}

void TSeCustomComboBox::CloseUp(bool Choose) {
    if (!droppedDown_) return;
    droppedDown_ = false;
    int chosen = popup_->GetList()->GetItemIndex();
    popup_->Shut();
    Invalidate();
    if (Choose && chosen >= 0) SelectByUser(chosen);
}

void TSeCustomComboBox::SelectByUser(int Index) {
    if (items_->GetCount() == 0) return;
    Index = std::clamp(Index, 0, items_->GetCount() - 1);
    if (Index == itemIndex_) return;
    itemIndex_ = Index;
    ShowSelected();
    std::weak_ptr<char> alive = AliveToken();
    Change();
    if (!alive.expired()) Click();
}

void TSeCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

int TSeCustomComboBox::FindByFirstCharacter(const std::string& Character, int From) const {
    int count = items_->GetCount();
    for (int step = 1; step <= count; ++step) {
        int i = ((From + step) % count + count) % count;
        AnsiString text = items_->GetStrings(i);
        const std::string& item = text.str();
        bool match = Character.size() == 1
                         ? !item.empty() && std::toupper(static_cast<unsigned char>(item[0])) ==
                                                std::toupper(static_cast<unsigned char>(Character[0]))
                         : item.compare(0, Character.size(), Character) == 0;
        if (match) return i;
    }
    return -1;
}

void TSeCustomComboBox::StepTo(int Index) {
    if (items_->GetCount() == 0) return;
    Index = std::clamp(Index, 0, items_->GetCount() - 1);
    if (GetDroppedDown()) popup_->GetList()->SetItemIndex(Index);
    else SelectByUser(Index);
}

TRect TSeCustomComboBox::ButtonRect() const {
    TRect r = GetClientRect();
    InflateRect(r, -FrameWidth, -FrameWidth);
    r.Left = std::max(r.Left, r.Right - ButtonWidth);
    return r;
}

TRect TSeCustomComboBox::TextRect() const {
    TRect r = GetClientRect();
    InflateRect(r, -FrameWidth - 1, -FrameWidth - 1);
    r.Right = std::max(r.Left, ButtonRect().Left - 1);
    return r;
}

void TSeCustomComboBox::PaintBorder(TCanvas* Canvas, TRect& Rect) { DrawSunkenFrame(Canvas, Rect); }

void TSeCustomComboBox::PaintControl(TCanvas* Canvas, const TRect&) {
    TRect button = ButtonRect();
    bool down = GetDroppedDown() || GetDrawState() == kssPressed;
    DrawButtonFace(Canvas, button, down ? kssPressed : kssNormal, false, false);
    DrawArrow(Canvas, button, kakDown, GetEnabled() ? clBtnText : clGrayText);

    TRect text = TextRect();
    Canvas->SetFont(GetFont());
    // The focused closed list shows its text selected, as a desktop user knows it.
    bool selected = Focused() && !GetDroppedDown();
    if (selected) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(clHighlight);
        Canvas->FillRect(text);
        Canvas->GetFont()->SetColor(clHighlightText);
    }
    if (!GetEnabled()) Canvas->GetFont()->SetColor(clGrayText);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextRect(text, text.Left + 2, text.Top + (text.Height() - Canvas->TextHeight("Wg")) / 2, GetText());
    if (selected) DrawFocusRect(Canvas, text);
}

void TSeCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    SetDroppedDown(!droppedDown_);
}

void TSeCustomComboBox::KeyDown(Word& Key, TShiftState Shift) {
    TSeCustomControl::KeyDown(Key, Shift);
    const bool alt = Shift.Contains(ssAlt);
    if (Key == VK_F4 || (alt && (Key == VK_DOWN || Key == VK_UP))) {
        if (droppedDown_) CloseUp(true);
        else SetDroppedDown(true);
        return;
    }
    if (droppedDown_ && (Key == VK_RETURN || Key == VK_ESCAPE)) {
        CloseUp(Key == VK_RETURN);
        return;
    }
    int current = GetDroppedDown() ? popup_->GetList()->GetItemIndex() : itemIndex_;
    int page = std::max(1, dropDownCount_ - 1);
    switch (Key) {
    case VK_UP: StepTo(current - 1); break;
    case VK_DOWN: StepTo(current + 1); break;
    case VK_PRIOR: StepTo(current - page); break;
    case VK_NEXT: StepTo(std::max(0, current) + page); break;
    case VK_HOME: StepTo(0); break;
    case VK_END: StepTo(items_->GetCount() - 1); break;
    default: break;
    }
}

void TSeCustomComboBox::KeyPress(char& Key) {
    TSeCustomControl::KeyPress(Key);
    if (Key == 0 || static_cast<unsigned char>(Key) < 0x20) return;
    std::string character;
    if (!typing_.Take(Key, character)) return;
    int current = GetDroppedDown() ? popup_->GetList()->GetItemIndex() : itemIndex_;
    int found = FindByFirstCharacter(character, current);
    if (found >= 0) StepTo(found);
}

void TSeCustomComboBox::DoEnter() {
    Invalidate();
    TSeCustomControl::DoEnter();
}

void TSeCustomComboBox::DoExit() {
    CloseUp(false);
    Invalidate();
    TSeCustomControl::DoExit();
}

void TSeCustomComboBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        // Enter and Escape belong to the open list, else to the dialog.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (droppedDown_ ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0));
        return;
    case CM_ENABLEDCHANGED:
        if (!GetEnabled()) CloseUp(false);
        break;
    default: break;
    }
    TSeCustomControl::WndProc(Message);
}

void TSeCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
    // The drop-down is a window of its own, which may be freed before us.
    if (Operation == opRemove && AComponent == popup_) {
        popup_ = nullptr;
        droppedDown_ = false;
    }
    TSeCustomControl::Notification(AComponent, Operation);
}
