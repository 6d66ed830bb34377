#include "toolkit/Timer.h"

#include <map>
#include <stdexcept>

#include "toolkit/Application.h"

namespace tk {
namespace {

std::map<UINT_PTR, Timer*>& Timers() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER) {
        auto it = Timers().find(wp);
        if (it != Timers().end()) it->second->Fire();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// One hidden message-only window per program carries every timer.
HWND TimerWindow() {
    static HWND hwnd = [] {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = TimerWindowProc;
        wc.hInstance = Application::Instance();
        wc.lpszClassName = L"tk_TimerWindow";
        RegisterClassExW(&wc);
        HWND h = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 Application::Instance(), nullptr);
        if (!h) throw std::runtime_error("cannot create the timer window");
        return h;
    }();
    return hwnd;
}

UINT_PTR NextTimerId() {
    static UINT_PTR next = 1;
    return next++;
}

}  // namespace

Timer::~Timer() {
    enabled_ = false;
    Update();
}

void Timer::Create(const TimerArgs& args) {
    interval_ = args.interval;
    enabled_ = args.enabled;
    Update();
}

void Timer::SetInterval(UINT ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Update();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void Timer::Update() {
    if (id_) {
        KillTimer(TimerWindow(), id_);
        Timers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0) {
        id_ = NextTimerId();
        Timers()[id_] = this;
        if (!SetTimer(TimerWindow(), id_, interval_, nullptr)) {
            Timers().erase(id_);
            id_ = 0;
            throw std::runtime_error("SetTimer failed");
        }
    }
}

void Timer::Fire() { Invoke(OnTimer); }

}  // namespace tk
