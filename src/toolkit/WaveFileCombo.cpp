#include "toolkit/WaveFileCombo.h"

#include <shellapi.h>
#include <commctrl.h>

#include <algorithm>
#include <cwctype>

#include "toolkit/Handles.h"

namespace tk {
namespace {

// "*.wav" also matches a longer extension through the short 8.3 name
// ("Bell.wave" is BELL~1.WAV), so the long name is checked again.
bool EndsWithWav(const std::wstring& name) {
    if (name.size() < 4) return false;
    std::wstring tail = name.substr(name.size() - 4);
    for (wchar_t& c : tail) c = static_cast<wchar_t>(std::towlower(c));
    return tail == L".wav";
}

}  // namespace

std::vector<std::wstring> WaveFilesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.wav").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && EndsWithWav(found.cFileName))
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return lstrcmpiW(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

void WaveFileCombo::Create(Window& parent, const WaveFileComboArgs& a) {
    const DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    CreateChild(parent, WC_COMBOBOXW, style, 0, a);
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(a.dropDownCount), 0);
    SHFILEINFOW info{};
    systemIcons_ = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L".wav", FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
    iconIndex_ = systemIcons_ ? info.iIcon : -1;
    SetItemHeights();
}

void WaveFileCombo::SetItemHeights() {
    // The list's rows hold a small icon; the owner-drawn box does not measure
    // them itself.
    int height = Scale(18);
    if (HFONT font = GetFont()) {
        WindowDC dc(Handle());
        SelectGuard keep(dc, font);
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        height = std::max(height, static_cast<int>(tm.tmHeight) + Scale(2));
    }
    SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, height);
}

void WaveFileCombo::OnDpiChanged(UINT, UINT) { SetItemHeights(); }

void WaveFileCombo::SetDirectory(const std::wstring& folder) {
    folder_ = folder;
    SetItems(WaveFilesIn(folder));
    SetItemIndex(Count() > 0 ? 0 : -1);
}

std::wstring WaveFileCombo::FileName() const {
    const int index = ItemIndex();
    return index >= 0 ? Item(index) : std::wstring();
}

bool WaveFileCombo::OnDrawItem(DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return true;
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    if (systemIcons_ && iconIndex_ >= 0)
        ImageList_Draw(systemIcons_, iconIndex_, dc, r.left + Scale(2),
                       r.top + (r.bottom - r.top - iconSize) / 2, ILD_TRANSPARENT);
    r.left += Scale(2) + iconSize + Scale(4);
    const std::wstring text = Item(static_cast<int>(item.itemID));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SelectGuard keep(dc, GetFont());
    DrawTextW(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
    return true;
}

}  // namespace tk
