#pragma once
// The check box and the radio button. Both show a box (or circle) and a
// caption; a click on either, or Space while focused, toggles them. Use:
//
//     auto* box = new TSeCustomCheckBox(form);
//     box->SetParent(form);
//     box->SetCaption("Show volume");
//     box->OnClick = TNotifyEvent([](TObject*) { ... });   // after every change
//
// Radio buttons with the same GroupIndex on the same parent form a group:
// checking one turns the others off; the arrow keys move through the group.

#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "skin/controls/SeControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// What the check box and the radio button share: the place of the box and
// the caption, the focus rectangle, and the mouse and Space key that toggle.
class TSeCustomCheckControl : public TSeCustomControl {
public:
    explicit TSeCustomCheckControl(TComponent* AOwner);
    // taRightJustify (the default) puts the caption right of the box,
    // taLeftJustify left of it.
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // Pressed also while Space is held on the focused control.
    TSeState GetDrawState() const override;
    // Where the box and the caption go in the control's rectangle.
    TRect BoxRect(const TRect& R) const;
    TRect CaptionRect(const TRect& R) const;

protected:
    static constexpr int kBoxSize = 13;
    static constexpr int kGap = 4;
    // What a click or Space does.
    virtual void Toggle() = 0;
    // The classic box: DrawCheckGlyph or DrawRadioGlyph.
    virtual void DrawBox(TCanvas* Canvas, const TRect& Box) = 0;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // The caption (greyed when disabled) and, when focused, its focus rectangle.
    void DrawCaption(TCanvas* Canvas, const TRect& R);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;
    // Whether the component is being streamed: no click then.
    bool Loading() const { return GetComponentState().Contains(csLoading); }

private:
    TAlignment alignment_ = taRightJustify;
    bool spaceDown_ = false;
};

class TSeCustomCheckBox : public TSeCustomCheckControl {
public:
    explicit TSeCustomCheckBox(TComponent* AOwner);
    bool GetChecked() const { return state_ == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    // On a change stores the state, repaints and (unless streaming) runs the click.
    TCheckBoxState GetState() const { return state_; }
    void SetState(TCheckBoxState Value);
    // Whether a click passes through the grayed state.
    bool GetAllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }

protected:
    void Toggle() override;
    void DrawBox(TCanvas* Canvas, const TRect& Box) override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

class TSeCustomRadioButton : public TSeCustomCheckControl {
public:
    explicit TSeCustomRadioButton(TComponent* AOwner);
    bool GetChecked() const { return checked_; }
    // On a change stores the state and repaints; when set to true it turns
    // off the other buttons of its group and, unless streaming, runs the click.
    void SetChecked(bool Value);
    int GetGroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value) { groupIndex_ = Value; }

protected:
    void Toggle() override;
    void DrawBox(TCanvas* Canvas, const TRect& Box) override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    // The enabled, visible buttons of the group on the parent, this one included, in tab order.
    std::vector<TSeCustomRadioButton*> Group() const;

    bool checked_ = false;
    int groupIndex_ = 0;
};
