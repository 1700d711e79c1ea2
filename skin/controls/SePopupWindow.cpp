#include "skin/controls/SePopupWindow.h"

#include <algorithm>

#include "skin/controls/SeShared.h"

namespace {

constexpr int kScrollMs = 100;

}  // namespace

TSePopupWindow::TSePopupWindow(TComponent* AOwner, TSeCustomItem* Item)
    : TCustomForm(AOwner), item_(Item), scrollTimer_(new TTimer(this)) {
    SetBorderStyle(bsNone);
    // The menu's window never takes the focus from the control being worked in.
    SetActivateOnShow(false);
    SetColor(clMenu);
    scrollTimer_->SetEnabled(false);
    scrollTimer_->SetInterval(kScrollMs);
    scrollTimer_->OnTimer = TNotifyEvent(this, &TSePopupWindow::ScrollTimer);
}

int TSePopupWindow::ItemHeight(int Index) {
    // Measured once: a change to the items closes the menus.
    if (heights_.size() != static_cast<std::size_t>(item_->GetCount())) {
        TBitmap scratch;
        scratch.GetCanvas()->SetFont(GetFont());
        heights_.clear();
        for (int i = 0; i < item_->GetCount(); ++i) {
            TSeCustomItem* sub = item_->GetItems(i);
            heights_.push_back(sub->GetVisible() ? sub->PopupItemHeight(scratch.GetCanvas()) : 0);
        }
    }
    return heights_[static_cast<std::size_t>(Index)];
}

int TSePopupWindow::ContentHeight() {
    int height = 0;
    for (int i = 0; i < item_->GetCount(); ++i) height += ItemHeight(i);
    return height;
}

void TSePopupWindow::Popup(const TRect& Anchor, bool Below) {
    int width = 80;
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(GetFont());
    heights_.clear();
    for (int i = 0; i < item_->GetCount(); ++i) {
        TSeCustomItem* sub = item_->GetItems(i);
        if (sub->GetVisible()) width = std::max(width, sub->PopupItemWidth(scratch.GetCanvas()));
    }
    width += 2 * kPopupInset;
    int height = ContentHeight() + 2 * kPopupInset;
    const int screenWidth = Screen->GetWidth(), screenHeight = Screen->GetHeight();
    scrolling_ = height > screenHeight;
    if (scrolling_) height = screenHeight;

    int left = Below ? Anchor.Left : Anchor.Right;
    int top = Below ? Anchor.Bottom : Anchor.Top;
    if (left + width > screenWidth) left = Below ? screenWidth - width : Anchor.Left - width;
    if (top + height > screenHeight) top = Below && Anchor.Top - height >= 0 ? Anchor.Top - height : screenHeight - height;
    SetBounds(std::max(0, left), std::max(0, top), width, height);
    Show();
}

TRect TSePopupWindow::ItemsArea() const {
    TRect area = Rect(kPopupInset, kPopupInset, GetWidth() - kPopupInset, GetHeight() - kPopupInset);
    if (scrolling_) {
        area.Top += kPopupArrowHeight;
        area.Bottom -= kPopupArrowHeight;
    }
    return area;
}

TRect TSePopupWindow::ItemRect(int Index) {
    if (Index < 0 || Index >= item_->GetCount() || Index < topIndex_) return TRect();
    const TRect area = ItemsArea();
    int y = area.Top;
    for (int i = topIndex_; i < Index; ++i) y += ItemHeight(i);
    const int height = ItemHeight(Index);
    if (height == 0 || y + height > area.Bottom) return TRect();
    return Rect(area.Left, y, area.Right, y + height);
}

bool TSePopupWindow::ContainsScreen(const TPoint& Pos) const {
    return GetVisible() && GetBoundsRect().Contains(Pos);
}

int TSePopupWindow::ItemAtScreen(const TPoint& Pos) {
    if (!ContainsScreen(Pos)) return -1;
    const TPoint p = ScreenToClient(Pos);
    for (int i = topIndex_; i < item_->GetCount(); ++i)
        if (ItemRect(i).Contains(p)) return item_->GetItems(i)->IsLine() ? -1 : i;
    return -1;
}

int TSePopupWindow::NextSelectable(int From, bool Down) const {
    const int count = item_->GetCount();
    if (count == 0) return -1;
    int i = From < 0 ? (Down ? count - 1 : 0) : From;
    for (int step = 0; step < count; ++step) {
        i = (i + (Down ? 1 : count - 1)) % count;
        if (item_->GetItems(i)->IsSelectable()) return i;
    }
    return -1;
}

void TSePopupWindow::SetSelected(int Index) {
    if (Index < -1 || Index >= item_->GetCount()) Index = -1;
    if (Index == selected_) return;
    selected_ = Index;
    if (Index >= 0 && scrolling_) {
        if (Index < topIndex_) topIndex_ = Index;
        while (ItemRect(Index).IsEmpty() && CanScroll(true)) ++topIndex_;
    }
    Invalidate();
}

bool TSePopupWindow::CanScroll(bool Down) {
    if (!scrolling_) return false;
    if (!Down) return topIndex_ > 0;
    int height = 0;
    for (int i = topIndex_; i < item_->GetCount(); ++i) height += ItemHeight(i);
    return height > ItemsArea().Height();
}

void TSePopupWindow::ScrollBy(int Step) {
    if (!CanScroll(Step > 0)) {
        scrollDirection_ = 0;
        scrollTimer_->SetEnabled(false);
        return;
    }
    topIndex_ += Step;
    // A hidden item takes no room: step over it too.
    while (topIndex_ > 0 && topIndex_ < item_->GetCount() && ItemHeight(topIndex_) == 0) topIndex_ += Step;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, item_->GetCount() - 1));
    Invalidate();
}

void TSePopupWindow::TrackMouse(const TPoint& Pos) {
    int direction = 0;
    if (scrolling_ && ContainsScreen(Pos)) {
        const TPoint p = ScreenToClient(Pos);
        if (p.y < kPopupInset + kPopupArrowHeight) direction = -1;
        else if (p.y >= GetHeight() - kPopupInset - kPopupArrowHeight) direction = 1;
    }
    if (direction == scrollDirection_) return;
    scrollDirection_ = direction;
    scrollTimer_->SetEnabled(direction != 0);
}

void TSePopupWindow::ScrollTimer(TObject*) {
    if (scrollDirection_) ScrollBy(scrollDirection_);
}

void TSePopupWindow::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->SetFont(GetFont());
    TRect frame = GetClientRect();
    item_->PaintPopup(canvas, frame);
    for (int i = topIndex_; i < item_->GetCount(); ++i) {
        TRect r = ItemRect(i);
        if (r.IsEmpty()) continue;
        TSeCustomItem* sub = item_->GetItems(i);
        TSeState state = !sub->GetEnabled() ? kssDisabled : i == selected_ ? kssHot : kssNormal;
        if (i == selected_ && !sub->GetEnabled()) state = kssDisabled;
        canvas->SetFont(GetFont());
        sub->PaintPopupItem(canvas, r, state);
    }
    if (!scrolling_) return;
    const int w = GetWidth();
    DrawArrow(canvas, Rect(0, kPopupInset, w, kPopupInset + kPopupArrowHeight), kakUp,
              CanScroll(false) ? clMenuText : clGrayText);
    DrawArrow(canvas, Rect(0, GetHeight() - kPopupInset - kPopupArrowHeight, w, GetHeight() - kPopupInset), kakDown,
              CanScroll(true) ? clMenuText : clGrayText);
}
