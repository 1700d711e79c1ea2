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
    void WndProc(TMessage& Message) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    int ItemHeight() const;
    int ItemAt(const TPoint& Pos) const;
    void ScrollTo(int Top);
    void Mouse(TMessage& Message);

    TComboBox* combo_;
    TScrollBar* scrollBar_;
    bool scrollBarPressed_ = false;
    int marked_ = -1;
    int top_ = 0;
    int rows_ = 1;
};
