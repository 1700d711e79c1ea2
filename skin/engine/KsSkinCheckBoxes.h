#pragma once
// Skinned check box and radio button: the box is the "CheckBox" or
// "RadioButton" skin object drawn in its checked or plain states, the
// caption in the object's font right of it (its left margin).

#include "skin/controls/SeCheckBoxes.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinCheckBox : public TSeSkinControl<TSeCustomCheckBox> {
public:
    explicit TSeSkinCheckBox(TComponent* AOwner) : TSeSkinControl(AOwner, "CheckBox") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};

class TSeSkinRadioButton : public TSeSkinControl<TSeCustomRadioButton> {
public:
    explicit TSeSkinRadioButton(TComponent* AOwner) : TSeSkinControl(AOwner, "RadioButton") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};

// Draws a check control through Object: the box in the state of Checked
// and the control's state, a mark for Checked (Grayed: a bar) and the
// caption.
void DrawSkinnedCheckControl(TSeCustomCheckControl* Control, TSeSkinObject* Object, TCanvas* Canvas,
                             const TRect& Rect, bool Checked, bool Grayed, bool Round);
