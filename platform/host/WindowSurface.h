#pragma once
// Platform-internal: the host widget behind each windowed control. It shows
// the control's backing bitmap and turns host input into the control's
// messages. Never included outside platform/.

#include <QWidget>

#include "platform/controls/Controls.h"

class TCustomForm;

class WindowSurface : public QWidget {
public:
    explicit WindowSurface(TWinControl* Control);
    ~WindowSurface() override;

    TWinControl* Control() const { return control_; }
    // The control is going away: the widget ignores everything from now on
    // and is deleted at once, or after the host event it is handling.
    void Detach();
    // Shows the backing bitmap again without repainting the control.
    void ScheduleBlit() { update(); }
    // The cursor last set on the widget, for checks.
    int ShownCursor() const { return shownCursor_; }
    void ShowCursor(TCursor Cursor);

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void moveEvent(QMoveEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void Mouse(QMouseEvent* Event);
    TWinControl* control_;
    int eventDepth_ = 0;
    bool deletePending_ = false;
    int shownCursor_ = crDefault;
};

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

// The modifiers and buttons of the host event being handled (GetKeyState).
void SetInputState(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons);
WPARAM MouseKeys();

// Key codes between the host and the controls; 0 when the key has none.
Word VirtualKeyFromHost(int HostKey, Qt::KeyboardModifiers Modifiers);
int HostKeyFromVirtual(Word Key);

// The host cursor shown for a cursor number (Screen's registry).
QCursor HostCursor(TCursor Cursor);
