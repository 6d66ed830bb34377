// The base of controls that draw their whole client area themselves. The
// background is never erased (Paint covers all of it, so nothing flickers),
// and the same Paint serves the screen (WM_PAINT) and a copy into another DC
// (WM_PRINTCLIENT). A derived WndProc handles its other messages and passes
// the rest on to PaintedControl::WndProc.
#pragma once
#include "toolkit/Window.h"

namespace tk {

class PaintedControl : public Window {
protected:
    // client: the client rectangle; dirty: the part of it that needs drawing
    // (all of it for WM_PRINTCLIENT).
    virtual void Paint(HDC dc, const RECT& client, const RECT& dirty) = 0;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace tk
