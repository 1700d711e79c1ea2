#pragma once
// The list box: a column of items under a sunken frame, the selected one in
// the highlight colour, with its own vertical scroll bar shown when the
// items do not fit. The mouse and Up/Down/PgUp/PgDn/Home/End select, the
// wheel scrolls; a user's change of the selection fires OnClick, a double
// click OnDblClick. Any size works, down to a list of a pixel or two used
// only to keep strings.
//
//     auto* list = new TSeCustomListBox(Form);
//     list->SetParent(Form);
//     list->GetItems()->Add("Open");
//     list->SetItemIndex(0);   // -1: nothing selected

#include "skin/controls/SeItemList.h"
#include "skin/controls/SeScrollBar.h"

class TSeCustomListBox : public TSeCustomControl {
public:
    explicit TSeCustomListBox(TComponent* AOwner);
    ~TSeCustomListBox() override;

    // The list repaints on every change; deleting or inserting items keeps
    // the same item selected (none when it is deleted).
    TStrings* GetItems() const { return items_; }
    void SetItems(TStrings* Value) { items_->Assign(Value); }
    // -1 when nothing is selected; an index outside the items selects
    // nothing. Setting scrolls the item into view.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    int GetItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);  // at least 1
    // The first item shown.
    int GetTopIndex() const { return topIndex_; }
    void SetTopIndex(int Value);
    // The item at a client point; with Existing -1 below the last item,
    // else the index after it.
    int ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(int Index) const;
    // How many whole items fit (at least 1).
    int VisibleCount() const;
    TSeCustomScrollBar* GetScrollBar() const { return scrollBar_; }

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // One item; the skinned list draws its item object here.
    virtual void DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, bool Selected);
    // Inside the frame: where the items and the scroll bar go.
    virtual TRect InnerRect() const;
    // The items change, the size changes: the scroll bar follows.
    void UpdateScrollBar();
    // Selects Index as the user does: in view, and OnClick when it changed.
    void SelectByUser(int Index);

    void BoundsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;

private:
    void ItemsChanged();
    void MakeVisible(int Index);
    void ScrollBarChange(TObject* Sender);

    TSeItemList* items_;
    int itemIndex_ = -1;  // kept on its item by items_
    TSeCustomScrollBar* scrollBar_;
    int itemHeight_ = 16;
    int topIndex_ = 0;
};
