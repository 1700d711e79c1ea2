#include "platform/testing/TestInput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QThread>
#include <QWindow>

#include "platform/host/HostCall.h"
#include "platform/host/QtBridge.h"
#include "platform/host/WindowSurfaceWidget.h"

namespace {

Qt::MouseButtons held;
QPointer<WindowSurface> grabbed;  // gets every mouse event while a button is held

Qt::MouseButton HostButton(TMouseButton b) {
    return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

Qt::KeyboardModifiers HostModifiers(TShiftState s) {
    Qt::KeyboardModifiers m;
    if (s.Contains(ssShift)) m |= Qt::ShiftModifier;
    if (s.Contains(ssCtrl)) m |= Qt::ControlModifier;
    if (s.Contains(ssAlt)) m |= Qt::AltModifier;
    return m;
}

TWinControl* WindowedOf(TControl* c) {
    auto* w = dynamic_cast<TWinControl*>(c);
    return w ? w : c->GetParent();
}

// The deepest shown windowed control under a screen point, as the window
// system finds the window for a mouse event.
TWinControl* WindowAt(TWinControl* w, TPoint screen) {
    for (int i = w->GetControlCount() - 1; i >= 0; --i) {
        auto* child = dynamic_cast<TWinControl*>(w->GetControls(i));
        if (!child || !child->GetVisible()) continue;
        TPoint p = w->ScreenToClient(screen);
        if (child->GetBoundsRect().Contains(p)) return WindowAt(child, screen);
    }
    return w;
}

void SendMouse(TControl* control, QEvent::Type type, Qt::MouseButton button, int x, int y, TShiftState shift) {
    TPoint screen = control->ClientToScreen({x, y});
    WindowSurface* target = grabbed;
    if (!target || !target->Control()) {
        TWinControl* root = WindowedOf(control);
        TCustomForm* form = GetParentForm(root);
        target = static_cast<WindowSurface*>(WindowAt(form ? form : root, screen)->GetHandle());
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        held |= button;
        grabbed = target;
    } else if (type == QEvent::MouseButtonRelease) {
        held &= ~Qt::MouseButtons(button);
    }
    // The grab ends with the last button's release, before it is delivered:
    // a release that opens a modal form (a dialog's button) must not leave
    // the input inside that form going to the button under the grab.
    if (!held) grabbed = nullptr;
    QPointF global(screen.x, screen.y);
    QPointF local = target->mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, button, held, HostModifiers(shift));
    QCoreApplication::sendEvent(target, &event);
    RaisePendingHostFailure();
}

void SendKey(TCustomForm* form, QEvent::Type type, int key, TShiftState shift, const QString& text) {
    if (!form) form = Screen->GetActiveForm();
    if (!form) throw EInvalidOperation("No form is active to take the key");
    QKeyEvent event(type, key, HostModifiers(shift), text);
    QCoreApplication::sendEvent(static_cast<WindowSurface*>(form->GetHandle()), &event);
    RaisePendingHostFailure();
}

// The tray icon shown now; the host makes its icons children of the
// application object.
QSystemTrayIcon* ShownTrayIcon() {
    for (QSystemTrayIcon* icon : qApp->findChildren<QSystemTrayIcon*>(Qt::FindDirectChildrenOnly))
        if (icon->isVisible()) return icon;
    return nullptr;
}

QSystemTrayIcon* TrayIconToClick() {
    QSystemTrayIcon* icon = ShownTrayIcon();
    if (!icon) throw EInvalidOperation("No tray icon is shown");
    return icon;
}

QString TextOf(Word key, TShiftState shift) {
    if (shift.Contains(ssCtrl) && key >= 'A' && key <= 'Z') return QString(QChar(key - 'A' + 1));
    if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return {};
    if (key >= 'A' && key <= 'Z') return QString(QChar(shift.Contains(ssShift) ? key : key + 32));
    if (key >= '0' && key <= '9') return QString(QChar(key));
    switch (key) {
    case VK_SPACE: return " ";
    case VK_RETURN: return "\r";
    case VK_ESCAPE: return "\x1b";
    case VK_BACK: return "\b";
    case VK_TAB: return "\t";
    default: return {};
    }
}

}  // namespace

void MouseDown(TControl* Control, TMouseButton Button, int X, int Y, TShiftState Shift) {
    SendMouse(Control, QEvent::MouseButtonPress, HostButton(Button), X, Y, Shift);
}

void MouseMove(TControl* Control, int X, int Y, TShiftState Shift) {
    SendMouse(Control, QEvent::MouseMove, Qt::NoButton, X, Y, Shift);
}

void MouseUp(TControl* Control, TMouseButton Button, int X, int Y, TShiftState Shift) {
    SendMouse(Control, QEvent::MouseButtonRelease, HostButton(Button), X, Y, Shift);
}

