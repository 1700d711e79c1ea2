#pragma once
// The panel: a container with an outer and an inner bevel, a border width
// between them and a caption, drawn as the platform panel is.

#include "platform/ExtCtrls.h"
#include "skin/controls/SeControl.h"

class TSeCustomPanel : public TSeCustomControl {
public:
    explicit TSeCustomPanel(TComponent* AOwner);
    // Stores a changed caption and repaints.
    void SetCaption(const AnsiString& Value);
    const AnsiString& GetCaption() const { return TSeCustomControl::GetCaption(); }
    TPanelBevel GetBevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel GetBevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel Value);
    int GetBevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);  // at least 1
    int GetBorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);  // at least 0
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void AdjustClientRect(TRect& Rect) override;

private:
    void Changed();
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};
