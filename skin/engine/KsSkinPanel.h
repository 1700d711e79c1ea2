#pragma once
// Skinned panel: the "Panel" skin object is its face and frame, the caption
// in the object's font placed as Alignment says.

#include "skin/controls/SePanel.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinPanel : public TSeSkinControl<TSeCustomPanel> {
public:
    explicit TSeSkinPanel(TComponent* AOwner) : TSeSkinControl(AOwner, "Panel") {}

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
