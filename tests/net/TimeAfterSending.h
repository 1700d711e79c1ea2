#pragma once
// Time that passes while a socket waits for its reply, for the time-out
// tests: from each request sent on, the stopped clock (TestClock.h) moves
// Step milliseconds at every pass of message handling, so a reply that never
// comes times out after a known number of passes whatever the machine's
// speed; looking up the host and connecting take no time at all.

#include <memory>

#include "net/Powersock.h"
#include "platform/runtime/TickClock.h"
#include "platform/testing/TestClock.h"

class TimeAfterSending {
public:
    // Takes Socket's status reports (OnStatus, at the packet level) while it lives.
    TimeAfterSending(TPowersock& Socket, int Step) : socket_(Socket) {
        Socket.SetReportLevel(rlPackets);
        Socket.OnStatus = [this, Step](TObject*, const AnsiString& Status) {
            if (Status.Pos("Looking up ") == 1) stepper_.reset();
            if (Status.Pos("Sent ") != 1 || stepper_) return;
            sentAt_ = TickCount();
            stepper_ = std::make_unique<TClockStepper>(Step);
        };
    }
    ~TimeAfterSending() { socket_.OnStatus = nullptr; }
    TimeAfterSending(const TimeAfterSending&) = delete;
    TimeAfterSending& operator=(const TimeAfterSending&) = delete;
    // The tick at which the latest request went out.
    long long SentAt() const { return sentAt_; }
    // Holds the clock still until the next request goes out.
    void Stop() {
        if (stepper_) stepper_->Stop();
    }

private:
    TPowersock& socket_;
    std::unique_ptr<TClockStepper> stepper_;
    long long sentAt_ = -1;
};
