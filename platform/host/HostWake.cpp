// One host timer and one posted call that wake the platform's timer queue.
#include "platform/host/HostWake.h"

#include <QTimer>

#include "platform/host/HostCall.h"

namespace {

void (*wake)() = nullptr;
// Every request gets a number; a wake-up answers only the latest one, so a
// replaced or cancelled request that is already under way comes to nothing.
unsigned long long latest = 0;
unsigned long long timerRequest = 0;
unsigned long long postRequest = 0;
bool postPending = false;

void Answer(unsigned long long Request) {
    if (Request != latest || !wake) return;
    ++latest;  // answered once
    wake();
}

QTimer* HostTimer() {
    // Never freed, like the application object: timers may be armed until exit.
    static QTimer* timer = [] {
        auto* t = new QTimer;
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
        QObject::connect(t, &QTimer::timeout, [] { Answer(timerRequest); });
        return t;
    }();
    return timer;
}

}  // namespace

void WakeHostAfter(int DelayMs, void (*Wake)()) {
    wake = Wake;
    const unsigned long long request = ++latest;
    HostTimer()->stop();
    if (DelayMs > 0) {
        timerRequest = request;
        HostTimer()->start(DelayMs);
        return;
    }
    // A posted call, not a zero timer: posted events are handled by every
    // pass of the loop, ProcessMessages included.
    postRequest = request;
    if (postPending) return;
    postPending = true;
    PostHostCall([] {
        postPending = false;
        Answer(postRequest);
    });
}

void CancelHostWake() {
    ++latest;
    if (wake) HostTimer()->stop();
}
