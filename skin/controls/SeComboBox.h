#pragma once
// The drop-down list combo box: shows the selected item's text beside a
// drop-down button; a click or F4 / Alt+Down opens the list below it (a
// borderless window of its own, with a scroll bar when more than
// DropDownCount items), where the mouse tracks the item under it and a
// click chooses; Enter chooses, Escape or a click elsewhere closes without
// choosing. While closed, Up/Down/PgUp/PgDn/Home/End step through the items
// and a typed letter selects the next item that starts with it. A choice of
// the user fires OnChange, then OnClick; the program's SetItemIndex fires
// neither.
//
//     auto* combo = new TSeCustomComboBox(Form);
//     combo->SetParent(Form);
//     combo->GetItems()->Add("Open");
//     combo->SetItemIndex(0);     // below -1 gives 0, past the end the last item

#include "platform/runtime/Utf8.h"
#include "skin/controls/SeItemList.h"
#include "skin/controls/SeListBox.h"

class TSeComboPopup;

class TSeCustomComboBox : public TSeCustomControl {
public:
    explicit TSeCustomComboBox(TComponent* AOwner);
    ~TSeCustomComboBox() override;

    TStrings* GetItems() const { return items_; }
    void SetItems(TStrings* Value) { items_->Assign(Value); }
    // Replaces the items by Count items whose texts Source gives when they
    // are shown or read (see TSeItemList::SetSource); nothing is selected.
    void SetItemSource(int Count, TItemTextSource Source) { items_->SetSource(Count, std::move(Source)); }
    // Selects the item and shows its text; -1 selects nothing, an index
    // below -1 becomes 0 and one past the last item the last index.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    // Empties the shown text and the item list.
    void Clear();
    // The shown text: the selected item's, empty when none.
    const AnsiString& GetText() const { return TSeCustomControl::GetText(); }
    int GetDropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int Value) { dropDownCount_ = std::max(1, Value); }
    int GetItemHeight() const { return itemHeight_; }
    void SetItemHeight(int Value);

    bool GetDroppedDown() const { return popup_ != nullptr && droppedDown_; }
    void SetDroppedDown(bool Value);
    // The list of the open drop-down (nullptr before the first opening).
    TSeCustomListBox* GetDropDownList() const;
    // Closes the drop-down; with Choose the item under its highlight
    // becomes the selection as a choice of the user.
    void CloseUp(bool Choose);

    TNotifyEvent OnChange;

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // The drop-down button's rectangle and the text's, in client coordinates.
    virtual TRect ButtonRect() const;
    TRect TextRect() const;
    // The list the drop-down shows; the skinned combo box makes a skinned one.
    virtual TSeCustomListBox* CreateDropDownList(TComponent* AOwner);
    // Selects as the user does: OnChange and OnClick when it changed.
    void SelectByUser(int Index);
    virtual void Change();

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ItemsChanged();
    void ShowSelected();
    // The next item after From (wrapping round) starting with Character; -1 when none.
    int FindByFirstCharacter(const std::string& Character, int From) const;
    // Where the keys move: the drop-down's highlight while open, else the selection.
    void StepTo(int Index);

    int itemIndex_ = -1;  // kept on its item by items_
    TSeItemList* items_;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    bool droppedDown_ = false;
    TSeComboPopup* popup_ = nullptr;
    TUtf8Typing typing_;
};
