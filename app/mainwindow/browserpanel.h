#pragma once
// The Browser page's panel: its caption (the title of the page shown) sits
// in a strip along the top, and aligned children fill the room below it, so
// the title stays in view above the browser.

#include "skin/engine/KsSkinPanel.h"

class TBrowserPanel : public TSeSkinPanel {
public:
    explicit TBrowserPanel(TComponent* AOwner) : TSeSkinPanel(AOwner) {}

protected:
    void AdjustClientRect(TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;

private:
    // One line of the caption with a little air around it.
    int CaptionStrip() const;
};
