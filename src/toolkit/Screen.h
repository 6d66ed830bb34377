// The screen: primary monitor size, work area, cursor, busy cursor.
#pragma once
#include <windows.h>

namespace tk {

class Screen {
public:
    static int Width();   // primary screen, pixels
    static int Height();
    static RECT WorkArea();        // primary monitor, without the taskbar
    static RECT WorkAreaAt(POINT pt);  // monitor showing pt
    static POINT CursorPos();
};

// Shows the hourglass over the program's windows while it lives (nestable).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    static bool Active();

private:
    HCURSOR previous_;
};

}  // namespace tk
