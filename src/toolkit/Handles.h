// Thin RAII wrappers over Win32 handles. Each owns exactly one handle and
// frees it with the matching API; moves transfer ownership, copies are banned.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <utility>

namespace tk {

template <class H, class Deleter>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    H release() { return std::exchange(h_, H{}); }
    void reset(H h = H{}) {
        if (h_ != H{}) Deleter{}(h_);
        h_ = h;
    }

private:
    H h_{};
};

struct GdiObjectDeleter { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct IconDeleter { void operator()(HICON h) const { DestroyIcon(h); } };
struct CursorDeleter { void operator()(HCURSOR h) const { DestroyCursor(h); } };
struct MenuDeleter { void operator()(HMENU h) const { DestroyMenu(h); } };
struct ImageListDeleter { void operator()(HIMAGELIST h) const { ImageList_Destroy(h); } };
struct MemoryDCDeleter { void operator()(HDC h) const { DeleteDC(h); } };
struct KernelHandleDeleter { void operator()(HANDLE h) const { CloseHandle(h); } };
struct ModuleDeleter { void operator()(HMODULE h) const { FreeLibrary(h); } };

using Font = UniqueHandle<HFONT, GdiObjectDeleter>;
using Bitmap = UniqueHandle<HBITMAP, GdiObjectDeleter>;
using Brush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using Pen = UniqueHandle<HPEN, GdiObjectDeleter>;
using Region = UniqueHandle<HRGN, GdiObjectDeleter>;
using Icon = UniqueHandle<HICON, IconDeleter>;
using Cursor = UniqueHandle<HCURSOR, CursorDeleter>;
using Menu = UniqueHandle<HMENU, MenuDeleter>;
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListDeleter>;
using MemoryDC = UniqueHandle<HDC, MemoryDCDeleter>;
using KernelHandle = UniqueHandle<HANDLE, KernelHandleDeleter>;
using Module = UniqueHandle<HMODULE, ModuleDeleter>;

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// GetDC / ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { ReleaseDC(hwnd_, dc_); }
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint, for WM_PAINT handlers.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }
    const RECT& PaintRect() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// Saves and restores the whole DC state (colours, modes, selections).
class SaveDCGuard {
public:
    explicit SaveDCGuard(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    SaveDCGuard(const SaveDCGuard&) = delete;
    SaveDCGuard& operator=(const SaveDCGuard&) = delete;
    ~SaveDCGuard() { RestoreDC(dc_, id_); }

private:
    HDC dc_;
    int id_;
};

}  // namespace tk
