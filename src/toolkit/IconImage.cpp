#include "toolkit/IconImage.h"

#include <commctrl.h>

#include "toolkit/Application.h"

namespace tk {

void IconImage::Create(Window& parent, const IconImageArgs& a) {
    iconId_ = a.iconId;
    CreateChild(parent, WC_STATICW, SS_ICON | SS_REALSIZECONTROL, 0, a);
    LoadAtSize();
}

void IconImage::LoadAtSize() {
    if (!Handle()) return;
    int size = BoundsPixels().width;
    Icon icon(static_cast<HICON>(LoadImageW(Application::Instance(), MAKEINTRESOURCEW(iconId_),
                                            IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);  // the control no longer shows the old one
}

}  // namespace tk
