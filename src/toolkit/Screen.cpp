#include "toolkit/Screen.h"

namespace tk {
namespace {
int busyCount = 0;
}

int Screen::Width() { return GetSystemMetrics(SM_CXSCREEN); }
int Screen::Height() { return GetSystemMetrics(SM_CYSCREEN); }

RECT Screen::WorkArea() {
    RECT r{0, 0, Width(), Height()};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

RECT Screen::WorkAreaAt(POINT pt) {
    MONITORINFO mi{sizeof(mi)};
    if (GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &mi)) return mi.rcWork;
    return WorkArea();
}

POINT Screen::CursorPos() {
    POINT pt{};
    GetCursorPos(&pt);
    return pt;
}

BusyCursor::BusyCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) { ++busyCount; }

BusyCursor::~BusyCursor() {
    if (--busyCount == 0) SetCursor(previous_ ? previous_ : LoadCursorW(nullptr, IDC_ARROW));
}

bool BusyCursor::Active() { return busyCount > 0; }

}  // namespace tk
