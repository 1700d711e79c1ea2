#pragma once
// Events are method pointers: an object and one of its member functions,
// empty until assigned, tested before each call:
//
//     Button->OnClick = TNotifyEvent(this, &TMainForm::ButtonClick);
//     if (OnClick) OnClick(this);
//
// Tests may also bind any callable (a lambda recording the call).

#include <functional>
#include <type_traits>
#include <utility>

#include "platform/runtime/Types.h"

template <class Signature>
class TClosure;

template <class R, class... Args>
class TClosure<R(Args...)> {
public:
    TClosure() = default;
    TClosure(std::nullptr_t) {}
    template <class C>
    TClosure(C* object, R (C::*method)(Args...))
        : fn_([object, method](Args... a) -> R { return (object->*method)(std::forward<Args>(a)...); }),
          object_(object) {}
    template <class F, class = std::enable_if_t<std::is_invocable_r_v<R, F&, Args...> &&
                                                !std::is_same_v<std::decay_t<F>, TClosure>>>
    TClosure(F callable) : fn_(std::move(callable)) {}

    explicit operator bool() const { return static_cast<bool>(fn_); }
    R operator()(Args... args) const { return fn_(std::forward<Args>(args)...); }
    // The object the method belongs to, nullptr for a free callable.
    const void* Object() const { return object_; }

private:
    std::function<R(Args...)> fn_;
    const void* object_ = nullptr;
};

class TObject;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateMember { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateMember>;
enum TCloseAction { caNone, caHide, caFree, caMinimize };

enum TGridDrawStateMember { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateMember>;

using TNotifyEvent = TClosure<void(TObject* Sender)>;
using TMouseEvent = TClosure<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TClosure<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    TClosure<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = TClosure<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = TClosure<void(TObject* Sender, char& Key)>;
using TCloseQueryEvent = TClosure<void(TObject* Sender, bool& CanClose)>;
using TCloseEvent = TClosure<void(TObject* Sender, TCloseAction& Action)>;
using TDrawCellEvent =
    TClosure<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
