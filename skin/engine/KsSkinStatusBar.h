#pragma once
// Skinned status bar: the "StatusBar" skin object is the face, the text in
// its font and margins, the size grip in its text colour.

#include "skin/controls/SeStatusBar.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinStatusBar : public TSeSkinControl<TSeCustomStatusBar> {
public:
    explicit TSeSkinStatusBar(TComponent* AOwner) : TSeSkinControl(AOwner, "StatusBar") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
