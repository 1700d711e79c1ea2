#pragma once
// Skinned combo box: the "ComboBox" skin object draws the frame, face and
// text (selected in its checked look while focused), the "ComboBox.Button"
// part the drop-down button; the drop-down is a skinned list box drawn
// with "ComboBox.List" when the skin has it, else "ListBox". Without the
// objects the classic look stands in.

#include "skin/controls/SeComboBox.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinComboBox : public TSeSkinControl<TSeCustomComboBox> {
public:
    explicit TSeSkinComboBox(TComponent* AOwner) : TSeSkinControl(AOwner, "ComboBox") {}

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    TSeCustomListBox* CreateDropDownList(TComponent* AOwner) override;
};
