#include "skin/controls/SeMenuBar.h"

#include <algorithm>
#include <memory>

namespace {

bool IsAccessKey(Word Key) { return (Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9'); }

}  // namespace

TSeCustomMenuBar::TSeCustomMenuBar(TComponent* AOwner) : TSeCustomControl(AOwner), root_(new TSeCustomItem(this)) {
    root_->OnChange = TNotifyEvent(this, &TSeCustomMenuBar::ItemsChanged);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetAlign(alTop);
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(GetFont());
    SetHeight(scratch.GetCanvas()->TextHeight("Wg") + 8);
    AddKeyHook(this, [this](TCustomForm* Form, Word Key, TShiftState Shift, bool Down) {
        return HookKey(Form, Key, Shift, Down);
    });
}

TSeCustomMenuBar::~TSeCustomMenuBar() {
    RemoveKeyHook(this);
    root_->OnChange = TNotifyEvent();
    closing_ = true;
    ClosePopupsFrom(0);
    SetMouseCapture(false);
}

TSePopupWindow* TSeCustomMenuBar::GetPopup(int Level) const {
    return Level >= 0 && Level < GetPopupCount() ? popups_[static_cast<std::size_t>(Level)] : nullptr;
}

TSeCustomItem* TSeCustomMenuBar::BarItem(int Index) const {
    return Index >= 0 && Index < root_->GetCount() ? root_->GetItems(Index) : nullptr;
}

bool TSeCustomMenuBar::HasVisibleItems(TSeCustomItem* Item) const {
    for (int i = 0; i < Item->GetCount(); ++i)
        if (Item->GetItems(i)->GetVisible()) return true;
    return false;
}

TRect TSeCustomMenuBar::ItemRect(int Index) {
    TSeCustomItem* item = BarItem(Index);
    if (!item || !item->GetVisible()) return TRect();
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(GetFont());
    int x = 2;
    for (int i = 0; i < Index; ++i)
        if (root_->GetItems(i)->GetVisible()) x += root_->GetItems(i)->BarItemWidth(scratch.GetCanvas());
    return Rect(x, 1, x + item->BarItemWidth(scratch.GetCanvas()), GetHeight() - 1);
}

int TSeCustomMenuBar::ItemAt(int X, int Y) {
    for (int i = 0; i < root_->GetCount(); ++i)
        if (ItemRect(i).Contains({X, Y})) return i;
    return -1;
}

int TSeCustomMenuBar::NextBarIndex(int From, bool Right) const {
    const int count = root_->GetCount();
    int i = From < 0 ? (Right ? count - 1 : 0) : From;
    for (int step = 0; step < count; ++step) {
        i = (i + (Right ? 1 : count - 1)) % count;
        if (root_->GetItems(i)->GetVisible()) return i;
    }
    return -1;
}

int TSeCustomMenuBar::BarItemForKey(Word Key) const {
    for (int i = 0; i < root_->GetCount(); ++i) {
        TSeCustomItem* item = root_->GetItems(i);
        if (item->GetVisible() && item->GetAccessKey() == static_cast<char>(Key)) return i;
    }
    return -1;
}

int TSeCustomMenuBar::PopupLevelAt(const TPoint& Pos) const {
    for (int level = GetPopupCount() - 1; level >= 0; --level)
        if (popups_[static_cast<std::size_t>(level)]->ContainsScreen(Pos)) return level;
    return -1;
}

// ---- opening and closing -----------------------------------------------------

void TSeCustomMenuBar::OpenItem(int Index, bool SelectFirst) {
    TSeCustomItem* item = BarItem(Index);
    if (!item || !item->GetVisible()) return;
    ClosePopupsFrom(0);
    barIndex_ = Index;
    mode_ = kBar;
    SetMouseCapture(true);
    Invalidate();
    if (!item->GetEnabled() || !HasVisibleItems(item)) return;
    auto* popup = new TSePopupWindow(this, item);
    popup->SetFont(GetFont());
    popups_.push_back(popup);
    mode_ = kPopup;
    TRect r = ItemRect(Index);
    const TPoint topLeft = ClientToScreen({r.Left, r.Top});
    popup->Popup(Bounds(topLeft.x, topLeft.y, r.Width(), r.Height()), true);
    if (SelectFirst) popup->SetSelected(popup->NextSelectable(-1, true));
    // Showing a window may move the capture: the menu keeps every click.
    SetMouseCapture(true);
}

void TSeCustomMenuBar::OpenSubmenu(int Level, int Index, bool SelectFirst) {
    TSePopupWindow* parent = GetPopup(Level);
    if (!parent) return;
    TSeCustomItem* item = parent->GetItem()->GetItems(Index);
    ClosePopupsFrom(Level + 1);
    if (!item->GetEnabled() || !HasVisibleItems(item)) return;
    auto* popup = new TSePopupWindow(this, item);
    popup->SetFont(GetFont());
    popups_.push_back(popup);
    TRect r = parent->ItemRect(Index);
    const TPoint topLeft = parent->ClientToScreen({r.Left, r.Top});
    popup->Popup(Bounds(topLeft.x, topLeft.y - kPopupInset, r.Width() + kPopupInset, r.Height()), false);
    if (SelectFirst) popup->SetSelected(popup->NextSelectable(-1, true));
    SetMouseCapture(true);
}

void TSeCustomMenuBar::ClosePopupsFrom(int Level) {
    while (GetPopupCount() > Level) {
        TSePopupWindow* popup = popups_.back();
        popups_.pop_back();
        popup->Hide();
        delete popup;
    }
}

void TSeCustomMenuBar::CloseMenus() {
    ClosePopupsFrom(0);
    mode_ = kNone;
    barIndex_ = -1;
    altDown_ = false;
    SetMouseCapture(false);
    Invalidate();
}

void TSeCustomMenuBar::RunItem(TSeCustomItem* Item) {
    CloseMenus();
    if (Item && Item->IsSelectable()) Item->Click();
}

void TSeCustomMenuBar::EnterBarMode() {
    ClosePopupsFrom(0);
    barIndex_ = NextBarIndex(-1, true);
    if (barIndex_ < 0) return;
    mode_ = kBar;
    SetMouseCapture(true);
    Invalidate();
}

void TSeCustomMenuBar::ItemsChanged(TObject*) {
    // An open popup may show an item that just went away: start afresh.
    if (!closing_ && mode_ != kNone) CloseMenus();
    Invalidate();
}

void TSeCustomMenuBar::Notification(TComponent* AComponent, TOperation Operation) {
    TSeCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    auto it = std::find(popups_.begin(), popups_.end(), AComponent);
    if (it == popups_.end()) return;
    // Freed by someone else: the deeper levels go with it.
    const int level = static_cast<int>(it - popups_.begin());
    popups_.erase(it);
    ClosePopupsFrom(level);
    if (popups_.empty() && mode_ == kPopup) mode_ = kBar;
}

// ---- keys --------------------------------------------------------------------

bool TSeCustomMenuBar::HookKey(TCustomForm* Form, Word Key, TShiftState Shift, bool Down) {
    if (mode_ == kNone) {
        if (!Form || Form != GetParentForm(this) || !GetShowing() || !GetEnabled()) return false;
        if (Key == VK_MENU) {
            // Alt alone, pressed and released, highlights the bar.
            const bool alone = altDown_;
            altDown_ = Down;
            if (Down || !alone) return false;
            EnterBarMode();
            return true;
        }
        if (!Down) return false;
        altDown_ = false;
        const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
        if (Key == VK_F10 && plain) {
            EnterBarMode();
            return true;
        }
        if (Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl) && IsAccessKey(Key)) {
            const int index = BarItemForKey(Key);
            if (index < 0) return false;
            OpenItem(index, true);
            return true;
        }
        return false;
    }
    // While the menu is tracking every key is the menu's.
    if (Key == VK_MENU) {
        if (Down) altDown_ = true;
        else if (altDown_) CloseMenus();
        return true;
    }
    if (!Down) return true;
    altDown_ = false;
    if (Key == VK_F10) {
        CloseMenus();
        return true;
    }
    if (mode_ == kBar) BarKey(Key);
    else PopupKey(Key);
    return true;
}

void TSeCustomMenuBar::BarKey(Word Key) {
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
        barIndex_ = NextBarIndex(barIndex_, Key == VK_RIGHT);
        Invalidate();
        return;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN: {
        TSeCustomItem* item = BarItem(barIndex_);
        if (item && Key == VK_RETURN && !HasVisibleItems(item)) return RunItem(item);
        OpenItem(barIndex_, true);
        return;
    }
    case VK_ESCAPE: CloseMenus(); return;
    default:
        if (!IsAccessKey(Key)) return;
        const int index = BarItemForKey(Key);
        if (index < 0) return;
        TSeCustomItem* item = BarItem(index);
        if (!HasVisibleItems(item)) return RunItem(item);
        OpenItem(index, true);
    }
}

