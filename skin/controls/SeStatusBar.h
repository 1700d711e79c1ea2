#pragma once
// The status bar: one line of text along the bottom of its form, without
// panels. On a sizeable form it shows a size grip at its right end; dragging
// the grip resizes the form.
//
//     auto* bar = new TSeCustomStatusBar(form);
//     bar->SetParent(form);                 // aligned to the bottom
//     bar->SetSimpleText("Ready");

#include "skin/controls/SeControl.h"

class TSeCustomStatusBar : public TSeCustomControl {
public:
    explicit TSeCustomStatusBar(TComponent* AOwner);
    // The text shown; the same as Caption.
    const AnsiString& GetSimpleText() const { return GetCaption(); }
    void SetSimpleText(const AnsiString& Value) { SetCaption(Value); }
    // Whether a grip may show; it shows only while the form is sizeable.
    bool GetSizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool Value);
    bool GripShown() const;
    // Where the grip is (client coordinates), empty when not shown.
    TRect GripRect() const;

protected:
    static constexpr int kGripSize = 12;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // Diagonal grip lines in Light and Dark in the corner of R.
    void DrawGrip(TCanvas* Canvas, const TRect& R, TColor Light, TColor Dark);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;

private:
    bool sizeGrip_ = true;
    bool sizing_ = false;
    TPoint sizeFrom_;   // screen point of the press
    TRect formFrom_;    // the form's bounds at the press
};
