#include "toolkit/ImageList.h"

#include <stdexcept>

#include "toolkit/Application.h"

namespace tk {

void ImageList::Create(int width, int height) {
    width_ = width;
    height_ = height;
    list_.reset(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4));
    if (!list_) throw std::runtime_error("ImageList_Create failed");
}

void ImageList::EnsureCreated() {
    if (!list_) Create(width_, height_);
}

int ImageList::Count() const { return list_ ? ImageList_GetImageCount(list_.get()) : 0; }

int ImageList::AddIcon(HICON icon) {
    EnsureCreated();
    return icon ? ImageList_AddIcon(list_.get(), icon) : -1;
}

int ImageList::AddIconResource(int resourceId) {
    EnsureCreated();
    auto icon = static_cast<HICON>(LoadImageW(Application::Instance(), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                              width_, height_, LR_DEFAULTCOLOR));
    if (!icon) return -1;
    Icon owned(icon);
    return ImageList_AddIcon(list_.get(), owned.get());
}

int ImageList::AddBitmap(HBITMAP bitmap, COLORREF mask) {
    EnsureCreated();
    return bitmap ? ImageList_AddMasked(list_.get(), bitmap, mask) : -1;
}

int ImageList::AddBitmapFile(const std::wstring& path, COLORREF mask) {
    Bitmap bmp(static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    return bmp ? AddBitmap(bmp.get(), mask) : -1;
}

void ImageList::Clear() {
    if (list_) ImageList_Remove(list_.get(), -1);
}

void ImageList::Draw(HDC dc, int x, int y, int index, UINT style) const {
    if (list_ && index >= 0 && index < Count()) ImageList_Draw(list_.get(), index, dc, x, y, style);
}

Icon ImageList::GetIcon(int index) const {
    if (!list_ || index < 0 || index >= Count()) return Icon();
    return Icon(ImageList_GetIcon(list_.get(), index, ILD_NORMAL));
}

}  // namespace tk
