#include "toolkit/OffscreenCanvas.h"

#include <algorithm>

namespace tk {
namespace {

// A 32-bit top-down DIB section rather than a device bitmap: GDI draws on it
// in the process, where a device bitmap can cost a round trip to the display
// server for every call.
HBITMAP CreateCanvasBitmap(HDC target, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), std::max(width, 1), -std::max(height, 1), 1, 32, BI_RGB};
    void* bits = nullptr;
    return CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height)
    : target_(target),
      dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCanvasBitmap(target, width, height)),
      keepBitmap_(dc_.get(), bitmap_.get()) {}

void OffscreenCanvas::Present(const RECT& area) const {
    BitBlt(target_, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
           area.top, SRCCOPY);
}

}  // namespace tk
