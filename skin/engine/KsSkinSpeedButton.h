#pragma once
// Skinned speed button: flat on its parent's face (which shows through it)
// until hot or pressed, then the "SpeedButton" skin object; a button that
// is down takes the object's checked looks. Glyph and caption as the
// classic button, greyed when disabled.

#include "skin/controls/SeButtons.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinSpeedButton : public TSeSkinControl<TSeCustomSpeedButton> {
public:
    explicit TSeSkinSpeedButton(TComponent* AOwner) : TSeSkinControl(AOwner, "SpeedButton") {}

protected:
    void PaintBackground(TCanvas* Canvas, const TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
