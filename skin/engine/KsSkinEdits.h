#pragma once
// Skinned edit: the "Edit" skin object draws the frame and face (focused,
// hot and disabled looks), the text takes the object's font and text
// colour, and the selection its checked look.

#include "skin/controls/SeEdits.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinEdit : public TSeSkinControl<TSeCustomEdit> {
public:
    explicit TSeSkinEdit(TComponent* AOwner) : TSeSkinControl(AOwner, "Edit") {}

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PrepareTextFont(TCanvas* Canvas) override;
    TColor SelectionColor() const override;
    TColor SelectionTextColor() const override;
    TRect TextArea() const override;
};

// The state a framed skinned control draws its box in: disabled, focused,
// hot or normal.
template <class Control>
TSeState BoxState(const Control* C) {
    if (!C->GetEnabled()) return kssDisabled;
    if (C->Focused()) return kssFocused;
    return C->GetHot() ? kssHot : kssNormal;
}
