#include "skin/controls/SeMenuItems.h"

#include <algorithm>
#include <cctype>

#include "platform/controls/AccessKeys.h"
#include "skin/controls/SeShared.h"

TSeCustomItem::TSeCustomItem(TComponent* AOwner) : TComponent(AOwner) {}

TSeCustomItem::~TSeCustomItem() {
    Destroying();
    while (!items_.empty()) delete items_.back();
    if (parent_) parent_->Remove(this);
}

void TSeCustomItem::SetCaption(const AnsiString& Value) {
    if (Value == caption_) return;
    caption_ = Value;
    Changed();
}

void TSeCustomItem::SetEnabled(bool Value) {
    if (Value == enabled_) return;
    enabled_ = Value;
    Changed();
}

void TSeCustomItem::SetVisible(bool Value) {
    if (Value == visible_) return;
    visible_ = Value;
    Changed();
}

void TSeCustomItem::SetChecked(bool Value) {
    if (Value == checked_) return;
    checked_ = Value;
    Changed();
}

TSeCustomItem* TSeCustomItem::GetItems(int Index) const {
    if (Index < 0 || Index >= GetCount()) throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return items_[static_cast<std::size_t>(Index)];
}

int TSeCustomItem::IndexOf(const TSeCustomItem* Item) const {
    auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TSeCustomItem::Add(TSeCustomItem* Item) { Insert(GetCount(), Item); }

void TSeCustomItem::Insert(int Index, TSeCustomItem* Item) {
    if (!Item) return;
    for (const TSeCustomItem* p = this; p; p = p->parent_)
        if (p == Item) throw EInvalidOperation("A menu item cannot hold itself");
    if (Item->parent_) Item->parent_->Remove(Item);
    Index = std::clamp(Index, 0, GetCount());
    items_.insert(items_.begin() + Index, Item);
    Item->parent_ = this;
    Changed();
}

void TSeCustomItem::Delete(int Index) { delete GetItems(Index); }

void TSeCustomItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

void TSeCustomItem::Remove(TSeCustomItem* Item) {
    auto it = std::find(items_.begin(), items_.end(), Item);
    if (it == items_.end()) return;
    items_.erase(it);
    Item->parent_ = nullptr;
    Changed();
}

void TSeCustomItem::Changed() {
    if (GetComponentState().Contains(csDestroying)) return;
    TSeCustomItem* root = this;
    while (root->parent_) root = root->parent_;
    if (root->OnChange) root->OnChange(this);
}

AnsiString TSeCustomItem::GetDisplayCaption() const { return CaptionText(caption_); }

char TSeCustomItem::GetAccessKey() const {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(CaptionAccessKey(caption_))));
}

void TSeCustomItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

// ---- sizes and drawing -------------------------------------------------------

int TSeCustomItem::PopupItemHeight(TCanvas* Canvas) const {
    if (IsLine()) return 8;
    return Canvas->TextHeight("Wg") + 6;
}

int TSeCustomItem::PopupItemWidth(TCanvas* Canvas) const {
    return kMenuCheckWidth + Canvas->TextWidth(GetDisplayCaption()) + kMenuArrowWidth + 8;
}

int TSeCustomItem::BarItemWidth(TCanvas* Canvas) const { return Canvas->TextWidth(GetDisplayCaption()) + 14; }

void TSeCustomItem::DrawCaption(TCanvas* Canvas, int X, int Y, TColor Color) const {
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->GetFont()->SetColor(Color);
    Canvas->TextOut(X, Y, GetDisplayCaption());
    UnderlineAccessKey(Canvas, X, Y, caption_, Color);
}

