#pragma once
// TTimer: fires OnTimer every Interval milliseconds while Enabled.

#include "Components.h"
#include "Events.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value);
    // Milliseconds; 0 stops the timer.
    Cardinal GetInterval() const { return interval_; }
    void SetInterval(Cardinal Value);
    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    struct Host;
    Host* host_;
    bool enabled_ = true;
    Cardinal interval_ = 1000;
};
