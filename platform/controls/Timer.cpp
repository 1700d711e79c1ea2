#include <QCoreApplication>
#include <QTimer>

#include "platform/controls/ExtCtrls.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"

struct TTimer::Host {
    QTimer timer;
    bool firing = false;
};

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    EnsureHost();
    host_ = new Host;
    QObject::connect(&host_->timer, &QTimer::timeout, [this] {
        Host* host = host_;
        host->firing = true;
        HostCall(this, [this] { Timer(); });
        host->firing = false;
    });
    UpdateTimer();
}

TTimer::~TTimer() {
    host_->timer.stop();
    QObject::disconnect(&host_->timer, nullptr, nullptr, nullptr);
    if (host_->firing) {
        // Freed from its own OnTimer: the host timer goes once its signal returns.
        Host* host = host_;
        QMetaObject::invokeMethod(qApp, [host] { delete host; }, Qt::QueuedConnection);
    } else {
        delete host_;
    }
}

void TTimer::SetEnabled(bool Value) {
    if (enabled_ == Value) return;
    enabled_ = Value;
    UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
    if (interval_ == Value) return;
    interval_ = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    host_->timer.stop();
    if (enabled_ && interval_ > 0) {
        host_->timer.setInterval(static_cast<int>(interval_));
        host_->timer.start();
    }
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}
