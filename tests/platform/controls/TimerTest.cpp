#include <algorithm>
#include <string>
#include <vector>

#include "ControlProbes.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/runtime/TickClock.h"
#include "platform/testing/TestClock.h"

namespace {

using Log = std::vector<std::string>;

class Timers : public PlatformTest {
protected:
    // A timer owned by the test's form that logs Name at each beat.
    TTimer* Logging(const std::string& Name, Cardinal Interval) {
        auto* timer = new TTimer(form);
        timer->SetInterval(Interval);
        timer->OnTimer = [this, Name](TObject*) { log.push_back(Name); };
        return timer;
    }
    TForm* form = new TForm(Application);
    Log log;
};

// In real time the host wakes its loop for the timer: a loop that only waits
// for events gets the beats.
TEST_F(Timers, RealTimeBeatsWakeAWaitingLoop) {
    RunClock();
    int ticks = 0;
    auto* timer = new TTimer(form);
    timer->SetInterval(1);
    timer->OnTimer = [&](TObject*) { ++ticks; };
    while (ticks < 3) Application->HandleMessage();
    EXPECT_EQ(ticks, 3);
}

TEST_F(Timers, BeatEveryIntervalWhileEnabled) {
    TTimer* timer = Logging("beat", 100);
    AdvanceClock(99);
    EXPECT_TRUE(log.empty()) << "not before its interval";
    AdvanceClock(1);
    EXPECT_EQ(log.size(), 1u);
    AdvanceClock(250);
    EXPECT_EQ(log.size(), 3u) << "at 200 and 300";
    timer->SetEnabled(false);
    AdvanceClock(1000);
    EXPECT_EQ(log.size(), 3u);
    // Enabling again counts the interval from then.
    timer->SetEnabled(true);
    AdvanceClock(99);
    EXPECT_EQ(log.size(), 3u);
    AdvanceClock(1);
    EXPECT_EQ(log.size(), 4u);
    // So does a new interval.
    AdvanceClock(60);
    timer->SetInterval(50);
    AdvanceClock(49);
    EXPECT_EQ(log.size(), 4u);
    AdvanceClock(1);
    EXPECT_EQ(log.size(), 5u);
    timer->SetInterval(0);
    AdvanceClock(1000);
    EXPECT_EQ(log.size(), 5u) << "no interval, no beats";
}

TEST_F(Timers, DueTimersFireInTheOrderTheyFellDue) {
    Logging("a", 30);
    Logging("b", 20);
    Logging("c", 20);
    AdvanceClock(60);
    EXPECT_EQ(log, (Log{"b", "c", "a", "b", "c", "a", "b", "c"}));
}

// Moved past several beats before it could fire, a timer fires once and
// keeps its beat, as one whose loop was busy.
TEST_F(Timers, ATimerThatFellBehindFiresOnceAndKeepsItsBeat) {
    Logging("a", 30);
    Logging("b", 20);
    AdvanceTickClockForTests(65);
    EXPECT_TRUE(log.empty()) << "nothing fires until messages are handled";
    Application->ProcessMessages();
    EXPECT_EQ(log, (Log{"b", "a"}));
    AdvanceClock(14);
    EXPECT_EQ(log.size(), 2u);
    AdvanceClock(1);
    EXPECT_EQ(log, (Log{"b", "a", "b"})) << "b at 80";
    AdvanceClock(10);
    EXPECT_EQ(log, (Log{"b", "a", "b", "a"})) << "a at 90";
}

TEST_F(Timers, AHandlerMayStopOrFreeATimerDueInTheSamePass) {
    TTimer* first = Logging("first", 10);
    TTimer* stopped = Logging("stopped", 10);
    TTimer* freed = Logging("freed", 10);
    first->OnTimer = [&](TObject*) {
        log.push_back("first");
        stopped->SetEnabled(false);
        delete freed;
        freed = nullptr;
    };
    AdvanceTickClockForTests(10);
    Application->ProcessMessages();
    EXPECT_EQ(log, (Log{"first"}));
    AdvanceClock(100);
    EXPECT_EQ(log.size(), 11u);
}

TEST_F(Timers, ATimerMayFreeItself) {
    TTimer* timer = Logging("beat", 10);
    timer->OnTimer = [&](TObject* Sender) {
        log.push_back("beat");
        delete Sender;
    };
    AdvanceClock(100);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(form->GetComponentCount(), 0);
}

// A handler that handles messages itself (a dialog's loop) is not entered
// again by its own timer; the other timers go on beating.
TEST_F(Timers, ANestedLoopDoesNotReenterTheFiringTimer) {
    TTimer* outer = Logging("outer", 10);
    Logging("other", 5);
    int depth = 0, deepest = 0;
    outer->OnTimer = [&](TObject*) {
        ++depth;
        deepest = std::max(deepest, depth);
        log.push_back("outer");
        if (depth == 1) AdvanceClock(30);
        --depth;
    };
    AdvanceClock(10);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(log, (Log{"other", "outer", "other", "other", "other", "other", "other", "other", "other"}));
    AdvanceClock(10);
    EXPECT_EQ(std::count(log.begin(), log.end(), "outer"), 2) << "beating again once its handler returned";
}

TEST(TickClock, StoppedItMovesOnlyWhenMovedAndNeverGoesBack) {
    ResetTickClockForTests();
    EXPECT_FALSE(TickClockStopped());
    EXPECT_THROW(AdvanceTickClockForTests(1), EInvalidOperation) << "a running clock is not moved by hand";
    StopTickClockForTests();
    EXPECT_TRUE(TickClockStopped());
    const long long stopped = TickCount();
    AdvanceTickClockForTests(0);
    EXPECT_EQ(TickCount(), stopped);
    AdvanceTickClockForTests(3600000);
    EXPECT_EQ(TickCount(), stopped + 3600000);
    EXPECT_THROW(AdvanceTickClockForTests(-1), EInvalidOperation);
    ResetTickClockForTests();
    EXPECT_FALSE(TickClockStopped());
    EXPECT_GE(TickCount(), stopped + 3600000) << "running again, on from the stopped reading";
}

}  // namespace