void TSeCustomMenuBar::PopupKey(Word Key) {
    const int level = GetPopupCount() - 1;
    TSePopupWindow* popup = popups_.back();
    TSeCustomItem* parent = popup->GetItem();
    const int selected = popup->GetSelected();
    TSeCustomItem* item = selected >= 0 ? parent->GetItems(selected) : nullptr;
    switch (Key) {
    case VK_UP:
    case VK_DOWN: popup->SetSelected(popup->NextSelectable(selected, Key == VK_DOWN)); return;
    case VK_RIGHT:
        if (item && item->IsSelectable() && HasVisibleItems(item)) return OpenSubmenu(level, selected, true);
        return OpenItem(NextBarIndex(barIndex_, true), true);
    case VK_LEFT:
        if (level > 0) return ClosePopupsFrom(level);
        return OpenItem(NextBarIndex(barIndex_, false), true);
    case VK_RETURN:
        if (!item || !item->IsSelectable()) return;
        if (HasVisibleItems(item)) return OpenSubmenu(level, selected, true);
        return RunItem(item);
    case VK_ESCAPE:
        ClosePopupsFrom(level);
        if (level == 0) mode_ = kBar;  // the bar item stays highlighted
        Invalidate();
        return;
    default: break;
    }
    if (!IsAccessKey(Key)) return;
    for (int i = 0; i < parent->GetCount(); ++i) {
        TSeCustomItem* candidate = parent->GetItems(i);
        if (!candidate->GetVisible() || candidate->IsLine() || candidate->GetAccessKey() != static_cast<char>(Key))
            continue;
        if (!candidate->GetEnabled()) return;
        popup->SetSelected(i);
        if (HasVisibleItems(candidate)) return OpenSubmenu(level, i, true);
        return RunItem(candidate);
    }
}

