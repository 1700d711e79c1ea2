// The system tray icon over the host's, with its menu of Restore and Exit.
#include "platform/host/TrayIcon.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

#include "platform/host/Host.h"
#include "platform/host/HostCall.h"

namespace {

int fakedTray = -1;  // -1: the desktop says

// The program's window icon, or a plain one of our own when it has none: a
// tray shows nothing at all for an empty icon.
QIcon TrayPicture() {
    QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) return icon;
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(0, 0, 0x80));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3));
    const QPoint rising[] = {{4, 26}, {12, 16}, {18, 21}, {28, 6}};
    painter.drawPolyline(rising, 4);
    return QIcon(pixmap);
}

}  // namespace

void FakeSystemTray(bool Available) { fakedTray = Available ? 1 : 0; }

void EndFakeSystemTray() { fakedTray = -1; }

bool TTrayIcon::Available() {
    if (fakedTray >= 0) return fakedTray == 1;
    EnsureHost();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

// The icon is a child of the application object, where the test input finds
// it. The connections run through Receiver, which goes with this object, so
// that nothing reaches a freed icon; the host's objects themselves go later,
// since an event of theirs may be what frees it.
struct TTrayIcon::Host {
    QObject Receiver;
    QSystemTrayIcon* Icon = nullptr;
    QMenu* Menu = nullptr;
};

namespace {

// Copied first: the call may free the icon and the event with it.
void Fire(const std::function<void()>& Event) {
    std::function<void()> call = Event;
    if (call) HostCall(nullptr, call);
}

}  // namespace

TTrayIcon::TTrayIcon() : host_(std::make_unique<Host>()) {
    EnsureHost();
    host_->Icon = new QSystemTrayIcon(TrayPicture(), qApp);
    host_->Menu = new QMenu();
    QObject::connect(host_->Menu->addAction(QStringLiteral("Restore")), &QAction::triggered, &host_->Receiver,
                     [this] { Fire(OnRestore); });
    QObject::connect(host_->Menu->addAction(QStringLiteral("Exit")), &QAction::triggered, &host_->Receiver,
                     [this] { Fire(OnExit); });
    host_->Icon->setContextMenu(host_->Menu);
    // The menu opens by itself on the context click; any other click restores.
    QObject::connect(host_->Icon, &QSystemTrayIcon::activated, &host_->Receiver,
                     [this](QSystemTrayIcon::ActivationReason Reason) {
                         if (Reason == QSystemTrayIcon::Trigger || Reason == QSystemTrayIcon::DoubleClick)
                             Fire(OnRestore);
                     });
}

TTrayIcon::~TTrayIcon() {
    host_->Icon->hide();
    host_->Icon->deleteLater();
    host_->Menu->deleteLater();
}

void TTrayIcon::SetHint(const AnsiString& Value) { host_->Icon->setToolTip(QString::fromUtf8(Value.c_str())); }

void TTrayIcon::SetVisible(bool Value) { host_->Icon->setVisible(Value); }
