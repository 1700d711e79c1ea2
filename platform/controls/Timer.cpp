// TTimer: every armed timer waits in one queue ordered by the tick at which
// it is due; the host wakes the queue for the earliest, and the stopped
// clock of the tests wakes it whenever it is moved.
#include <algorithm>
#include <climits>
#include <map>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/TimerQueue.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"
#include "platform/host/HostWake.h"
#include "platform/runtime/TickClock.h"

struct TTimer::Host {
    using Queue = std::multimap<long long, Host*>;
    explicit Host(TTimer* Timer) : timer(Timer) {}
    TTimer* timer;
    Queue::iterator place{};
    bool queued = false;
    bool firing = false;
    bool freed = false;  // freed from its own OnTimer: the queue frees this
};

class TTimerQueue {
public:
    using TTimerQueueMap = TTimer::Host::Queue;

    // Leaked on purpose: timers of forms freed at exit still leave the queue.
    static TTimerQueueMap& Map() {
        static auto* map = new TTimerQueueMap;
        return *map;
    }

    // Equal ticks keep the order of arming (a multimap inserts at the end of
    // its equal range).
    static void Queue(TTimer::Host* Host, long long Due) {
        Unqueue(Host);
        Host->place = Map().emplace(Due, Host);
        Host->queued = true;
    }

    static void Unqueue(TTimer::Host* Host) {
        if (!Host->queued) return;
        Map().erase(Host->place);
        Host->queued = false;
    }

    // One host wake-up, for the earliest timer. The stopped clock does not
    // run: a timer is woken only once moving it has made it due.
    static void ScheduleWake() {
        if (Map().empty()) {
            CancelHostWake();
            return;
        }
        const long long wait = Map().begin()->first - TickCount();
        if (wait <= 0) WakeHostAfter(0, &FireDue);
        else if (TickClockStopped()) CancelHostWake();
        else WakeHostAfter(static_cast<int>(std::min<long long>(wait, INT_MAX)), &FireDue);
    }

    // Fires every timer due now, earliest first. Each leaves the queue while
    // its handler runs, so a nested message loop does not fire it again; it
    // comes back after a beat unless the handler stopped, re-armed or freed it.
    static void FireDue() {
        const long long now = TickCount();
        TTimerQueueMap& map = Map();
        while (!map.empty() && map.begin()->first <= now) {
            const long long due = map.begin()->first;
            TTimer::Host* host = map.begin()->second;
            Unqueue(host);
            // Woken again for the others, should the handler run a loop of its own.
            ScheduleWake();
            TTimer* timer = host->timer;
            host->firing = true;
            HostCall(timer, [timer] { timer->Timer(); });
            host->firing = false;
            if (host->freed) {
                delete host;
                continue;
            }
            if (host->queued || !timer->enabled_ || timer->interval_ == 0) continue;
            // A timer that fell behind skips the beats it missed.
            const long long interval = timer->interval_;
            const long long later = TickCount();
            long long next = due + interval;
            if (next <= later) next += ((later - next) / interval + 1) * interval;
            Queue(host, next);
        }
        ScheduleWake();
    }
};

long long NextTimerDue() { return TTimerQueue::Map().empty() ? -1 : TTimerQueue::Map().begin()->first; }

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    EnsureHost();
    static const bool watching = (SetTickClockWatcher(&TTimerQueue::ScheduleWake), true);
    (void)watching;
    host_ = new Host(this);
    UpdateTimer();
}

TTimer::~TTimer() {
    TTimerQueue::Unqueue(host_);
    if (host_->firing) host_->freed = true;
    else delete host_;
    TTimerQueue::ScheduleWake();
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
    TTimerQueue::Unqueue(host_);
    if (enabled_ && interval_ > 0) TTimerQueue::Queue(host_, TickCount() + interval_);
    TTimerQueue::ScheduleWake();
}

void TTimer::Timer() {
    if (OnTimer) OnTimer(this);
}
