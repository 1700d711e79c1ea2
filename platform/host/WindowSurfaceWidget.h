#pragma once
// Host-private: the Qt widget behind each windowed control. It shows the
// control's backing bitmap and turns host input into the control's messages.
// Only the host and the test input include this; the controls use the
// Qt-free functions of WindowSurface.h.

#include <QWidget>

#include "platform/host/WindowSurface.h"

class WindowSurface : public QWidget {
public:
    explicit WindowSurface(TWinControl* Control);
    ~WindowSurface() override;

    TWinControl* Control() const { return control_; }
    // The control is going away: the widget ignores everything from now on
    // and is deleted at once, or after the host event it is handling.
    void Detach();
    // The cursor last set on the widget, for checks.
    int ShownCursor() const { return shownCursor_; }
    void ShowCursor(TCursor Cursor);
    // The window flags that the form's frame asks for, set on the widget;
    // shown above another window, it may show as another kind of window.
    Qt::WindowFlags FrameFlags() const { return frameFlags_; }
    void SetFrameFlags(Qt::WindowFlags Flags);

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
    int shownCursor_ = crDefault;
    Qt::WindowFlags frameFlags_ = Qt::Window;
};

// Key codes between the host and the controls; 0 when the key has none.
Word VirtualKeyFromHost(int HostKey, Qt::KeyboardModifiers Modifiers);
int HostKeyFromVirtual(Word Key);

// The host cursor shown for a cursor number (Screen's registry).
QCursor HostCursor(TCursor Cursor);
