// A memory DC over a bitmap of the target's size: a control draws a whole
// repaint on it and copies it to the screen in one blit, so that nothing
// flickers.
#pragma once
#include "toolkit/Handles.h"

namespace tk {

class OffscreenCanvas {
public:
    // The canvas spans (0, 0)-(width, height) in the target's coordinates; an
    // empty size gets one pixel, so the canvas always holds a bitmap.
    OffscreenCanvas(HDC target, int width, int height);
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

    HDC get() const { return dc_.get(); }
    operator HDC() const { return dc_.get(); }

    // Copies `area` of the canvas to the same place on the target.
    void Present(const RECT& area) const;

private:
    HDC target_;
    MemoryDC dc_;
    Bitmap bitmap_;
    SelectGuard keepBitmap_;
};

}  // namespace tk
