// The window base of every form and control: handle, parent, bounds in design
// units, anchors and alignment, and the reflection of WM_COMMAND / WM_NOTIFY /
// WM_DRAWITEM / WM_MEASUREITEM / WM_CTLCOLOR* back to the control that sent them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace tk {

class Form;
class PopupMenu;

// A rectangle as the layout gives it: position and size. In design units
// (96 DPI) unless a function says "Pixels".
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using Anchors = unsigned;

enum class Align { None, Top, Bottom, Left, Right, Client };
enum class Alignment { Left, Center, Right };

// Settings shared by every control's creation arguments. They come first, in
// this order, so that designated initialisers read the same for every control:
//   btn_Close.Create(*this, {.text = L"Close", .bounds = {216, 208, 75, 25},
//                            .anchors = tk::akRight | tk::akBottom});
#define TK_CONTROL_ARGS                                  \
    std::wstring text;                                   \
    ::tk::Rect bounds;                                   \
    ::tk::Anchors anchors = ::tk::akLeft | ::tk::akTop;  \
    ::tk::Align align = ::tk::Align::None;               \
    bool visible = true;                                 \
    bool enabled = true;

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    Window* Parent() const { return parent_; }
    Form* ParentForm() const;  // the form this window sits on (the form itself for a form)
    const std::vector<Window*>& Children() const { return children_; }
    static Window* FromHandle(HWND hwnd);  // nullptr for windows the toolkit did not make

    UINT Dpi() const;
    int Scale(int design) const;
    int Unscale(int pixels) const;

    // Bounds relative to the parent's client area (screen for a top-level window).
    void SetBounds(const Rect& design);
    Rect Bounds() const;
    void SetBoundsPixels(const Rect& pixels);
    Rect BoundsPixels() const;
    int ClientWidthPixels() const;
    int ClientHeightPixels() const;

    // Anchored edges keep their distance to the parent's edges when the parent
    // is resized; aligned windows fill an edge (or the rest) of the parent.
    void SetAnchors(Anchors anchors);
    Anchors GetAnchors() const { return anchors_; }
    void SetAlign(Align align);
    Align GetAlign() const { return align_; }
    void Realign();  // lays out the aligned and anchored children again

    virtual void SetVisible(bool visible);
    bool Visible() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    virtual void SetText(const std::wstring& text);
    std::wstring Text() const;

    void SetFocus();
    bool Focused() const;
    bool CanFocus() const;
    void Invalidate(bool erase = true);
    void Update();

    // Creation order is tab order; this moves the window to position index
    // among its siblings.
    void SetTabOrder(int index);
    int TabOrder() const;

    // Shown on right click (WM_CONTEXTMENU) over this window.
    void SetPopupMenu(PopupMenu* menu) { popup_ = menu; }
    PopupMenu* GetPopupMenu() const { return popup_; }

    // The system message font at the window's DPI is the default; a font set
    // here is kept as given (the caller owns it).
    void SetFont(HFONT font);
    void UseMessageFont(bool bold = false);
    HFONT GetFont() const;

protected:
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp);

    // Notifications reflected from the parent; return true when handled.
    virtual bool OnCommand(WORD code, LRESULT& result) { return false; }
    virtual bool OnNotify(NMHDR& header, LRESULT& result) { return false; }
    virtual bool OnDrawItem(DRAWITEMSTRUCT& item) { return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& item) { return false; }
    virtual bool OnScroll(UINT msg, WORD code) { return false; }
    // WM_CTLCOLOR*: parentBrush is what the parent would paint with (the DC is
    // already set up for it); return it or a brush of the control's own.
    virtual HBRUSH OnCtlColor(HDC dc, HBRUSH parentBrush) { return parentBrush; }
    // Background the window offers its children (WM_CTLCOLOR*); nullptr: the system's.
    virtual HBRUSH ChildBackground(HDC dc, UINT ctlColorMsg) { return nullptr; }
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(RECT& rect) const {}
    // Height added to the bounds when the window is sized (combo box drop-down).
    virtual int ExtraHeightPixels() const { return 0; }
    // The window's DPI changed; children are already moved and re-fonted.
    virtual void OnDpiChanged(UINT oldDpi, UINT newDpi) {}
    void RescaleTree(UINT oldDpi, UINT newDpi);

    // Creates a child control of a standard window class and subclasses it.
    void CreateChild(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle,
                     const std::wstring& text, const Rect& bounds, Anchors anchors, Align align,
                     bool visible, bool enabled);
    template <class Args>
    void CreateChild(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle,
                     const Args& a) {
        CreateChild(parent, className, style, exStyle, a.text, a.bounds, a.anchors, a.align,
                    a.visible, a.enabled);
    }
    // Creates a child of a window class of the toolkit's own (registered with
    // RegisterOwnClass): custom-drawn controls such as panels and grids.
    template <class Args>
    void CreateOwnChild(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle, const Args& a) {
        CreateOwnChild(parent, className, style, exStyle, a.text, a.bounds, a.anchors, a.align, a.visible, a.enabled);
    }
    void CreateOwnChild(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle,
                        const std::wstring& text, const Rect& bounds, Anchors anchors, Align align,
                        bool visible, bool enabled);
    // Window classes of the toolkit's own (forms, panels) use this procedure;
    // pass the Window* as the CreateWindowEx parameter.
    static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static void RegisterOwnClass(const wchar_t* name, UINT style, HBRUSH background, HICON icon);
    void SetParentWindow(Window* parent);  // the toolkit parent (layout, ParentForm)
    DWORD ChildStyle(const Window& parent, DWORD style, bool enabled) const;
    void FinishCreate(Window& parent, const Rect& bounds, Anchors anchors, Align align, bool visible);
    void MovePixels(const Rect& pixels);   // moves without changing the anchor origin
    static int NextControlId();

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                         UINT_PTR id, DWORD_PTR data);
    void Attach(HWND hwnd, bool subclassed);
    void Detach();
    LRESULT Route(UINT msg, WPARAM wp, LPARAM lp);
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void RememberAnchorOrigin();
    void ApplyFont();

    HWND hwnd_ = nullptr;
    Window* parent_ = nullptr;
    std::vector<Window*> children_;
    bool subclassed_ = false;
    Anchors anchors_ = akLeft | akTop;
    Align align_ = Align::None;
    Rect anchorRect_;         // own pixel bounds when they were last set
    SIZE anchorParent_{};     // parent client size at that moment
    PopupMenu* popup_ = nullptr;
    HFONT customFont_ = nullptr;
    bool boldFont_ = false;

    friend class Form;
};

}  // namespace tk
