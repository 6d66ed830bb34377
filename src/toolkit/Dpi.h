// DPI helpers. Layout is written in 96-DPI design units and scaled to the DPI
// of the window it lands on. The DPI-aware APIs are loaded at run time, so the
// program also runs where they are missing (then everything is the system DPI).
#pragma once
#include <windows.h>

namespace tk {

constexpr UINT kDesignDpi = 96;

// Design units to pixels at dpi, and back.
inline int Scale(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), kDesignDpi); }
inline int Unscale(int pixels, UINT dpi) { return MulDiv(pixels, kDesignDpi, static_cast<int>(dpi)); }

UINT SystemDpi();
UINT DpiForWindow(HWND hwnd);  // system DPI when the API is missing or hwnd is null
UINT DpiForPoint(POINT pt);    // DPI of the monitor showing pt

// Wrappers that fall back to the DPI-unaware API.
int SystemMetricForDpi(int index, UINT dpi);
bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi);
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, UINT dpi);

// The system message font at dpi, shared and kept for the program's lifetime.
HFONT MessageFont(UINT dpi, bool bold = false);

}  // namespace tk
