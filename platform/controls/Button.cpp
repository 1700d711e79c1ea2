// The push button: pressed while the mouse holds it or Space is down,
// clicked on the release over it, by Enter or Escape for the default and
// cancel buttons, and by its access key.
#include "platform/controls/ClassicLook.h"
#include "platform/controls/StdCtrls.h"

namespace {

// A default button's outline shows whether another button has the focus.
void RepaintDefaultButtons(TControl* Control) {
    TCustomForm* form = GetParentForm(Control);
    if (!form) return;
    std::vector<TWinControl*> controls;
    form->GetTabOrderList(controls);
    for (TWinControl* c : controls)
        if (auto* button = dynamic_cast<TButton*>(c); button && button->GetDefault()) button->Invalidate();
}

}  // namespace

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetColor(clBtnFace);
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value) {
    if (default_ == Value) return;
    default_ = Value;
    Invalidate();
}

void TButton::Click() {
    // The form learns the result first, so OnClick may still change it.
    if (modalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButton::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect face = GetClientRect();
    // The button Enter would click wears a black outline.
    TCustomForm* form = GetParentForm(this);
    auto* focusedButton = form ? dynamic_cast<TButton*>(form->GetActiveControl()) : nullptr;
    if (Focused() || (default_ && !focusedButton && GetEnabled())) {
        canvas->GetBrush()->SetColor(cl3DDkShadow);
        canvas->FrameRect(face);
        InflateRect(face, -1, -1);
    }
    ClassicButtonFace(canvas, face, Pressed());
    canvas->SetFont(GetFont());
    const TSize text = CaptionExtent(canvas, GetCaption());
    ClassicCaption(canvas, face.Left + (face.Width() - text.cx) / 2, face.Top + (face.Height() - text.cy) / 2,
                   GetCaption(), GetEnabled());
    if (Focused()) {
        TRect focus = face;
        InflateRect(focus, -2, -2);
        ClassicFocusRect(canvas, focus);
    }
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        mouseDown_ = mouseInside_ = true;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseMove(TShiftState Shift, int X, int Y) {
    const bool inside = GetClientRect().Contains({X, Y});
    if (mouseDown_ && inside != mouseInside_) {
        mouseInside_ = inside;
        Invalidate();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && mouseDown_) {
        mouseDown_ = false;
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_SPACE && !spaceDown_) {
        spaceDown_ = true;
        Invalidate();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TButton::KeyUp(Word& Key, TShiftState Shift) {
    const bool click = Key == VK_SPACE && spaceDown_;
    if (click) {
        spaceDown_ = false;
        Invalidate();
    }
    std::weak_ptr<char> alive = AliveToken();
    TCustomControl::KeyUp(Key, Shift);
    if (click && !alive.expired()) Click();
}

void TButton::DoEnter() {
    Invalidate();
    RepaintDefaultButtons(this);
    TCustomControl::DoEnter();
}

void TButton::DoExit() {
    spaceDown_ = false;
    Invalidate();
    RepaintDefaultButtons(this);
    TCustomControl::DoExit();
}

void TButton::Dispatch(TMessage& Message) {
    const bool usable = GetEnabled() && GetVisible();
    if (Message.Msg == CM_DIALOGKEY && usable) {
        TCustomForm* form = GetParentForm(this);
        const bool otherButtonFocused =
            form && form->GetActiveControl() != this && dynamic_cast<TButton*>(form->GetActiveControl());
        const Word key = static_cast<Word>(Message.WParam);
        if ((key == VK_RETURN && (Focused() || (default_ && !otherButtonFocused))) || (key == VK_ESCAPE && cancel_)) {
            Message.Result = 1;
            Click();
            return;
        }
    }
    if (Message.Msg == CM_DIALOGCHAR && CanFocus() && IsAccessKey(static_cast<Word>(Message.WParam), GetCaption())) {
        Message.Result = 1;
        SetFocus();
        Click();
        return;
    }
    TCustomControl::Dispatch(Message);
}
