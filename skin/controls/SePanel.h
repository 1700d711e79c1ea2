#pragma once
// The panel: a container with an outer and an inner bevel, a border width
// between them and a caption, drawn as the platform panel is.

#include "platform/controls/ExtCtrls.h"
#include "skin/controls/SeControl.h"

class TSeCustomPanel : public TPanelFrame<TSeCustomControl> {
public:
    explicit TSeCustomPanel(TComponent* AOwner);
    // Stores a changed caption and repaints.
    void SetCaption(const AnsiString& Value);
    const AnsiString& GetCaption() const { return TSeCustomControl::GetCaption(); }

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override { DrawFrame(Canvas, Rect); }
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
};
