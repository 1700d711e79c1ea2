#pragma once
// The group box: a container with an etched frame and its caption cut into
// the frame's top edge. Children placed in it keep clear of the frame when
// aligned.

#include "skin/controls/SeControl.h"

class TSeCustomGroupBox : public TSeCustomControl {
public:
    explicit TSeCustomGroupBox(TComponent* AOwner);

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void AdjustClientRect(TRect& Rect) override;
    void WndProc(TMessage& Message) override;
    // The height of a caption line in the control's font.
    int CaptionHeight() const;
};