void TSeCustomItem::PaintBarItem(TCanvas* Canvas, const TRect& Rect, TSeState State) {
    TRect face = Rect;
    if (State == kssHot || State == kssPressed) {
        // Raised under the mouse, sunk while its popup is open.
        TColor top = State == kssHot ? clBtnHighlight : clBtnShadow;
        TColor bottom = State == kssHot ? clBtnShadow : clBtnHighlight;
        Frame3D(Canvas, face, top, bottom, 1);
    }
    const TColor color = enabled_ ? clMenuText : clGrayText;
    const int x = Rect.Left + (Rect.Width() - Canvas->TextWidth(GetDisplayCaption())) / 2;
    const int y = Rect.Top + (Rect.Height() - Canvas->TextHeight("Wg")) / 2 + (State == kssPressed ? 1 : 0);
    if (!enabled_) DrawCaption(Canvas, x + 1, y + 1, clBtnHighlight);
    DrawCaption(Canvas, x, y, color);
}

void TSeCustomItem::PaintPopupItem(TCanvas* Canvas, const TRect& Rect, TSeState State) {
    const bool selected = State == kssHot || State == kssPressed;
    if (selected && !IsLine()) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(clHighlight);
        Canvas->FillRect(Rect);
    }
    DrawPopupItemParts(this, Canvas, Rect, selected && enabled_ ? clHighlightText : clMenuText, true);
}

void TSeCustomItem::PaintPopup(TCanvas* Canvas, TRect& Rect) {
    Frame3D(Canvas, Rect, cl3DLight, cl3DDkShadow, 1);
    Frame3D(Canvas, Rect, clBtnHighlight, clBtnShadow, 1);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clMenu);
    Canvas->FillRect(Rect);
}

void DrawPopupItemParts(TSeCustomItem* Item, TCanvas* Canvas, const TRect& Rect, TColor TextColor, bool Classic) {
    if (Item->IsLine() && !Classic) {
        const int y = Rect.Top + Rect.Height() / 2;
        Canvas->GetPen()->SetStyle(psSolid);
        Canvas->GetPen()->SetWidth(1);
        Canvas->GetPen()->SetColor(TextColor);
        Canvas->MoveTo(Rect.Left + 2, y);
        Canvas->LineTo(Rect.Right - 2, y);
        return;
    }
    if (Item->IsLine()) {
        const int y = Rect.Top + Rect.Height() / 2 - 1;
        Canvas->GetPen()->SetStyle(psSolid);
        Canvas->GetPen()->SetWidth(1);
        Canvas->GetPen()->SetColor(clBtnShadow);
        Canvas->MoveTo(Rect.Left + 2, y);
        Canvas->LineTo(Rect.Right - 2, y);
        Canvas->GetPen()->SetColor(clBtnHighlight);
        Canvas->MoveTo(Rect.Left + 2, y + 1);
        Canvas->LineTo(Rect.Right - 2, y + 1);
        return;
    }
    const bool enabled = Item->GetEnabled() || !Classic;
    const int y = Rect.Top + (Rect.Height() - Canvas->TextHeight("Wg")) / 2;
    const int x = Rect.Left + kMenuCheckWidth;
    if (enabled) {
        Item->DrawCaption(Canvas, x, y, TextColor);
    } else {
        Item->DrawCaption(Canvas, x + 1, y + 1, clBtnHighlight);
        Item->DrawCaption(Canvas, x, y, clGrayText);
    }
    const TColor mark = enabled ? TextColor : clGrayText;
    if (Item->GetChecked()) {
        // A tick in the check column.
        const int cx = Rect.Left + 6, cy = Rect.Top + Rect.Height() / 2 - 2;
        Canvas->GetPen()->SetStyle(psSolid);
        Canvas->GetPen()->SetWidth(1);
        Canvas->GetPen()->SetColor(mark);
        for (int dy = 0; dy < 3; ++dy) {
            Canvas->MoveTo(cx, cy + dy);
            Canvas->LineTo(cx + 2, cy + 2 + dy);
            Canvas->LineTo(cx + 7, cy - 3 + dy);
        }
    }
    if (Item->GetCount() > 0) {
        TRect arrow = Rect;
        arrow.Left = Rect.Right - kMenuArrowWidth;
        DrawArrow(Canvas, arrow, kakRight, mark);
    }
}
