#pragma once
// The monotonic millisecond clock that every timer, time-out and delay reads,
// and its stopped mode, in which tests move it by hand. The calendar clock of
// Now() is another one (DateUtils.h, with its own setting for tests).

#include "platform/runtime/Exceptions.h"

// Milliseconds since an arbitrary start; never goes back.
long long TickCount();

// The stopped clock: a test stops it at its reading, then it moves only when
// the test says so, so that whatever the test checks about timers and
// time-outs holds however fast or loaded the machine is. Tests reach it
// through platform/testing/TestClock.h.
void StopTickClockForTests();
bool TickClockStopped();
// Moves the stopped clock on; raises EInvalidOperation when the clock runs
// or Milliseconds is negative. Nothing fires here: the timers are woken for
// the next message processing.
void AdvanceTickClockForTests(long long Milliseconds);
// Runs in real time again, on from the stopped reading (never back).
void ResetTickClockForTests();

// Called after the clock stops, moves or runs again: the timers' queue
// (Timer.cpp), which asks the host to wake it when the next one is due.
void SetTickClockWatcher(void (*Watcher)());