// ---- mouse -------------------------------------------------------------------

void TSeCustomMenuBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    const TPoint screen = ClientToScreen({X, Y});
    if (const int level = mode_ != kNone ? PopupLevelAt(screen) : -1; level >= 0) {
        // A press on an item with sub-items opens them; the release runs the others.
        TSePopupWindow* popup = popups_[static_cast<std::size_t>(level)];
        const int index = popup->ItemAtScreen(screen);
        TSeCustomItem* item = index >= 0 ? popup->GetItem()->GetItems(index) : nullptr;
        const bool open = level + 1 < GetPopupCount() && popups_[static_cast<std::size_t>(level) + 1]->GetItem() == item;
        if (item && item->IsSelectable() && HasVisibleItems(item) && !open) {
            popup->SetSelected(index);
            OpenSubmenu(level, index, false);
        }
        return;
    }
    const int index = GetClientRect().Contains({X, Y}) ? ItemAt(X, Y) : -1;
    if (index < 0) {
        if (mode_ != kNone) CloseMenus();  // a click outside every menu
        return;
    }
    if (mode_ == kPopup && index == barIndex_) return CloseMenus();
    TSeCustomItem* item = BarItem(index);
    if (!HasVisibleItems(item) && item->GetEnabled()) return RunItem(item);
    OpenItem(index, false);
}

void TSeCustomMenuBar::MouseMove(TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseMove(Shift, X, Y);
    const TPoint screen = ClientToScreen({X, Y});
    for (TSePopupWindow* popup : popups_) popup->TrackMouse(screen);
    if (mode_ == kPopup) {
        const int level = PopupLevelAt(screen);
        if (level >= 0) {
            TSePopupWindow* popup = popups_[static_cast<std::size_t>(level)];
            const int index = popup->ItemAtScreen(screen);
            if (index < 0 || index == popup->GetSelected()) return;
            popup->SetSelected(index);
            TSeCustomItem* item = popup->GetItem()->GetItems(index);
            if (item->IsSelectable() && HasVisibleItems(item)) OpenSubmenu(level, index, false);
            else ClosePopupsFrom(level + 1);
            return;
        }
    }
    const int index = GetClientRect().Contains({X, Y}) ? ItemAt(X, Y) : -1;
    if (mode_ == kPopup) {
        if (index >= 0 && index != barIndex_) OpenItem(index, false);
        return;
    }
    if (index != hotIndex_) {
        hotIndex_ = index;
        Invalidate();
    }
}

void TSeCustomMenuBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    std::weak_ptr<char> alive = AliveToken();
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
    if (alive.expired() || mode_ == kNone) return;
    const TPoint screen = ClientToScreen({X, Y});
    const int level = PopupLevelAt(screen);
    if (level >= 0 && Button == mbLeft) {
        TSePopupWindow* popup = popups_[static_cast<std::size_t>(level)];
        const int index = popup->ItemAtScreen(screen);
        TSeCustomItem* item = index >= 0 ? popup->GetItem()->GetItems(index) : nullptr;
        if (item && item->IsSelectable() && !HasVisibleItems(item)) return RunItem(item);
    }
    // The release ended the press's capture: the open menu takes it back.
    SetMouseCapture(true);
}

void TSeCustomMenuBar::MouseLeave() {
    if (hotIndex_ >= 0) {
        hotIndex_ = -1;
        Invalidate();
    }
    TSeCustomControl::MouseLeave();
}

void TSeCustomMenuBar::WndProc(TMessage& Message) {
    // Hidden or disabled, the bar leaves its menus.
    if ((Message.Msg == CM_VISIBLECHANGED || Message.Msg == CM_ENABLEDCHANGED) && mode_ != kNone) CloseMenus();
    TSeCustomControl::WndProc(Message);
}

// ---- painting ----------------------------------------------------------------

void TSeCustomMenuBar::PaintBar(TCanvas* Canvas, const TRect& Rect) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->FillRect(Rect);
}

void TSeCustomMenuBar::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    PaintBar(Canvas, Rect);
    for (int i = 0; i < root_->GetCount(); ++i) {
        TRect r = ItemRect(i);
        if (r.IsEmpty()) continue;
        TSeState state = kssNormal;
        if (i == barIndex_) state = mode_ == kPopup ? kssPressed : kssHot;
        else if (i == hotIndex_ && mode_ == kNone) state = kssHot;
        if (!root_->GetItems(i)->GetEnabled()) state = kssDisabled;
        Canvas->SetFont(GetFont());
        root_->GetItems(i)->PaintBarItem(Canvas, r, state);
    }
}
