// A static picture that shows one icon of the executable's resources at the
// window's DPI.
#pragma once
#include "toolkit/Handles.h"
#include "toolkit/Window.h"

namespace tk {

struct IconImageArgs {
    TK_CONTROL_ARGS
    int iconId = 1;  // icon resource; the bounds' width is the icon's size
};

class IconImage : public Window {
public:
    void Create(Window& parent, const IconImageArgs& args);

protected:
    void OnDpiChanged(UINT, UINT) override { LoadAtSize(); }

private:
    void LoadAtSize();
    int iconId_ = 1;
    Icon icon_;
};

}  // namespace tk
