// The up-down control: its two arrows, their repeat while held, and the
// associate whose text shows the position and whose Up and Down keys step it.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/ComCtrls.h"
#include "platform/runtime/SysUtils.h"

namespace {
constexpr Cardinal kFirstRepeatMs = 400, kRepeatMs = 100;
}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner), repeat_(new TTimer(this)) {
    SetControlStyle(GetControlStyle() >> csClickEvents >> csDoubleClicks);
    repeat_->SetEnabled(false);
    repeat_->OnTimer = TNotifyEvent(this, &TUpDown::Repeat);
    SetBounds(0, 0, 15, 21);
}

TUpDown::~TUpDown() { Unhook(); }

void TUpDown::Unhook() {
    if (!associate_) return;
    associate_->WindowProc = associateProc_;
    associate_->RemoveFreeNotification(this);
    associate_ = nullptr;
}

void TUpDown::SetAssociate(TWinControl* Value) {
    if (Value == associate_) return;
    Unhook();
    if (!Value) return;
    associate_ = Value;
    associate_->FreeNotification(this);
    associateProc_ = associate_->WindowProc;
    associate_->WindowProc = TWndMethod(this, &TUpDown::AssociateMessage);
    SetPosition(position_);
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
    // The associate went first: its message entry went with it.
    if (Operation == opRemove && AComponent == associate_) associate_ = nullptr;
    TCustomControl::Notification(AComponent, Operation);
}

void TUpDown::AssociateMessage(TMessage& Message) {
    TWndMethod own = associateProc_;
    if (Message.Msg == WM_KEYDOWN && (Message.WParam == VK_UP || Message.WParam == VK_DOWN) && GetEnabled()) {
        Step(Message.WParam == VK_UP ? udUp : udDown);
        return;
    }
    own(Message);
}

void TUpDown::SetMin(int Value) {
    min_ = Value;
    max_ = std::max(max_, min_);
    SetPosition(position_);
}

void TUpDown::SetMax(int Value) {
    max_ = Value;
    min_ = std::min(min_, max_);
    SetPosition(position_);
}

int TUpDown::GetPosition() {
    int shown = 0;
    if (associate_ && TryStrToInt(associate_->GetText(), shown)) position_ = std::clamp(shown, min_, max_);
    return position_;
}

void TUpDown::SetPosition(int Value) {
    position_ = std::clamp(Value, min_, max_);
    if (associate_) associate_->SetText(IntToStr(position_));
}

void TUpDown::Step(TArrow Arrow) { SetPosition(GetPosition() + (Arrow == udUp ? increment_ : -increment_)); }

TUpDown::TArrow TUpDown::ArrowAt(int X, int Y) const {
    if (!GetClientRect().Contains({X, Y})) return udNone;
    return Y < GetHeight() / 2 ? udUp : udDown;
}

void TUpDown::Paint() {
    TCanvas* canvas = GetCanvas();
    const int half = GetHeight() / 2;
    const struct {
        TArrow arrow;
        TRect rect;
    } buttons[] = {{udUp, Rect(0, 0, GetWidth(), half)}, {udDown, Rect(0, half, GetWidth(), GetHeight())}};
    for (const auto& b : buttons) {
        TRect face = b.rect;
        ClassicButtonFace(canvas, face, pressed_ == b.arrow && mouseInside_);
        ClassicArrow(canvas, face, b.arrow == udUp ? arUp : arDown, GetEnabled());
    }
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    pressed_ = ArrowAt(X, Y);
    mouseInside_ = true;
    Invalidate();
    if (pressed_ == udNone) return;
    Step(pressed_);
    repeat_->SetInterval(kFirstRepeatMs);
    repeat_->SetEnabled(true);
}

void TUpDown::MouseMove(TShiftState Shift, int X, int Y) {
    const bool inside = pressed_ != udNone && ArrowAt(X, Y) == pressed_;
    if (inside != mouseInside_) {
        mouseInside_ = inside;
        Invalidate();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        pressed_ = udNone;
        repeat_->SetEnabled(false);
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TUpDown::Repeat(TObject*) {
    repeat_->SetInterval(kRepeatMs);
    // Held but moved off the arrow: it waits until the mouse comes back.
    if (pressed_ != udNone && mouseInside_) Step(pressed_);
}
