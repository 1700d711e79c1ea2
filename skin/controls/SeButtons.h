#pragma once
// The push button and the speed button, drawn in the classic look; the
// skinned wrappers override PaintControl.

#include "platform/controls/Forms.h"
#include "skin/controls/SeControl.h"

// A push button: takes the focus, clicks on Space, on Enter when it is the
// default button (or focused) and on Escape when it is the cancel button. A
// ModalResult other than mrNone is handed to its form when clicked, which
// ends the form's ShowModal.
class TSeCustomButton : public TSeCustomControl {
public:
    explicit TSeCustomButton(TComponent* AOwner);
    bool GetDefault() const { return default_; }
    void SetDefault(bool Value);
    bool GetCancel() const { return cancel_; }
    void SetCancel(bool Value) { cancel_ = Value; }
    TModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult Value) { modalResult_ = Value; }
    void Click() override;
    TSeState GetDrawState() const override;

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Dispatch(TMessage& Message) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    bool spaceDown_ = false;
    TModalResult modalResult_ = mrNone;
};

// A flat tool button with a glyph and a caption. With a GroupIndex it stays
// down when clicked and releases the other buttons of its group on the
// same parent; AllowAllUp lets a click release the one that is down. A
// disabled button ignores clicks and draws greyed.
class TSeCustomSpeedButton : public TSeGraphicControl {
public:
    explicit TSeCustomSpeedButton(TComponent* AOwner);
    ~TSeCustomSpeedButton() override;
    // Runs OnClick.
    void Click() override;
    bool GetFlat() const { return flat_; }
    void SetFlat(bool Value);
    // The bottom-left pixel's colour is transparent.
    TBitmap* GetGlyph() const { return glyph_; }
    void SetGlyph(TBitmap* Value);
    int GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    bool GetDown() const { return down_; }
    void SetDown(bool Value);
    bool GetAllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool Value);

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // Calls Visit for every other speed button of the same group on the parent.
    template <class Visit>
    void ForGroup(Visit visit);

    TBitmap* glyph_;
    bool flat_ = true;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
};

// Draws Caption (greyed when disabled) and Glyph centred in Rect, the glyph
// left of the caption; shared by the buttons.
void DrawButtonContent(TCanvas* Canvas, const TRect& Rect, const AnsiString& Caption, TBitmap* Glyph,
                       bool Enabled);
