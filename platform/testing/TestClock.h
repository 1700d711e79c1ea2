#pragma once
// Time for tests. Timers, time-outs and delays all read the tick clock
// (platform/runtime/TickClock.h); a test stops it and moves it by hand, so
// that what it checks about them holds however fast or loaded the machine
// is. The tests' main stops it before every test and runs it after; a test
// of real time (the host waking its loop for a timer) calls RunClock.

#include <memory>

// Stops the clock at its reading; from now on it moves only as below.
void StopClock();
// Runs it in real time again (on from the stopped reading).
void RunClock();
// Moves the stopped clock Milliseconds on, halting at every tick at which a
// timer is due to handle messages there: each beat due in the span fires,
// in order, as on an infinitely fast machine. Messages are handled at the
// end too, so whatever became due has fired on return. (Moving it without
// handling anything: AdvanceTickClockForTests.)
void AdvanceClock(int Milliseconds);

// While it lives, the stopped clock moves Step milliseconds on at every pass
// of the host's message handling: time passing inside a wait that runs its
// own message loop (a socket's time-out), where the test cannot call
// AdvanceClock. Each pass is a fixed amount of time, so how long the wait
// lasts in real time does not matter.
class TClockStepper {
public:
    explicit TClockStepper(int Step);
    ~TClockStepper();
    TClockStepper(const TClockStepper&) = delete;
    TClockStepper& operator=(const TClockStepper&) = delete;
    // Holds the clock still from now on.
    void Stop();

private:
    struct Host;
    std::unique_ptr<Host> host_;
};
