#pragma once
// Skinned push button: the "Button" skin object, its text centred; the
// default button and the focused one take the skin's default and focused
// looks.

#include "skin/controls/SeButtons.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinButton : public TSeSkinControl<TSeCustomButton> {
public:
    explicit TSeSkinButton(TComponent* AOwner) : TSeSkinControl(AOwner, "Button") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
