#pragma once
// Skinned page control: the "PageControl" object frames the page area,
// "PageControl.Tab" draws each tab (the selected one in the checked state,
// the one under the mouse hot) and the scroll buttons, "TabSheet" fills the
// pages. Without a skin it looks classic.

#include "skin/controls/SePages.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinPageControl : public TSeSkinControl<TSeCustomTabControl> {
public:
    explicit TSeSkinPageControl(TComponent* AOwner) : TSeSkinControl(AOwner, "PageControl") {}

protected:
    void PaintBody(TCanvas* Canvas, const TRect& Rect) override;
    void PaintTab(TCanvas* Canvas, const TRect& Rect, const AnsiString& Caption, bool Selected, bool Hot) override;
    void PaintScrollButton(TCanvas* Canvas, const TRect& Rect, bool Right, bool Enabled, bool Pressed) override;
    void PaintPage(TSeCustomTabSheet* Page, TCanvas* Canvas, const TRect& Rect) override;
    void WndProc(TMessage& Message) override;
};
