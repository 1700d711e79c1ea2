// The tick clock: the steady clock of the system, or the reading a test holds.
#include "platform/runtime/TickClock.h"

#include <atomic>
#include <chrono>

#include "platform/runtime/SysUtils.h"

namespace {

long long SteadyMilliseconds() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

// Atomic because the socket tests' server threads may ask the time too.
std::atomic<bool> stopped{false};
std::atomic<long long> reading{0};
// Added to the steady clock, so that running again after the stopped clock
// went ahead of it never turns the reading back.
std::atomic<long long> offset{0};
void (*watcher)() = nullptr;

void Tell() {
    if (watcher) watcher();
}

}  // namespace

long long TickCount() { return stopped ? reading.load() : SteadyMilliseconds() + offset.load(); }

void StopTickClockForTests() {
    if (stopped) return;
    reading = TickCount();
    stopped = true;
    Tell();
}

bool TickClockStopped() { return stopped; }

void AdvanceTickClockForTests(long long Milliseconds) {
    if (!stopped) throw EInvalidOperation("The clock runs in real time; stop it before moving it");
    if (Milliseconds < 0) throw EInvalidOperation("The clock never goes back: " + IntToStr(Milliseconds) + " ms");
    reading += Milliseconds;
    Tell();
}

void ResetTickClockForTests() {
    if (!stopped) return;
    const long long behind = reading - SteadyMilliseconds();
    if (behind > offset) offset = behind;
    stopped = false;
    Tell();
}

void SetTickClockWatcher(void (*Watcher)()) { watcher = Watcher; }
