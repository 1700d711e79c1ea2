// The host widget of a windowed control: shows the backing bitmap and turns
// host events into the control's messages.
#include "platform/host/WindowSurfaceWidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>

#include "platform/controls/Forms.h"
#include "platform/host/HostCall.h"
#include "platform/host/QtBridge.h"

namespace {

// Host events being handled right now, on any surface: a surface freed
// meanwhile is deleted only after they return.
int hostEventDepth = 0;

struct EventScope {
    EventScope() { ++hostEventDepth; }
    ~EventScope() { --hostEventDepth; }
};

// Input reaches only the top modal form while one is shown, and the windows
// that show without taking the activation: the popups its controls open.
bool Blocked(TWinControl* control) {
    TCustomForm* modal = Screen->ModalForm();
    TCustomForm* form = GetParentForm(control);
    return modal && form != modal && !(form && !form->GetActivateOnShow());
}

Cardinal MouseMessageFor(QEvent::Type type, Qt::MouseButton button) {
    Cardinal base = button == Qt::RightButton ? WM_RBUTTONDOWN : button == Qt::MiddleButton ? WM_MBUTTONDOWN
                                                                                            : WM_LBUTTONDOWN;
    switch (type) {
    case QEvent::MouseButtonPress: return base;
    case QEvent::MouseButtonRelease: return base + 1;
    case QEvent::MouseButtonDblClick: return base + 2;
    default: return WM_MOUSEMOVE;
    }
}

TPoint ToPoint(const QPointF& p) { return {qRound(p.x()), qRound(p.y())}; }

// What GetKeyState answers while the controls handle a host event.
THostInputState InputState(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
    THostInputState state;
    state.Shift = Modifiers & Qt::ShiftModifier;
    state.Control = Modifiers & Qt::ControlModifier;
    state.Alt = Modifiers & Qt::AltModifier;
    state.Left = Buttons & Qt::LeftButton;
    state.Right = Buttons & Qt::RightButton;
    state.Middle = Buttons & Qt::MiddleButton;
    return state;
}

}  // namespace

