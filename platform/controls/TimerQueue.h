#pragma once
// Platform-internal: when the next armed timer is due, for the test clock
// (platform/testing/TestClock.h) that moves from one due timer to the next.

// The tick (TickClock.h) at which the earliest armed timer is due; -1 when
// none is armed.
long long NextTimerDue();
