// Mouse messages of TControl: presses, releases, clicks, double clicks,
// capture and the wheel.
#include "platform/controls/Controls.h"
#include "platform/host/WindowSurface.h"

namespace {

TControl* captureControl = nullptr;

TShiftState KeysToShiftState(WPARAM Keys) {
    TShiftState shift;
    if (Keys & MK_SHIFT) shift << ssShift;
    if (Keys & MK_CONTROL) shift << ssCtrl;
    if (Keys & MK_LBUTTON) shift << ssLeft;
    if (Keys & MK_RBUTTON) shift << ssRight;
    if (Keys & MK_MBUTTON) shift << ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift << ssAlt;
    return shift;
}

constexpr WPARAM AnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

TControl* GetCaptureControl() { return captureControl; }
void SetCaptureControl(TControl* Control) { captureControl = Control; }

void TControl::MouseMessage(TMessage& Message) {
    const int x = MousePosX(Message.LParam);
    const int y = MousePosY(Message.LParam);
    TShiftState shift = KeysToShiftState(Message.WParam);
    auto press = [&](TMouseButton button, bool twice) {
        if (controlStyle_.Contains(csCaptureMouse)) SetCaptureControl(this);
        if (button == mbLeft && !twice && controlStyle_.Contains(csClickEvents)) clicked_ = true;
        std::weak_ptr<char> alive = alive_;
        if (twice) {
            if (controlStyle_.Contains(csClickEvents)) DblClick();
            if (alive.expired()) return;
            shift << ssDouble;
        }
        MouseDown(button, shift, x, y);
    };
    auto release = [&](TMouseButton button) {
        if (!(Message.WParam & AnyButton) && GetCaptureControl() == this) SetCaptureControl(nullptr);
        if (button == mbLeft && clicked_) {
            clicked_ = false;
            std::weak_ptr<char> alive = alive_;
            if (GetClientRect().Contains({x, y})) Click();
            if (alive.expired()) return;
        }
        MouseUp(button, shift, x, y);
    };
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: press(mbLeft, false); break;
    case WM_LBUTTONDBLCLK: press(mbLeft, true); break;
    case WM_RBUTTONDOWN: press(mbRight, false); break;
    case WM_RBUTTONDBLCLK: press(mbRight, true); break;
    case WM_MBUTTONDOWN: press(mbMiddle, false); break;
    case WM_MBUTTONDBLCLK: press(mbMiddle, true); break;
    case WM_LBUTTONUP: release(mbLeft); break;
    case WM_RBUTTONUP: release(mbRight); break;
    case WM_MBUTTONUP: release(mbMiddle); break;
    default: MouseMove(shift, x, y); break;
    }
}

void TControl::WheelMessage(TMessage& Message) {
    const int delta = static_cast<std::int16_t>((Message.WParam >> 16) & 0xFFFF);
    TShiftState shift = KeysToShiftState(Message.WParam & 0xFFFF);
    TPoint pos(MousePosX(Message.LParam), MousePosY(Message.LParam));
    std::weak_ptr<char> alive = alive_;
    bool handled = DoMouseWheel(shift, delta, pos);
    if (alive.expired()) return;
    // Unhandled turns go to the parent, as far as the form.
    if (!handled && parent_) handled = parent_->Perform(Message.Msg, Message.WParam, Message.LParam) != 0;
    Message.Result = handled;
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled) return true;
    // Each full notch (WHEEL_DELTA) is one step down or up; finer turns add up.
    wheelAccumulator_ += WheelDelta;
    while (wheelAccumulator_ <= -WHEEL_DELTA || wheelAccumulator_ >= WHEEL_DELTA) {
        if (wheelAccumulator_ < 0) {
            wheelAccumulator_ += WHEEL_DELTA;
            handled = DoMouseWheelDown(Shift, MousePos);
        } else {
            wheelAccumulator_ -= WHEEL_DELTA;
            handled = DoMouseWheelUp(Shift, MousePos);
        }
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}
