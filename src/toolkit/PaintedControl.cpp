#include "toolkit/PaintedControl.h"

#include "toolkit/Handles.h"

namespace tk {
namespace {

RECT ClientRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

}  // namespace

LRESULT PaintedControl::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintDC dc(Handle());
        Paint(dc, ClientRectOf(Handle()), dc.PaintRect());
        return 0;
    }
    case WM_PRINTCLIENT: {
        const RECT client = ClientRectOf(Handle());
        Paint(reinterpret_cast<HDC>(wp), client, client);
        return 0;
    }
    }
    return Window::WndProc(msg, wp, lp);
}

}  // namespace tk
