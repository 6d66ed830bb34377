// An analogue clock: in clock mode its hands show the local time, in timer
// mode the time elapsed since it was last started. It reports every new second
// while it runs. Drawn double-buffered on a face of its own.
#pragma once
#include <functional>

#include "common/DateTime.h"
#include "toolkit/PaintedControl.h"
#include "toolkit/Timer.h"

namespace tk {

enum class ClockMode { Clock, Timer };

struct ClockHand {
    COLORREF color = RGB(0, 0, 0);
    int lengthPercent = 80;  // of the face's radius
    int width = 1;           // design units
};

struct AnalogClockArgs {
    TK_CONTROL_ARGS
    ClockMode mode = ClockMode::Clock;
    bool active = false;
    ClockHand hourHand{RGB(0, 0, 0), 60, 4};
    ClockHand minuteHand{RGB(0, 0, 0), 80, 3};
    ClockHand secondHand{RGB(255, 0, 0), 90, 1};
    COLORREF color = CLR_INVALID;  // behind the face; CLR_INVALID: the parent's
};

class AnalogClock : public PaintedControl {
public:
    void Create(Window& parent, const AnalogClockArgs& args);

    std::function<void()> OnSecondChange;

    // Start restarts the elapsed count at 0; Stop freezes the hands.
    void Start();
    void Stop();
    bool Active() const { return active_; }
    void SetMode(ClockMode mode);
    ClockMode Mode() const { return mode_; }
    long long ElapsedSeconds() const;
    // What the hands show: the local time, or the elapsed time as a time value.
    TDateTime Time() const;

    // Looks whether a new second has begun; the clock's own timer calls it.
    void Poll();

    // Milliseconds of a steady clock, for the elapsed count; tests put a fake
    // one in. Empty restores the system's.
    static void SetMillisecondSource(std::function<unsigned long long()> source);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc, const RECT& client, const RECT& dirty) override;
    long long SecondMark() const;

    AnalogClockArgs style_;
    ClockMode mode_ = ClockMode::Clock;
    bool active_ = false;
    unsigned long long startMs_ = 0;
    unsigned long long stoppedElapsedMs_ = 0;
    long long lastMark_ = -1;
    TDateTime frozen_ = 0;
    Timer timer_;
};

}  // namespace tk
