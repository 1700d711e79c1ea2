#pragma once
// The label: text on its parent's background (transparent unless told
// otherwise), sized to its caption while AutoSize is on.

#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "skin/controls/SeControl.h"

class TSeCustomLabel : public TSeGraphicControl {
public:
    explicit TSeCustomLabel(TComponent* AOwner);
    // Stores a changed caption, fits the size to it when AutoSize, repaints.
    void SetCaption(const AnsiString& Value);
    const AnsiString& GetCaption() const { return TSeGraphicControl::GetCaption(); }
    bool GetAutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // Breaks the caption between words to fit the width; AutoSize then
    // keeps the width and fits the height.
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void Dispatch(TMessage& Message) override;
    // A label that answers clicks shows the hand cursor.
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void AdjustBounds();
    std::vector<AnsiString> Lines(TCanvas* Canvas) const;

    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
    bool handShown_ = false;
};

// The caption lines of Text within Width: broken at line feeds, and between
// words when WordWrap (a word wider than Width stands alone).
std::vector<AnsiString> WrapLines(TCanvas* Canvas, const AnsiString& Text, int Width, bool WordWrap);
