#pragma once
// Platform-internal: the host's event loop wakes the platform's timers
// (Timer.cpp), which keep their own queue on the tick clock and need one
// host timer only, for the earliest of them.

// Asks the loop to call Wake once, DelayMs from now (0 or less: at its next
// pass), replacing any earlier request.
void WakeHostAfter(int DelayMs, void (*Wake)());
// Forgets the outstanding request.
void CancelHostWake();
