// Window timers of the GUI thread. They tick inside every message loop, the
// modal ones and the system's (message boxes, menus) included.
#pragma once
#include <windows.h>

#include <functional>

namespace tk {

struct TimerArgs {
    UINT interval = 1000;  // milliseconds
    bool enabled = true;
};

class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::function<void()> OnTimer;

    // Interval and Enabled at once: Timer1.Create({.interval = 10000});
    void Create(const TimerArgs& args);
    void SetInterval(UINT ms);
    UINT Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // Runs OnTimer now, as a tick would (through the error report).
    void Fire();

private:
    void Update();
    UINT interval_ = 1000;
    bool enabled_ = false;
    UINT_PTR id_ = 0;
};

}  // namespace tk
