#include "toolkit/ComboBox.h"

#include <commctrl.h>

#include "toolkit/Application.h"

namespace tk {

int ItemList::Count() const {
    return self_.Handle() ? static_cast<int>(SendMessageW(self_.Handle(), m_.count, 0, 0)) : 0;
}

std::wstring ItemList::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    LRESULT len = SendMessageW(self_.Handle(), m_.getTextLen, static_cast<WPARAM>(index), 0);
    if (len <= 0) return {};
    std::wstring s(static_cast<size_t>(len) + 1, L'\0');
    SendMessageW(self_.Handle(), m_.getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(len));
    return s;
}

int ItemList::Add(const std::wstring& text) {
    return static_cast<int>(SendMessageW(self_.Handle(), m_.add, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ItemList::Insert(int index, const std::wstring& text) {
    SendMessageW(self_.Handle(), m_.insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void ItemList::Delete(int index) { SendMessageW(self_.Handle(), m_.remove, static_cast<WPARAM>(index), 0); }
void ItemList::Clear() { SendMessageW(self_.Handle(), m_.reset, 0, 0); }

void ItemList::SetItems(const std::vector<std::wstring>& items) {
    Clear();
    for (const auto& s : items) Add(s);
}

std::vector<std::wstring> ItemList::Items() const {
    std::vector<std::wstring> v;
    for (int i = 0, n = Count(); i < n; ++i) v.push_back(Item(i));
    return v;
}

int ItemList::IndexOf(const std::wstring& text) const {
    LRESULT r = SendMessageW(self_.Handle(), m_.findExact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    return r < 0 ? -1 : static_cast<int>(r);
}

int ItemList::ItemIndex() const {
    if (!self_.Handle()) return -1;
    LRESULT r = SendMessageW(self_.Handle(), m_.getSel, 0, 0);
    return r < 0 ? -1 : static_cast<int>(r);
}

void ItemList::SetItemIndex(int index) {
    if (self_.Handle()) SendMessageW(self_.Handle(), m_.setSel, static_cast<WPARAM>(index), 0);
}

// ---- combo box ----

ComboBox::ComboBox()
    : ItemList(*this, {CB_GETCOUNT, CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING,
                       CB_RESETCONTENT, CB_FINDSTRINGEXACT, CB_GETCURSEL, CB_SETCURSEL}) {}

void ComboBox::Create(Window& parent, const ComboBoxArgs& a) {
    dropDownCount_ = a.dropDownCount;
    DWORD style = WS_TABSTOP | WS_VSCROLL | (a.style == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN) |
                  CBS_AUTOHSCROLL | (a.sorted ? CBS_SORT : 0);
    CreateChild(parent, WC_COMBOBOXW, style, 0, a);
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
    SetItems(a.items);
    SetItemIndex(a.itemIndex);
    if (a.style == ComboStyle::DropDown && a.itemIndex < 0 && !a.text.empty()) SetText(a.text);
}

int ComboBox::ExtraHeightPixels() const {
    // The window's height includes the dropped-down list.
    if (!Handle()) return 0;
    LRESULT h = SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0);
    return static_cast<int>(h > 0 ? h : 16) * dropDownCount_ + 2;
}

bool ComboBox::DroppedDown() const { return Handle() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0); }

bool ComboBox::OnCommand(WORD code, LRESULT& result) {
    if (code == CBN_SELCHANGE) {
        Invoke(OnClick);
        Invoke(OnChange);
    } else if (code == CBN_EDITCHANGE) {
        Invoke(OnChange);
    } else {
        return false;
    }
    result = 0;
    return true;
}

// ---- list box ----

ListBox::ListBox()
    : ItemList(*this, {LB_GETCOUNT, LB_GETTEXT, LB_GETTEXTLEN, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
                       LB_RESETCONTENT, LB_FINDSTRINGEXACT, LB_GETCURSEL, LB_SETCURSEL}) {}

void ListBox::Create(Window& parent, const ListBoxArgs& a) {
    DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (a.sorted ? LBS_SORT : 0);
    CreateChild(parent, WC_LISTBOXW, style, WS_EX_CLIENTEDGE, a);
    SetItems(a.items);
    SetItemIndex(a.itemIndex);
}

bool ListBox::OnCommand(WORD code, LRESULT& result) {
    if (code == LBN_SELCHANGE) Invoke(OnClick);
    else if (code == LBN_DBLCLK) Invoke(OnDblClick);
    else return false;
    result = 0;
    return true;
}

}  // namespace tk