WindowSurface::WindowSurface(TWinControl* Control) : control_(Control) {
    // The application object ends the program, not the host's last window.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

WindowSurface::~WindowSurface() = default;

void WindowSurface::Detach() {
    control_ = nullptr;
    hide();
    if (hostEventDepth == 0) {
        delete this;
        return;
    }
    // Qt may still be inside an event of this widget or of a parent.
    setParent(nullptr);
    QMetaObject::invokeMethod(qApp, [this] { delete this; }, Qt::QueuedConnection);
}

void WindowSurface::ShowCursor(TCursor Cursor) {
    if (Cursor == shownCursor_) return;
    shownCursor_ = Cursor;
    setCursor(HostCursor(Cursor));
}

void WindowSurface::SetFrameFlags(Qt::WindowFlags Flags) {
    frameFlags_ = Flags;
    setWindowFlags(Flags);
}

bool WindowSurface::event(QEvent* Event) {
    if (Event->type() == QEvent::KeyPress || Event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(Event);
        key->accept();
        if (!control_ || Blocked(control_)) return true;
        EventScope scope;
        SetInputState(InputState(key->modifiers(), QGuiApplication::mouseButtons()));
        const Word vk = VirtualKeyFromHost(key->key(), key->modifiers());
        const std::string text = key->text().toStdString();
        const bool down = Event->type() == QEvent::KeyPress;
        HostCall(control_, [&] { ControlRouting::KeyInput(control_, vk, down ? text : std::string(), down); });
        return true;
    }
    return QWidget::event(Event);
}

// Only shows the backing bitmap: the control paints into it elsewhere.
void WindowSurface::paintEvent(QPaintEvent*) {
    if (!control_) return;
    QPainter painter(this);
    const QImage& image = BitmapImage(ControlRouting::Buffer(control_));
    painter.drawImage(0, 0, image);
    if (image.width() < width() || image.height() < height()) {
        TColor rgb = ColorToRGB(control_->GetColor());
        QColor back(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
        painter.fillRect(image.width(), 0, width() - image.width(), height(), back);
        painter.fillRect(0, image.height(), image.width(), height() - image.height(), back);
    }
}

void WindowSurface::showEvent(QShowEvent*) {
    // A control that was asked to paint while hidden paints now.
    if (control_ && ControlRouting::NeedsPaint(control_)) control_->Invalidate();
}

void WindowSurface::Mouse(QMouseEvent* Event) {
    Event->accept();
    if (!control_ || Blocked(control_)) return;
    EventScope scope;
    SetInputState(InputState(Event->modifiers(), Event->buttons()));
    const Cardinal msg = MouseMessageFor(Event->type(), Event->button());
    const TPoint screen = ToPoint(Event->globalPosition());
    HostCall(control_, [&] { ControlRouting::MouseInput(control_, msg, screen, MouseKeys()); });
}

void WindowSurface::mousePressEvent(QMouseEvent* Event) {
    // A press on a window that was minimised but never left the screen (no
    // window manager iconified it): it is in use again, so it is a normal
    // window again. Left minimised, a web view on it would stop drawing.
    if (isWindow() && isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    Mouse(Event);
}
void WindowSurface::mouseReleaseEvent(QMouseEvent* Event) { Mouse(Event); }
void WindowSurface::mouseDoubleClickEvent(QMouseEvent* Event) { Mouse(Event); }
void WindowSurface::mouseMoveEvent(QMouseEvent* Event) { Mouse(Event); }

void WindowSurface::wheelEvent(QWheelEvent* Event) {
    Event->accept();
    if (!control_ || Blocked(control_)) return;
    EventScope scope;
    SetInputState(InputState(Event->modifiers(), Event->buttons()));
    const TPoint screen = ToPoint(Event->globalPosition());
    const int delta = Event->angleDelta().y();
    HostCall(control_, [&] { ControlRouting::WheelInput(control_, delta, screen, MouseKeys()); });
}

void WindowSurface::leaveEvent(QEvent*) {
    if (!control_) return;
    // Only what this surface shows: the control itself or one of its graphic children.
    TControl* over = ControlRouting::MouseControl();
    bool ours = over == control_ || (over && over->GetParent() == control_ && !dynamic_cast<TWinControl*>(over));
    if (!ours) return;
    EventScope scope;
    HostCall(control_, [] { ControlRouting::MouseOver(nullptr); });
}

void WindowSurface::resizeEvent(QResizeEvent*) {
    if (!control_ || !isWindow()) return;
    EventScope scope;
    HostCall(control_, [this] { ControlRouting::HostResized(control_, width(), height()); });
}

void WindowSurface::moveEvent(QMoveEvent*) {
    if (!control_ || !isWindow()) return;
    EventScope scope;
    HostCall(control_, [this] { ControlRouting::HostMoved(control_, geometry().x(), geometry().y()); });
}

void WindowSurface::closeEvent(QCloseEvent* Event) {
    Event->ignore();  // the form decides, and hides or frees itself
    auto* form = dynamic_cast<TCustomForm*>(control_);
    if (!form || Blocked(form)) return;
    EventScope scope;
    // As a message, so that a form may answer it while busy in a handler.
    HostCall(form, [form] { form->Perform(WM_CLOSE, 0, 0); });
}

void WindowSurface::changeEvent(QEvent* Event) {
    QWidget::changeEvent(Event);
    // Headless, the forms' own bookkeeping decides which one is active.
    if (Event->type() != QEvent::ActivationChange || !control_ || HeadlessHost() || !isActiveWindow()) return;
    auto* form = dynamic_cast<TCustomForm*>(control_);
    if (!form) return;
    EventScope scope;
    HostCall(form, [form] { ControlRouting::HostActivated(form); });
}
