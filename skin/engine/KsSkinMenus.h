#pragma once
// Skinned menus: TSeSkinMenuBar draws its background with the "MenuBar"
// object; TSeSkinItem items draw themselves with "MenuItem" (hot when
// selected, pressed while the bar item's popup is open, disabled greyed) and
// the popup of their sub-items with "PopupMenu". Items take the process's
// current skin; without one they look classic.

#include "skin/controls/SeMenuBar.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinMenuBar : public TSeSkinControl<TSeCustomMenuBar> {
public:
    explicit TSeSkinMenuBar(TComponent* AOwner) : TSeSkinControl(AOwner, "MenuBar") {}

protected:
    void PaintBar(TCanvas* Canvas, const TRect& Rect) override;
};

class TSeSkinItem : public TSeCustomItem {
public:
    explicit TSeSkinItem(TComponent* AOwner) : TSeCustomItem(AOwner) {}

    void PaintBarItem(TCanvas* Canvas, const TRect& Rect, TSeState State) override;
    void PaintPopupItem(TCanvas* Canvas, const TRect& Rect, TSeState State) override;
    void PaintPopup(TCanvas* Canvas, TRect& Rect) override;
};
