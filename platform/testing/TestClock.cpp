// The stopped clock for tests: moved by hand from one due timer to the next,
// or a step at every pass of the message handling.
#include "platform/testing/TestClock.h"

#include <QTimer>
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/controls/TimerQueue.h"
#include "platform/runtime/TickClock.h"

namespace {

void RequireStopped() {
    if (!TickClockStopped()) throw EInvalidOperation("The clock runs in real time; call StopClock first");
}

}  // namespace

void StopClock() { StopTickClockForTests(); }

void RunClock() { ResetTickClockForTests(); }

void AdvanceClock(int Milliseconds) {
    RequireStopped();
    if (Milliseconds < 0) throw EInvalidOperation("The clock never goes back");
    const long long target = TickCount() + Milliseconds;
    Application->ProcessMessages();  // what is due already goes first
    // A due timer fires at the first pass; a handful of passes without one
    // firing means something keeps it from firing, which must not hang here.
    int idle = 0;
    for (long long next = NextTimerDue(); next >= 0 && next <= target; next = NextTimerDue()) {
        const long long now = TickCount();
        if (next > now) idle = 0;
        else if (++idle > 100) throw EInvalidOperation("A due timer does not fire");
        // Moving it, even by nothing, wakes the timers for the next pass.
        AdvanceTickClockForTests(std::max(0LL, next - now));
        Application->ProcessMessages();
    }
    if (TickCount() < target) AdvanceTickClockForTests(target - TickCount());
    Application->ProcessMessages();
}

struct TClockStepper::Host {
    QTimer timer;
};

TClockStepper::TClockStepper(int Step) : host_(new Host) {
    RequireStopped();
    if (Step <= 0) throw EInvalidOperation("A clock step moves the clock on");
    // A zero timer fires once at every pass of the host's loop.
    host_->timer.setInterval(0);
    QObject::connect(&host_->timer, &QTimer::timeout, [Step] {
        if (TickClockStopped()) AdvanceTickClockForTests(Step);
    });
    host_->timer.start();
}

TClockStepper::~TClockStepper() = default;

void TClockStepper::Stop() { host_->timer.stop(); }