void MouseClick(TControl* Control, int X, int Y, TMouseButton Button) {
    std::weak_ptr<char> alive = Control->AliveToken();
    MouseDown(Control, Button, X, Y);
    if (!alive.expired()) MouseUp(Control, Button, X, Y);
}

void MouseDoubleClick(TControl* Control, int X, int Y) {
    MouseClick(Control, X, Y);
    SendMouse(Control, QEvent::MouseButtonDblClick, Qt::LeftButton, X, Y, TShiftState());
    SendMouse(Control, QEvent::MouseButtonRelease, Qt::LeftButton, X, Y, TShiftState());
}

void MouseWheel(TControl* Control, int X, int Y, int Delta, TShiftState Shift) {
    TPoint screen = Control->ClientToScreen({X, Y});
    TWinControl* root = WindowedOf(Control);
    TCustomForm* form = GetParentForm(root);
    auto* target = static_cast<WindowSurface*>(WindowAt(form ? form : root, screen)->GetHandle());
    QPointF global(screen.x, screen.y);
    QPointF local = target->mapFromGlobal(global);
    QWheelEvent event(local, global, QPoint(), QPoint(0, Delta), held, HostModifiers(Shift), Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(target, &event);
    RaisePendingHostFailure();
}

void PressKey(TCustomForm* Form, Word Key, TShiftState Shift) {
    const int key = HostKeyFromVirtual(Key);
    SendKey(Form, QEvent::KeyPress, key, Shift, TextOf(Key, Shift));
    SendKey(Form, QEvent::KeyRelease, key, Shift, QString());
}

void TypeText(TCustomForm* Form, const AnsiString& Text) {
    const QString text = QString::fromUtf8(Text.c_str());
    for (int i = 0; i < text.size(); ++i) {
        QString ch = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        i += ch.size() - 1;
        const char16_t c = ch[0].unicode();
        int key = Qt::Key_unknown;
        if (c >= 'a' && c <= 'z') key = Qt::Key_A + (c - 'a');
        else if (c >= 0x20 && c < 0x7F) key = c;  // the host's codes of printable ASCII
        SendKey(Form, QEvent::KeyPress, key, TShiftState(), ch);
        SendKey(Form, QEvent::KeyRelease, key, TShiftState(), QString());
    }
}

void CloseWindow(TCustomForm* Form) {
    static_cast<WindowSurface*>(Form->GetHandle())->close();
    RaisePendingHostFailure();
}

TColor ScreenPixel(TControl* Control, int X, int Y) {
    TWinControl* w = WindowedOf(Control);
    auto* surface = static_cast<WindowSurface*>(w->GetHandle());
    // A real display maps a new window a little later.
    ProcessMessagesUntil([surface] {
        QWindow* window = surface->window()->windowHandle();
        return window && window->isExposed();
    }, 30000);
    ProcessHostEvents(false);
    TPoint screen = Control->ClientToScreen({X, Y});
    QPoint inWindow = surface->window()->mapFromGlobal(QPoint(screen.x, screen.y));
    QImage shot = QGuiApplication::primaryScreen()
                      ->grabWindow(surface->window()->winId(), inWindow.x(), inWindow.y(), 1, 1)
                      .toImage();
    if (shot.isNull()) return clNone;
    QRgb c = shot.pixel(0, 0);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

TColor SurfacePixel(TWinControl* Control, int X, int Y) {
    const QImage& image = BitmapImage(ControlRouting::Buffer(Control));
    if (!image.valid(X, Y)) return clNone;
    QRgb c = image.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

TCursor ShownCursor(TWinControl* Control) { return static_cast<WindowSurface*>(Control->GetHandle())->ShownCursor(); }

bool ShownMinimized(TCustomForm* Form) {
    return static_cast<WindowSurface*>(Form->GetHandle())->isMinimized();
}

bool TrayIconShown() { return ShownTrayIcon() != nullptr; }

void ClickTrayIcon() {
    emit TrayIconToClick()->activated(QSystemTrayIcon::Trigger);
    RaisePendingHostFailure();
}

void ChooseFromTrayMenu(const AnsiString& Entry) {
    QMenu* menu = TrayIconToClick()->contextMenu();
    const QList<QAction*> actions = menu ? menu->actions() : QList<QAction*>();
    for (QAction* action : actions) {
        if (action->text() != QString::fromUtf8(Entry.c_str())) continue;
        action->trigger();
        RaisePendingHostFailure();
        return;
    }
    throw EInvalidOperation("The tray icon's menu has no entry \"" + Entry + "\"");
}

bool ProcessMessagesUntil(const std::function<bool()>& Done, int TimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > TimeoutMs) return false;
        ProcessHostEvents(false);
        if (!Done()) QThread::msleep(2);
    }
    return true;
}

void ResetApplicationState() {
    Application->terminated_ = false;
    Application->mainForm_ = nullptr;
    Application->OnMessageBox = nullptr;
}
