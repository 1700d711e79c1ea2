#pragma once
// Skinned progress bar: the "ProgressBar" skin object's normal look is the
// trough, its checked look each filled part.

#include "skin/controls/SeProgressBar.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinProgressBar : public TSeSkinControl<TSeCustomProgressBar> {
public:
    explicit TSeSkinProgressBar(TComponent* AOwner) : TSeSkinControl(AOwner, "ProgressBar") {}

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
