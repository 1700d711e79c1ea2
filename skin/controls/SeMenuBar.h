#pragma once
// The menu bar: a row of top-level items, each opening a popup of its
// sub-items.
//
//     auto* bar = new TSeCustomMenuBar(form);
//     bar->SetParent(form);                 // aligned to the top
//     bar->GetItems()->Add(fileItem);       // TSeCustomItem trees
//
// Mouse: a click on a bar item opens its popup (a second click closes it);
// while a popup is open, moving along the bar switches popups, moving over an
// item with sub-items opens them, releasing over an item runs it and a click
// outside every menu closes them all.
// Keys (on the bar's form, whichever control has the focus): Alt pressed and
// released, or F10, highlight the first bar item; Left/Right move along the
// bar; Down or Enter open; Alt+access key opens that item. In a popup Up/Down
// move (over separators and disabled items), Right opens a submenu (or the
// next bar item's popup), Left closes it (or moves to the previous bar
// item), Enter runs the item, Escape closes one level, access keys pick items.
// An item's OnClick runs after every popup has closed; disabled items do nothing.

#include <vector>

#include "skin/controls/SeControl.h"
#include "skin/controls/SeMenuItems.h"
#include "skin/controls/SePopupWindow.h"

class TSeCustomMenuBar : public TSeCustomControl {
public:
    explicit TSeCustomMenuBar(TComponent* AOwner);
    ~TSeCustomMenuBar() override;

    // The root whose sub-items are the bar's items.
    TSeCustomItem* GetItems() const { return root_; }
    // A bar item's rectangle (client coordinates); empty when hidden.
    TRect ItemRect(int Index);
    int ItemAt(int X, int Y);

    // True while a bar item is highlighted or a popup is open.
    bool GetTracking() const { return mode_ != kNone; }
    // The highlighted or open bar item, -1 when none.
    int GetSelectedIndex() const { return barIndex_; }
    int GetPopupCount() const { return static_cast<int>(popups_.size()); }
    TSePopupWindow* GetPopup(int Level) const;  // nullptr out of range
    // Opens the popup of bar item Index; SelectFirst selects its first item.
    void OpenItem(int Index, bool SelectFirst);
    // Closes every popup and leaves the menu.
    void CloseMenus();

protected:
    // The bar's background; the skinned bar overrides it.
    virtual void PaintBar(TCanvas* Canvas, const TRect& Rect);
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;

private:
    enum TMode { kNone, kBar, kPopup };
    bool HookKey(TCustomForm* Form, Word Key, TShiftState Shift, bool Down);
    void BarKey(Word Key);
    void PopupKey(Word Key);
    void EnterBarMode();
    int NextBarIndex(int From, bool Right) const;
    int BarItemForKey(Word Key) const;
    void OpenSubmenu(int Level, int Index, bool SelectFirst);
    void ClosePopupsFrom(int Level);
    // Closes the menus, then runs the item (when enabled and not a separator).
    void RunItem(TSeCustomItem* Item);
    void ItemsChanged(TObject* Sender);
    TSeCustomItem* BarItem(int Index) const;
    bool HasVisibleItems(TSeCustomItem* Item) const;
    // The deepest open popup under a screen point, -1 when none.
    int PopupLevelAt(const TPoint& Pos) const;

    TSeCustomItem* root_;
    std::vector<TSePopupWindow*> popups_;
    TMode mode_ = kNone;
    int barIndex_ = -1;
    int hotIndex_ = -1;
    bool altDown_ = false;
    bool closing_ = false;
};
