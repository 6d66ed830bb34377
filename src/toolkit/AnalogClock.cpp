#include "toolkit/AnalogClock.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "toolkit/Application.h"
#include "toolkit/Handles.h"
#include "toolkit/LocalTime.h"
#include "toolkit/OffscreenCanvas.h"

namespace tk {
namespace {

constexpr wchar_t kClockClass[] = L"tk_AnalogClock";
// Often enough that a second's hand moves on time without visible lag.
constexpr UINT kPollMs = 200;

std::function<unsigned long long()>& MillisecondSource() {
    static std::function<unsigned long long()> source;
    return source;
}

unsigned long long NowMs() {
    if (MillisecondSource()) return MillisecondSource()();
    return GetTickCount64();
}

void DrawHand(HDC dc, POINT centre, double radius, double turns, const ClockHand& hand, int width) {
    const double angle = turns * 2 * std::numbers::pi;
    const double length = radius * hand.lengthPercent / 100.0;
    Pen pen(CreatePen(PS_SOLID, width, hand.color));
    SelectGuard guard(dc, pen.get());
    MoveToEx(dc, centre.x, centre.y, nullptr);
    LineTo(dc, centre.x + static_cast<int>(std::lround(length * std::sin(angle))),
           centre.y - static_cast<int>(std::lround(length * std::cos(angle))));
}

}  // namespace

void AnalogClock::SetMillisecondSource(std::function<unsigned long long()> source) {
    MillisecondSource() = std::move(source);
}

void AnalogClock::Create(Window& parent, const AnalogClockArgs& a) {
    if (Handle()) throw std::logic_error("clock created twice");
    RegisterOwnClass(kClockClass, CS_HREDRAW | CS_VREDRAW, nullptr, nullptr);
    style_ = a;
    mode_ = a.mode;
    HWND h = CreateWindowExW(0, kClockClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                             parent.Handle(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                             Application::Instance(), static_cast<Window*>(this));
    if (!h) throw std::runtime_error("cannot create a clock");
    SetParentWindow(&parent);
    SetAnchors(a.anchors);
    SetBounds(a.bounds);
    SetAlign(a.align);
    timer_.OnTimer = [this] { Poll(); };
    timer_.Create({.interval = kPollMs, .enabled = false});
    frozen_ = LocalNow();
    if (a.active) Start();
    if (a.visible) SetVisible(true);
}

void AnalogClock::Start() {
    startMs_ = NowMs();
    stoppedElapsedMs_ = 0;
    active_ = true;
    lastMark_ = SecondMark();
    timer_.SetEnabled(true);
    Invalidate(false);
}

void AnalogClock::Stop() {
    if (!active_) return;
    stoppedElapsedMs_ = NowMs() - startMs_;
    frozen_ = LocalNow();
    active_ = false;
    timer_.SetEnabled(false);
}

void AnalogClock::SetMode(ClockMode mode) {
    mode_ = mode;
    lastMark_ = SecondMark();
    Invalidate(false);
}

long long AnalogClock::ElapsedSeconds() const {
    const unsigned long long ms = active_ ? NowMs() - startMs_ : stoppedElapsedMs_;
    return static_cast<long long>(ms / 1000);
}

TDateTime AnalogClock::Time() const {
    if (mode_ == ClockMode::Timer) return ElapsedSeconds() * OneSecond;
    return active_ ? LocalNow() : frozen_;
}

long long AnalogClock::SecondMark() const {
    if (mode_ == ClockMode::Timer) return ElapsedSeconds();
    return static_cast<long long>(std::floor(LocalNow() * 86400.0));
}

void AnalogClock::Poll() {
    if (!active_) return;
    const long long mark = SecondMark();
    if (mark == lastMark_) return;
    lastMark_ = mark;
    Invalidate(false);
    Invoke(OnSecondChange);
}

void AnalogClock::Paint(HDC target, const RECT& client, const RECT&) {
    const int w = client.right - client.left, h = client.bottom - client.top;
    if (w <= 0 || h <= 0) return;
    // Drawn off screen and copied at once, so that the hands never flicker.
    OffscreenCanvas dc(target, w, h);

    HBRUSH back = nullptr;
    Brush own;
    if (style_.color != CLR_INVALID) {
        own.reset(CreateSolidBrush(style_.color));
        back = own.get();
    } else if (Parent()) {
        back = reinterpret_cast<HBRUSH>(SendMessageW(Parent()->Handle(), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc.get()),
                                                     reinterpret_cast<LPARAM>(Handle())));
    }
    FillRect(dc.get(), &client, back ? back : GetSysColorBrush(COLOR_BTNFACE));

    const POINT centre{w / 2, h / 2};
    const double radius = (w < h ? w : h) / 2.0 - Scale(2);
    const int r = static_cast<int>(radius);

    // The face: a light dial in a grey rim, with a dot for each hour.
    {
        Brush face(CreateSolidBrush(RGB(252, 252, 246)));
        Pen rim(CreatePen(PS_SOLID, Scale(2), RGB(120, 120, 128)));
        SelectGuard b(dc.get(), face.get()), p(dc.get(), rim.get());
        Ellipse(dc.get(), centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1);
    }
    {
        Brush dots(CreateSolidBrush(RGB(150, 150, 160)));
        SelectGuard b(dc.get(), dots.get()), p(dc.get(), GetStockObject(NULL_PEN));
        const int dot = Scale(2) > 1 ? Scale(2) : 2;
        for (int i = 0; i < 12; ++i) {
            const double a = i * std::numbers::pi / 6;
            const int x = centre.x + static_cast<int>(std::lround(radius * 0.84 * std::sin(a)));
            const int y = centre.y - static_cast<int>(std::lround(radius * 0.84 * std::cos(a)));
            Ellipse(dc.get(), x - dot, y - dot, x + dot + 1, y + dot + 1);
        }
    }

    const TimeParts t = DecodeTime(Time());
    const double seconds = t.second;
    const double minutes = t.minute + seconds / 60;
    const double hours = (t.hour % 12) + minutes / 60;
    DrawHand(dc.get(), centre, radius, hours / 12, style_.hourHand, Scale(style_.hourHand.width));
    DrawHand(dc.get(), centre, radius, minutes / 60, style_.minuteHand, Scale(style_.minuteHand.width));
    DrawHand(dc.get(), centre, radius, seconds / 60, style_.secondHand, Scale(style_.secondHand.width));
    {
        Brush hub(CreateSolidBrush(style_.secondHand.color));
        SelectGuard b(dc.get(), hub.get()), p(dc.get(), GetStockObject(NULL_PEN));
        const int k = Scale(3);
        Ellipse(dc.get(), centre.x - k, centre.y - k, centre.x + k + 1, centre.y + k + 1);
    }

    dc.Present(client);
}

LRESULT AnalogClock::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) timer_.SetEnabled(false);
    return PaintedControl::WndProc(msg, wp, lp);
}

}  // namespace tk
