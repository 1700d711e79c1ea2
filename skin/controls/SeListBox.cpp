#include "skin/controls/SeListBox.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "skin/controls/SeShared.h"

namespace {
constexpr int ScrollBarWidth = 16;
constexpr int WheelLines = 3;
constexpr int ItemTextMargin = 2;
}  // namespace

TSeCustomListBox::TSeCustomListBox(TComponent* AOwner)
    : TSeCustomControl(AOwner), items_(new TSeItemList(itemIndex_, [this] { ItemsChanged(); })), scrollBar_(new TSeCustomScrollBar(this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetControlStyle(GetControlStyle() >> csSetCaption);
    scrollBar_->SetKind(sbVertical);
    scrollBar_->SetVisible(false);
    scrollBar_->SetParent(this);
    scrollBar_->OnChange = TNotifyEvent(this, &TSeCustomListBox::ScrollBarChange);
    SetBounds(GetLeft(), GetTop(), 121, 97);
}

TSeCustomListBox::~TSeCustomListBox() {
    TComponent::Destroying();
    delete items_;
    items_ = nullptr;
}

void TSeCustomListBox::ItemsChanged() {
    if (!items_ || IsDestroying()) return;
    UpdateScrollBar();
    SetTopIndex(topIndex_);
    Invalidate();
}

void TSeCustomListBox::SetItemIndex(int Value) {
    if (Value < 0 || Value >= items_->GetCount()) Value = -1;
    if (Value != itemIndex_) {
        itemIndex_ = Value;
        Invalidate();
    }
    MakeVisible(itemIndex_);
}

void TSeCustomListBox::SetItemHeight(int Value) {
    Value = std::max(1, Value);
    if (Value == itemHeight_) return;
    itemHeight_ = Value;
    UpdateScrollBar();
    SetTopIndex(topIndex_);
    Invalidate();
}

int TSeCustomListBox::VisibleCount() const { return std::max(1, InnerRect().Height() / itemHeight_); }

void TSeCustomListBox::SetTopIndex(int Value) {
    Value = std::clamp(Value, 0, std::max(0, items_->GetCount() - VisibleCount()));
    if (Value != topIndex_) {
        topIndex_ = Value;
        Invalidate();
    }
    if (scrollBar_->GetPosition() != topIndex_) scrollBar_->SetPosition(topIndex_);
}

void TSeCustomListBox::MakeVisible(int Index) {
    if (Index < 0) return;
    if (Index < topIndex_) SetTopIndex(Index);
    else if (Index >= topIndex_ + VisibleCount()) SetTopIndex(Index - VisibleCount() + 1);
}

void TSeCustomListBox::ScrollBarChange(TObject*) { SetTopIndex(scrollBar_->GetPosition()); }

TRect TSeCustomListBox::InnerRect() const {
    TRect r = GetClientRect();
    InflateRect(r, -2, -2);
    return r;
}

void TSeCustomListBox::UpdateScrollBar() {
    TRect inner = InnerRect();
    int count = items_->GetCount();
    bool needed = count > VisibleCount() && inner.Width() > ScrollBarWidth && inner.Height() > 0;
    if (needed) {
        scrollBar_->SetBounds(inner.Right - ScrollBarWidth, inner.Top, ScrollBarWidth, inner.Height());
        scrollBar_->SetParams(topIndex_, 0, count - 1);
        scrollBar_->SetPageSize(VisibleCount());
        scrollBar_->SetLargeChange(VisibleCount());
    }
    if (needed != scrollBar_->GetVisible()) {
        scrollBar_->SetVisible(needed);
        Invalidate();
    }
}

TRect TSeCustomListBox::ItemRect(int Index) const {
    TRect inner = InnerRect();
    if (scrollBar_->GetVisible()) inner.Right -= ScrollBarWidth;
    int top = inner.Top + (Index - topIndex_) * itemHeight_;
    return Rect(inner.Left, top, inner.Right, top + itemHeight_);
}

int TSeCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
    TRect inner = InnerRect();
    int offset = Pos.y - inner.Top;
    int index = topIndex_ + (offset < 0 ? -1 : offset / itemHeight_);
    if (index < 0) index = Existing ? -1 : 0;
    if (index >= items_->GetCount()) index = Existing ? -1 : items_->GetCount();
    return index;
}

