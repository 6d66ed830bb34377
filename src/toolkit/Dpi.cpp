#include "toolkit/Dpi.h"

#include <map>
#include <utility>

#include "toolkit/Handles.h"

namespace tk {
namespace {

template <class Fn>
Fn User32Proc(const char* name) {
    static HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

}  // namespace

UINT SystemDpi() {
    static UINT dpi = [] {
        if (auto fn = User32Proc<GetDpiForSystemFn>("GetDpiForSystem")) return fn();
        HDC dc = GetDC(nullptr);
        UINT d = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
        ReleaseDC(nullptr, dc);
        return d ? d : kDesignDpi;
    }();
    return dpi;
}

UINT DpiForWindow(HWND hwnd) {
    static auto fn = User32Proc<GetDpiForWindowFn>("GetDpiForWindow");
    if (fn && hwnd) {
        UINT dpi = fn(hwnd);
        if (dpi) return dpi;
    }
    return SystemDpi();
}

UINT DpiForPoint(POINT pt) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static HMODULE shcore = LoadLibraryW(L"shcore.dll");
    static auto fn = shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                                  reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                            : nullptr;
    if (fn) {
        UINT x = 0, y = 0;
        if (SUCCEEDED(fn(MonitorFromPoint(pt, MONITOR_DEFAULTTOPRIMARY), 0, &x, &y)) && y) return y;
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
    static auto fn = User32Proc<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (fn) return fn(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi) {
    static auto fn = User32Proc<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (fn) return fn(&rect, style, hasMenu, exStyle, dpi) != FALSE;
    return AdjustWindowRectEx(&rect, style, hasMenu, exStyle) != FALSE;
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, UINT dpi) {
    metrics = {};
    metrics.cbSize = sizeof(metrics);
    static auto fn = User32Proc<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    if (fn && fn(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) return true;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
    // The DPI-unaware answer is in system-DPI pixels.
    LONG& h = metrics.lfMessageFont.lfHeight;
    h = MulDiv(h, static_cast<int>(dpi), static_cast<int>(SystemDpi()));
    return true;
}

HFONT MessageFont(UINT dpi, bool bold) {
    static std::map<std::pair<UINT, bool>, Font> fonts;
    auto& font = fonts[{dpi, bold}];
    if (!font) {
        NONCLIENTMETRICSW metrics;
        LOGFONTW lf{};
        if (NonClientMetricsForDpi(metrics, dpi)) {
            lf = metrics.lfMessageFont;
        } else {
            lf.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
            lstrcpynW(lf.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
        }
        if (bold) lf.lfWeight = FW_BOLD;
        font.reset(CreateFontIndirectW(&lf));
    }
    return font.get();
}

}  // namespace tk
