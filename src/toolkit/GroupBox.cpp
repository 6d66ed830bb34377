#include "toolkit/GroupBox.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Handles.h"

namespace tk {

void GroupBox::Create(Window& parent, const GroupBoxArgs& a) {
    CreateChild(parent, WC_BUTTONW, BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, a);
}

HBRUSH GroupBox::ChildBackground(HDC dc, UINT msg) {
    // Whatever the group box stands on shows through to its children.
    if (Window* p = Parent()) {
        if (HWND ph = p->Handle())
            return reinterpret_cast<HBRUSH>(SendMessageW(ph, msg, reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(Handle())));
    }
    return nullptr;
}

LRESULT GroupBox::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        // The button class leaves the inside of a group box to the parent,
        // which clips its children: paint it here, as the parent would.
        auto dc = reinterpret_cast<HDC>(wp);
        HBRUSH brush = ChildBackground(dc, WM_CTLCOLORSTATIC);
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return Window::WndProc(msg, wp, lp);
}

void GroupBox::AdjustClientRect(RECT& rect) const {
    // Below the caption line, inside the frame.
    WindowDC dc(Handle());
    SelectGuard font(dc, GetFont());
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    const int edge = Scale(2);
    rect.left += edge;
    rect.right -= edge;
    rect.top += tm.tmHeight;
    rect.bottom -= edge;
}

// ---- radio group ----

class RadioGroup::RadioButton : public Window {
public:
    RadioGroup* group = nullptr;
    void Make(RadioGroup& g, const std::wstring& text, bool first) {
        group = &g;
        CreateChild(g, WC_BUTTONW, BS_RADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0), 0, text, Rect{}, akLeft | akTop,
                    Align::None, true, true);
    }

protected:
    bool OnCommand(WORD code, LRESULT& result) override {
        if (code != BN_CLICKED) return false;
        auto it = std::find_if(group->buttons_.begin(), group->buttons_.end(), [&](auto& b) { return b.get() == this; });
        group->ClickItem(static_cast<int>(it - group->buttons_.begin()));
        result = 0;
        return true;
    }
};

RadioGroup::RadioGroup() = default;
RadioGroup::~RadioGroup() = default;

void RadioGroup::Create(Window& parent, const RadioGroupArgs& a) {
    columns_ = std::max(1, a.columns);
    GroupBox::Create(parent, GroupBoxArgs{.text = a.text, .bounds = a.bounds, .anchors = a.anchors, .align = a.align,
                                          .visible = a.visible, .enabled = a.enabled});
    SetItems(a.items);
    SetItemIndex(a.itemIndex);
}

void RadioGroup::SetItems(const std::vector<std::wstring>& items) {
    buttons_.clear();
    for (size_t i = 0; i < items.size(); ++i) {
        buttons_.push_back(std::make_unique<RadioButton>());
        buttons_.back()->Make(*this, items[i], i == 0);
    }
    ArrangeButtons();
}

std::wstring RadioGroup::Item(int index) const {
    return index >= 0 && index < Count() ? buttons_[static_cast<size_t>(index)]->Text() : std::wstring();
}

void RadioGroup::ArrangeButtons() {
    if (buttons_.empty() || !Handle()) return;
    RECT r;
    GetClientRect(Handle(), &r);
    AdjustClientRect(r);
    const int n = Count();
    const int rows = (n + columns_ - 1) / columns_;
    const int colWidth = (r.right - r.left - Scale(6)) / columns_;
    const int rowHeight = (r.bottom - r.top) / std::max(1, rows);
    for (int i = 0; i < n; ++i) {
        const int col = i / rows, row = i % rows;
        buttons_[static_cast<size_t>(i)]->SetBoundsPixels(
            {r.left + Scale(6) + col * colWidth, r.top + row * rowHeight, colWidth - Scale(2), rowHeight});
    }
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < Count(); ++i)
        if (SendMessageW(buttons_[static_cast<size_t>(i)]->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    for (int i = 0; i < Count(); ++i) {
        HWND h = buttons_[static_cast<size_t>(i)]->Handle();
        SendMessageW(h, BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
        // The checked button is the group's tab stop, as in dialogs.
        LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
        const bool stop = i == index || (index < 0 && i == 0);
        SetWindowLongPtrW(h, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    }
}

void RadioGroup::ClickItem(int index) {
    if (index < 0 || index >= Count()) return;
    const bool changed = index != ItemIndex();
    SetItemIndex(index);
    if (changed) Invoke(OnClick);
}

LRESULT RadioGroup::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = GroupBox::WndProc(msg, wp, lp);
    if (msg == WM_SIZE) ArrangeButtons();
    return r;
}

}  // namespace tk
