#pragma once
// The borderless top-level window of one open popup level: it shows the
// visible sub-items of one menu item, one of them selected, and places itself
// under a bar item or beside its parent item, on screen. A popup taller than
// the screen shows scroll arrows at both ends; holding the mouse over one
// scrolls every 100 ms. The menu bar drives it (selection, opening and
// closing); the window only draws and answers where its items are.

#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "skin/controls/SeMenuItems.h"

class TSePopupWindow : public TCustomForm {
public:
    TSePopupWindow(TComponent* AOwner, TSeCustomItem* Item);

    TSeCustomItem* GetItem() const { return item_; }
    // Sizes itself to the items, places itself next to Anchor (screen
    // coordinates) - under it when Below, else to its right, flipping to the
    // other side where the screen ends - and shows.
    void Popup(const TRect& Anchor, bool Below);

    // The selected sub-item's index, -1 when none; selecting scrolls it into view.
    int GetSelected() const { return selected_; }
    void SetSelected(int Index);
    // The next item the keys may stop at after From, wrapping; -1 when none.
    int NextSelectable(int From, bool Down) const;
    // The item under a screen point (separators and hidden items excluded), -1 when none.
    int ItemAtScreen(const TPoint& Pos);
    // An item's rectangle in client coordinates; empty when hidden or scrolled away.
    TRect ItemRect(int Index);
    bool ContainsScreen(const TPoint& Pos) const;

    bool GetScrolling() const { return scrolling_; }
    int GetTopIndex() const { return topIndex_; }
    // The mouse moved to Pos: over a scroll arrow, scrolling starts or goes on.
    void TrackMouse(const TPoint& Pos);

protected:
    void Paint() override;

private:
    int ItemHeight(int Index);
    int ContentHeight();
    TRect ItemsArea() const;
    bool CanScroll(bool Down);
    void ScrollBy(int Step);
    void ScrollTimer(TObject* Sender);

    TSeCustomItem* item_;
    TTimer* scrollTimer_;
    std::vector<int> heights_;
    int selected_ = -1;
    int topIndex_ = 0;
    int scrollDirection_ = 0;
    bool scrolling_ = false;
};

// The room a popup keeps around its items, and the height of each scroll arrow.
constexpr int kPopupInset = 3;
constexpr int kPopupArrowHeight = 12;
