#pragma once
// Skinned group box: the "GroupBox" skin object is the frame, its caption
// in the object's font cut into the top edge.

#include "skin/controls/SeGroupBox.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinGroupBox : public TSeSkinControl<TSeCustomGroupBox> {
public:
    explicit TSeSkinGroupBox(TComponent* AOwner) : TSeSkinControl(AOwner, "GroupBox") {}

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
