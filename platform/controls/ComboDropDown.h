#pragma once
// The open list of a combo box: a borderless window below it (above when
// the screen has no room) that holds the mouse while it is open. Inside, the
// mouse marks the row under it and a release on a row chooses it; a press
// elsewhere closes the list. More items than the combo box's DropDownCount
// scroll, by the list's own scroll bar and the wheel.

#include "platform/controls/StdCtrls.h"

class TComboDropDown : public TCustomForm {
public:
    explicit TComboDropDown(TComboBox* Combo);
    void Open();
    void Shut();
    // The marked row's item, -1 when none; marking scrolls it into view.
    int GetMarked() const { return marked_; }
    void Mark(int Index);
    int GetRows() const { return rows_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    int ItemAt(int X, int Y) const;
    void ScrollTo(int Top);
    // Hands a mouse message at (X, Y) of the list to its scroll bar, and
    // takes the mouse back afterwards.
    void PassToScrollBar(Cardinal Msg, WPARAM Keys, int X, int Y);
    void HoldMouse();

    TComboBox* combo_;
    TScrollBar* scrollBar_;
    bool scrollBarHeld_ = false;  // a press on the scroll bar goes on there until released
    int marked_ = -1;
    int top_ = 0;
    int rows_ = 1;
    int itemHeight_ = 1;
};
