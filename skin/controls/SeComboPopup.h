#pragma once
// The drop-down window of a combo box: a borderless popup form holding one
// list box. While it is open it holds the mouse capture, so a press
// anywhere reaches it: inside it tracks and chooses items (and hands the
// list's scroll bar its presses), outside it closes the drop-down.

#include "platform/controls/Forms.h"
#include "skin/controls/SeListBox.h"

class TSeCustomComboBox;

class TSeComboPopup : public TCustomForm {
public:
    TSeComboPopup(TSeCustomComboBox* Combo, TSeCustomListBox* List);
    TSeCustomListBox* GetList() const { return list_; }
    // Fills the list from the combo box and shows it below the combo box
    // (above when the screen has no room below).
    void Open();
    void Shut();

protected:
    void WndProc(TMessage& Message) override;

private:
    void Mouse(TMessage& Message);
    // The windowed child under a client point and the point in its coordinates.
    TControl* ChildAt(TPoint Pos, TPoint& Local) const;

    TSeCustomComboBox* combo_;
    TSeCustomListBox* list_;
    TControl* pressedChild_ = nullptr;  // the scroll bar, while pressed through us
};
