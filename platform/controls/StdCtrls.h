#pragma once
// The class library's standard controls, custom-drawn in the classic look:
// label, push button, check box, radio button, group box, radio group,
// single-line edit, scroll bar and the drop-down list combo box.
//
// As in the class library, setting a property the user also changes fires
// the same event the user's change does: Checked fires OnClick, a radio
// group's ItemIndex OnClick, an edit's Text and a scroll bar's Position
// OnChange. Only the combo box tells the user's choices alone (OnChange).
// A caption's "&X" underlines X; Alt+X then works the control (a label
// focuses its FocusControl).

#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Utf8.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    // Sized to the caption while set (the default).
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    TWinControl* GetFocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* Value);

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FitCaption();
    bool autoSize_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* AOwner);
    // Enter clicks the default button unless another button has the focus;
    // Escape clicks the cancel button.
    bool GetDefault() const { return default_; }
    void SetDefault(bool Value);
    bool GetCancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    // Given to the form when clicked (ends ShowModal).
    TModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }

protected:
    void Click() override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;

private:
    bool Pressed() const { return spaceDown_ || (mouseDown_ && mouseInside_); }
    bool default_ = false, cancel_ = false;
    TModalResult modalResult_ = mrNone;
    bool mouseDown_ = false, mouseInside_ = false, spaceDown_ = false;
};

// What the check box and the radio button share: a mark beside the
// caption, worked by a click on either, by Space or by the access key.
class TCustomCheckControl : public TCustomControl {
public:
    explicit TCustomCheckControl(TComponent* AOwner);
    bool GetChecked() const { return checked_; }
    // Stores a change, repaints and fires OnClick.
    virtual void SetChecked(bool Value);

protected:
    // Stores and repaints, firing nothing.
    void StoreChecked(bool Value);
    // What the user's click does.
    virtual void Toggle() = 0;
    virtual void DrawMark(TCanvas* Canvas, const TRect& Box) = 0;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;

private:
    bool checked_ = false;
    bool mouseDown_ = false, spaceDown_ = false;
};

class TCheckBox : public TCustomCheckControl {
public:
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckControl(AOwner) {}

protected:
    void Toggle() override { SetChecked(!GetChecked()); }
    void DrawMark(TCanvas* Canvas, const TRect& Box) override;
};

// Radio buttons on one parent form a group: checking one turns the others
// off, the arrow keys move through the group and check, and only the
// checked one is a tab stop.
class TRadioButton : public TCustomCheckControl {
public:
    explicit TRadioButton(TComponent* AOwner) : TCustomCheckControl(AOwner) {}
    void SetChecked(bool Value) override;

protected:
    void Toggle() override { SetChecked(true); }
    void DrawMark(TCanvas* Canvas, const TRect& Box) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;

private:
    // The enabled, visible radio buttons of the parent, this one too, in tab order.
    std::vector<TRadioButton*> Group() const;
};

// A frame with a caption around other controls; aligned children stay
// inside the frame.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
};

// A group box of radio buttons, one per item, in one column.
class TRadioGroup : public TGroupBox {
public:
    explicit TRadioGroup(TComponent* AOwner);
    ~TRadioGroup() override;
    TStrings* GetItems() const { return items_; }
    void SetItems(TStrings* Value) { items_->Assign(Value); }
    // The checked item, -1 for none; a change (by the user or the program)
    // fires OnClick.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);

protected:
    void BoundsChanged() override;

private:
    void ItemsChanged(TObject* Sender);
    void ButtonClicked(TObject* Sender);
    void ArrangeButtons();
    TStringList* items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    bool updating_ = false;
};

// A single-line edit: a caret, typing, Backspace and Delete, selection by
// Shift with the arrows, Home and End, by the mouse, and by Ctrl+A; the
// whole text is selected when Tab enters it. Positions count bytes of the
// UTF-8 text and always fall between whole characters.
class TEdit : public TCustomControl {
public:
    explicit TEdit(TComponent* AOwner);
    // Only the digits 0 to 9 can be typed.
    bool GetNumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool Value) { numbersOnly_ = Value; }
    int GetSelStart() const;
    int GetSelLength() const;
    void SelectAll();
    // Fired after every change of the text, by the user or by SetText.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;

private:
    TRect TextArea() const;
    int PosAt(int X);
    void MoveCaret(int Pos, bool Extend);
    void ReplaceSelection(const std::string& Inserted);
    int caret_ = 0, anchor_ = 0;
    int caretAfterChange_ = -1;  // where the user's own edit leaves the caret
    bool numbersOnly_ = false;
    TUtf8Typing typing_;
};

// The scroll bar: the arrows step by SmallChange, a press in the track
// pages by LargeChange towards the mouse (both repeat while held), the
// thumb follows a drag; the arrow keys, Page Up/Down, Home and End work it
// when focused.
class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    TScrollBarKind GetKind() const { return kind_; }
    void SetKind(TScrollBarKind Value);
    int GetMin() const { return min_; }
    void SetMin(int Value) { SetParams(position_, Value, max_); }
    int GetMax() const { return max_; }
    void SetMax(int Value) { SetParams(position_, min_, Value); }
    int GetPosition() const { return position_; }
    void SetPosition(int Value) { SetParams(Value, min_, max_); }
    // The range and the position at once: a range that ends below its start
    // raises EInvalidOperation, a position outside the range is moved into it.
    void SetParams(int APosition, int AMin, int AMax);
    int GetSmallChange() const { return smallChange_; }
    void SetSmallChange(int Value) { smallChange_ = Value; }
    int GetLargeChange() const { return largeChange_; }
    void SetLargeChange(int Value) { largeChange_ = Value; }
    // Fired on every change of Position.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;

private:
    enum TPart { spNone, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };
    TPart PartAt(int X, int Y) const;
    int Length() const { return kind_ == sbHorizontal ? GetWidth() : GetHeight(); }
    int Thickness() const { return kind_ == sbHorizontal ? GetHeight() : GetWidth(); }
    int Along(int X, int Y) const { return kind_ == sbHorizontal ? X : Y; }
    int ArrowLength() const;
    int ThumbLength() const;
    int ThumbStart() const;
    TRect Span(int From, int To) const;
    void StepPressedPart();
    void Repeat(TObject* Sender);

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0;
    int smallChange_ = 1, largeChange_ = 1;
    TTimer* repeat_;
    TPart pressed_ = spNone;
    TPoint mouse_;
    int grab_ = 0;  // where in the thumb the drag took hold
};

class TComboDropDown;

// The drop-down list combo box: the selected item beside a button; a click
// or F4 / Alt+Down opens the list below it, where the mouse marks the item
// under it and a click chooses; Enter chooses, Escape or a click elsewhere
// closes. Closed, the arrow keys, Page Up/Down, Home and End step through
// the items. The user's choice fires OnChange.
class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;
    TStrings* GetItems() const { return items_; }
    void SetItems(TStrings* Value) { items_->Assign(Value); }
    // -1 selects nothing; fires no event.
    int GetItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    // The rows the open list shows before it scrolls.
    int GetDropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int Value) { dropDownCount_ = Value < 1 ? 1 : Value; }
    bool GetDroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool Value);
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TComboDropDown;
    TRect ButtonRect() const;
    // The item a navigation key moves to, -1 for another key.
    int KeyTarget(Word Key) const;
    void ItemsChanged(TObject* Sender);
    // Closes the list; with ChooseMarked its marked item becomes the selection.
    void CloseUp(bool ChooseMarked);
    void Choose(int Index);
    TStringList* items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    bool droppedDown_ = false;
    TComboDropDown* dropDown_ = nullptr;
};