void TSeCustomListBox::PaintBorder(TCanvas* Canvas, TRect& Rect) { DrawSunkenFrame(Canvas, Rect); }

void TSeCustomListBox::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TRect inner = InnerRect();
    IntersectRect(inner, inner, Rect);
    if (inner.IsEmpty()) return;
    int last = std::min(items_->GetCount(), topIndex_ + VisibleCount() + 1);
    for (int i = topIndex_; i < last; ++i) {
        TRect item = ItemRect(i);
        IntersectRect(item, item, inner);
        if (!item.IsEmpty()) DrawItem(Canvas, i, item, i == itemIndex_);
    }
    if (Focused() && itemIndex_ >= 0 && itemIndex_ < last && itemIndex_ >= topIndex_) {
        TRect focus = ItemRect(itemIndex_);
        IntersectRect(focus, focus, inner);
        if (!focus.IsEmpty()) DrawFocusRect(Canvas, focus);
    }
}

void TSeCustomListBox::DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, bool Selected) {
    Canvas->SetFont(GetFont());
    if (Selected) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(clHighlight);
        Canvas->FillRect(Rect);
        Canvas->GetFont()->SetColor(clHighlightText);
    }
    if (!GetEnabled()) Canvas->GetFont()->SetColor(clGrayText);
    AnsiString text = items_->GetStrings(Index);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextRect(Rect, Rect.Left + ItemTextMargin, Rect.Top + (Rect.Height() - Canvas->TextHeight("Wg")) / 2, text);
}

void TSeCustomListBox::SelectByUser(int Index) {
    if (items_->GetCount() == 0) return;
    Index = std::clamp(Index, 0, items_->GetCount() - 1);
    bool changed = Index != itemIndex_;
    SetItemIndex(Index);
    if (changed) Click();
}

void TSeCustomListBox::BoundsChanged() {
    TSeCustomControl::BoundsChanged();
    if (!items_) return;
    UpdateScrollBar();
    SetTopIndex(topIndex_);
}

void TSeCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    int index = ItemAtPos({X, Y}, true);
    // The click that follows the release tells OnClick.
    if (index >= 0) SetItemIndex(index);
}

void TSeCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseMove(Shift, X, Y);
    // Dragging with the button held moves the selection along.
    if (GetPressed() && items_->GetCount() > 0) {
        int index = std::clamp(ItemAtPos({X, Y}, false), 0, items_->GetCount() - 1);
        if (index != itemIndex_) SetItemIndex(index);
    }
}

bool TSeCustomListBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TSeCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    SetTopIndex(topIndex_ + WheelLines);
    return true;
}

bool TSeCustomListBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TSeCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    SetTopIndex(topIndex_ - WheelLines);
    return true;
}

void TSeCustomListBox::KeyDown(Word& Key, TShiftState Shift) {
    TSeCustomControl::KeyDown(Key, Shift);
    int page = std::max(1, VisibleCount() - 1);
    switch (Key) {
    case VK_UP: SelectByUser(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
    case VK_DOWN: SelectByUser(itemIndex_ + 1); break;
    case VK_PRIOR: SelectByUser(itemIndex_ - page); break;
    case VK_NEXT: SelectByUser(std::max(0, itemIndex_) + page); break;
    case VK_HOME: SelectByUser(0); break;
    case VK_END: SelectByUser(items_->GetCount() - 1); break;
    default: break;
    }
}

void TSeCustomListBox::DoEnter() {
    Invalidate();
    TSeCustomControl::DoEnter();
}

void TSeCustomListBox::DoExit() {
    Invalidate();
    TSeCustomControl::DoExit();
}

void TSeCustomListBox::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TSeCustomControl::WndProc(Message);
}
