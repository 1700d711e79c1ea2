#pragma once
// Skinned label: its lines in the "Label" skin object's font and colours,
// transparent on its parent as the classic label.

#include "skin/controls/SeLabel.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinLabel : public TSeSkinControl<TSeCustomLabel> {
public:
    explicit TSeSkinLabel(TComponent* AOwner) : TSeSkinControl(AOwner, "Label") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
