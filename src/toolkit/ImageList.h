// Image lists: 32-bit images with a mask, 16 x 16 unless told otherwise.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "toolkit/Handles.h"

namespace tk {

constexpr COLORREF kMaskMagenta = RGB(255, 0, 255);

class ImageList {
public:
    ImageList() = default;
    void Create(int width = 16, int height = 16);

    HIMAGELIST Handle() const { return list_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;

    // Each returns the index of the (first) added image, or -1.
    int AddIcon(HICON icon);                       // copies the icon
    int AddIconResource(int resourceId);           // from the executable
    int AddBitmap(HBITMAP bitmap, COLORREF mask = kMaskMagenta);  // a strip adds several
    int AddBitmapFile(const std::wstring& path, COLORREF mask = kMaskMagenta);
    void Clear();

    void Draw(HDC dc, int x, int y, int index, UINT style = ILD_NORMAL) const;
    Icon GetIcon(int index) const;  // a new icon the caller owns

private:
    void EnsureCreated();
    ImageListHandle list_;
    int width_ = 16;
    int height_ = 16;
};

}  // namespace tk
