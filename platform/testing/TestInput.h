#pragma once
// Synthesised input for tests. Events go to the controls' host surfaces as
// the window system would send them, so they take the same road as a
// person's: capture, modal forms, focus and the default exception handling.
// Each call handles its events at once and raises a failure that a handler
// could not show (an unanswered modal thing).

#include <functional>

#include "platform/controls/Forms.h"

// X, Y are client coordinates of Control; Shift adds Shift, Ctrl and Alt.
void MouseDown(TControl* Control, TMouseButton Button, int X, int Y, TShiftState Shift = TShiftState());
void MouseMove(TControl* Control, int X, int Y, TShiftState Shift = TShiftState());
void MouseUp(TControl* Control, TMouseButton Button, int X, int Y, TShiftState Shift = TShiftState());
void MouseClick(TControl* Control, int X, int Y, TMouseButton Button = mbLeft);
// Press, release, second press (a double click), release.
void MouseDoubleClick(TControl* Control, int X, int Y);
// Delta in WHEEL_DELTA units per notch; positive turns away from the user.
void MouseWheel(TControl* Control, int X, int Y, int Delta, TShiftState Shift = TShiftState());

// A key pressed and released on Form (the active form when nullptr), with
// the character it types.
void PressKey(TCustomForm* Form, Word Key, TShiftState Shift = TShiftState());
// Types each character of Text (UTF-8).
void TypeText(TCustomForm* Form, const AnsiString& Text);
// As the window's close button.
void CloseWindow(TCustomForm* Form);

// The colour shown on screen at a client point of Control, after pending
// events; and the colour in its backing bitmap.
TColor ScreenPixel(TControl* Control, int X, int Y);
TColor SurfacePixel(TWinControl* Control, int X, int Y);
// The cursor number shown over the windowed control's surface.
TCursor ShownCursor(TWinControl* Control);
// Whether the form's window is shown minimised.
bool ShownMinimized(TCustomForm* Form);

// The system tray (FakeSystemTray in TrayIcon.h gives a headless run one):
// whether an icon is shown there, a click on it, and a choice of an entry
// ("Restore", "Exit") from its menu. Without a shown icon, or with no such
// entry, the click and the choice raise EInvalidOperation.
bool TrayIconShown();
void ClickTrayIcon();
void ChooseFromTrayMenu(const AnsiString& Entry);

// Forgets that the application was terminated, which form was its main
// form and who showed its message boxes, so that one test program can run
// the message loop more than once.
void ResetApplicationState();
// Handles events until Done or the time is up; false on time-out. For events
// that come from outside the program's clock (a paint, a page loaded); the
// time-out is real time and only guards against a hang, so give it room
// (30 s): a test never measures anything with it. Timers and time-outs run
// on the test clock instead (TestClock.h).
bool ProcessMessagesUntil(const std::function<bool()>& Done, int TimeoutMs);
