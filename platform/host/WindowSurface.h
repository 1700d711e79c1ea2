#pragma once
// Platform-internal: what the controls do with the host window behind each
// windowed control, where host input meets the controls, and the input state
// of the host event being handled. No Qt here: the widget itself lives in
// WindowSurfaceWidget.h, which only the host and the test input include.

#include <string>

#include "platform/controls/Forms.h"

// ---- The surface of a windowed control -----------------------------------------

// A new hidden surface with no parent, showing Control's backing bitmap.
WindowSurface* CreateSurface(TWinControl* Control);
// The control is going away: the surface ignores everything from now on and
// is deleted at once, or after the host event it is handling.
void DetachSurface(WindowSurface* Surface);
void SetSurfaceParent(WindowSurface* Surface, WindowSurface* Parent);
void SetSurfaceBounds(WindowSurface* Surface, int Left, int Top, int Width, int Height);
void SetSurfaceVisible(WindowSurface* Surface, bool Visible);
// Shows a top-level surface as the window system shows new windows, in
// front: above Owner's window (the window system keeps it there; nullptr
// for a window that belongs above none), raised, and active unless it shows
// without taking the activation.
void ShowSurface(WindowSurface* Surface, WindowSurface* Owner);
bool SurfaceVisible(const WindowSurface* Surface);
// Where the surface's top left corner is on the screen.
TPoint SurfaceScreenOrigin(const WindowSurface* Surface);
// Shows the backing bitmap now, or at the host's next paint; neither
// repaints the control.
void BlitSurface(WindowSurface* Surface);
void ScheduleBlit(WindowSurface* Surface);
void ShowSurfaceCursor(WindowSurface* Surface, TCursor Cursor);

// ---- Top-level surfaces (forms) ----------------------------------------------------

// The window system's frame, title bar buttons and activation for a form's window.
void SetSurfaceFrame(WindowSurface* Surface, TFormBorderStyle BorderStyle, TBorderIcons BorderIcons,
                     bool HostFrame, bool ActivateOnShow);
// A window the user cannot resize, or one of any size.
void FixSurfaceSize(WindowSurface* Surface, int Width, int Height);
void UnfixSurfaceSize(WindowSurface* Surface);
void SetSurfaceTitle(WindowSurface* Surface, const AnsiString& Title);
void MinimizeSurface(WindowSurface* Surface);

// ---- Host input ----------------------------------------------------------------------

// Platform-internal: where host input meets the controls.
struct ControlRouting {
    // The deepest enabled control under Pos (client coordinates of Root).
    static TControl* TargetAt(TWinControl* Root, TPoint Pos, bool AllowDisabled);
    // Delivers a mouse message at a screen position to the capture control or
    // the control under it, starting from the surface's control.
    static void MouseInput(TWinControl* Root, Cardinal Msg, TPoint ScreenPos, WPARAM Keys);
    static void WheelInput(TWinControl* Root, int Delta, TPoint ScreenPos, WPARAM Keys);
    // Tracks the control under the mouse and sends CM_MOUSEENTER/CM_MOUSELEAVE.
    static void MouseOver(TControl* Control);
    // Shows the cursor of the control under the mouse (or the capture control).
    static void RefreshCursor();
    // Keys go to the focused control of the form the surface belongs to.
    static void KeyInput(TWinControl* Root, Word Key, const std::string& Text, bool Down);
    // Host bounds changed by the window system (top-level windows).
    static void HostMoved(TWinControl* Control, int Left, int Top);
    static void HostResized(TWinControl* Control, int Width, int Height);
    static void HostActivated(TCustomForm* Form);
    static void Forget(TControl* Control);
    static TControl* MouseControl();
    static bool NeedsPaint(TWinControl* Control) { return Control->needsPaint_; }
    static TBitmap* Buffer(TWinControl* Control) { return Control->buffer_; }
};

// The modifier keys and mouse buttons held during the host event being
// handled: what GetKeyState and MouseKeys answer.
struct THostInputState {
    bool Shift = false;
    bool Control = false;
    bool Alt = false;
    bool Left = false;
    bool Right = false;
    bool Middle = false;
};
void SetInputState(const THostInputState& State);
WPARAM MouseKeys();
