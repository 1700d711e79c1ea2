#pragma once
// The hint window: a small frameless window that floats above every other,
// shown without taking the focus or activating anything. Descendants paint
// its face in Paint; the caption is the hint's text.
//
//     auto* hint = new TMyHintWindow(nullptr);
//     hint->ActivateHint(hint->CalcHintRect(300, "Open"), "Open");  // screen coordinates
//     hint->ReleaseHint();

#include "platform/controls/Controls.h"

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    // Shows Hint in Rect (screen coordinates).
    virtual void ActivateHint(const TRect& Rect, const AnsiString& Hint);
    // Hides the window.
    void ReleaseHint() { Hide(); }
    // The size the hint needs, at (0, 0), its lines at most MaxWidth wide.
    virtual TRect CalcHintRect(int MaxWidth, const AnsiString& Hint);

protected:
    void VisibleChanged() override;
};
