#include "toolkit/ListView.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "toolkit/ImageList.h"

namespace tk {
namespace {

int ToImage(int index) { return index < 0 ? I_IMAGENONE : index; }
int FromImage(int image) { return image < 0 ? -1 : image; }

int ColumnFormat(Alignment a) {
    return a == Alignment::Center ? LVCFMT_CENTER : a == Alignment::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
}

struct SortContext {
    std::map<std::uintptr_t, std::pair<ListItem, int>> rows;  // key -> row, original position
    const std::function<int(const ListItem&, const ListItem&)>* compare;
    std::exception_ptr error;
};

int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM context) {
    auto& ctx = *reinterpret_cast<SortContext*>(context);
    const auto& ra = ctx.rows.at(static_cast<std::uintptr_t>(a));
    const auto& rb = ctx.rows.at(static_cast<std::uintptr_t>(b));
    if (!ctx.error) {
        try {
            if (int c = (*ctx.compare)(ra.first, rb.first)) return c < 0 ? -1 : 1;
        } catch (...) {
            ctx.error = std::current_exception();
        }
    }
    return ra.second < rb.second ? -1 : ra.second > rb.second ? 1 : 0;  // keeps equal rows in order
}

}  // namespace

void ListView::Create(Window& parent, const ListViewArgs& a) {
    DWORD style = WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS | (a.hideSelection ? 0 : LVS_SHOWSELALWAYS) |
                  (a.multiSelect ? 0 : LVS_SINGLESEL) | (a.showColumnHeaders ? 0 : LVS_NOCOLUMNHEADER);
    CreateChild(parent, WC_LISTVIEWW, style, a.border ? WS_EX_CLIENTEDGE : 0, a);
    DWORD ex = LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP | (a.checkBoxes ? LVS_EX_CHECKBOXES : 0) |
               (a.gridLines ? LVS_EX_GRIDLINES : 0) | (a.rowSelect ? LVS_EX_FULLROWSELECT : 0);
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    for (const auto& c : a.columns) AddColumn(c);
    if (a.smallImages) SetSmallImages(a.smallImages);
}

// ---- columns ----

int ListView::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void ListView::AddColumn(const ListColumn& c) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    col.fmt = ColumnFormat(c.alignment);
    col.cx = Scale(c.width);
    col.pszText = const_cast<wchar_t*>(c.caption.c_str());
    const int index = ColumnCount();
    col.iSubItem = index;
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col));
}

int ListView::ColumnWidthPixels(int column) const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

void ListView::SetColumnWidthPixels(int column, int width) {
    SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

int ListView::ColumnWidth(int column) const { return Unscale(ColumnWidthPixels(column)); }
void ListView::SetColumnWidth(int column, int width) { SetColumnWidthPixels(column, Scale(width)); }

void ListView::OnDpiChanged(UINT oldDpi, UINT newDpi) {
    for (int i = 0, n = ColumnCount(); i < n; ++i)
        SetColumnWidthPixels(i, MulDiv(ColumnWidthPixels(i), static_cast<int>(newDpi), static_cast<int>(oldDpi)));
}

// ---- rows ----

int ListView::Count() const {
    return Handle() ? static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::uintptr_t ListView::KeyOf(int index) const {
    LVITEMW it{};
    it.mask = LVIF_PARAM;
    it.iItem = index;
    SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    return static_cast<std::uintptr_t>(it.lParam);
}

int ListView::Add(const ListItem& item) { return Insert(Count(), item); }

int ListView::Insert(int index, const ListItem& item) {
    const std::uintptr_t key = nextKey_++;
    data_[key] = item.data;
    LVITEMW it{};
    it.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    it.iItem = std::clamp(index, 0, Count());
    it.pszText = const_cast<wchar_t*>(item.caption.c_str());
    it.iImage = ToImage(item.imageIndex);
    it.lParam = static_cast<LPARAM>(key);
    const int at = static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&it)));
    if (at < 0) {
        data_.erase(key);
        return -1;
    }
    for (size_t k = 0; k < item.subItems.size(); ++k) SetSubItem(at, static_cast<int>(k), item.subItems[k]);
    if (item.checked) SetChecked(at, true);
    return at;
}

void ListView::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    const auto key = KeyOf(index);
    SendMessageW(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    data_.erase(key);
}

void ListView::Clear() {
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
    data_.clear();
}

ListItem ListView::Item(int index) const {
    ListItem item;
    item.caption = Caption(index);
    for (int c = 1, n = ColumnCount(); c < n; ++c) item.subItems.push_back(SubItem(index, c - 1));
    item.imageIndex = ImageIndex(index);
    item.data = Data(index);
    item.checked = Checked(index);
    return item;
}

std::wstring ListView::Caption(int index) const { return SubItem(index, -1); }

void ListView::SetCaption(int index, const std::wstring& text) { SetSubItem(index, -1, text); }

std::wstring ListView::SubItem(int index, int sub) const {
    if (index < 0 || index >= Count()) return {};
    std::wstring buf(256, L'\0');
    for (;;) {
        LVITEMW it{};
        it.iSubItem = sub + 1;
        it.pszText = buf.data();
        it.cchTextMax = static_cast<int>(buf.size());
        const int n = static_cast<int>(
            SendMessageW(Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&it)));
        if (n < static_cast<int>(buf.size()) - 1) {
            buf.resize(static_cast<size_t>(n));
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

void ListView::SetSubItem(int index, int sub, const std::wstring& text) {
    LVITEMW it{};
    it.iSubItem = sub + 1;
    it.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&it));
}

int ListView::ImageIndex(int index) const {
    LVITEMW it{};
    it.mask = LVIF_IMAGE;
    it.iItem = index;
    if (!SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it))) return -1;
    return FromImage(it.iImage);
}

void ListView::SetImageIndex(int index, int image) {
    LVITEMW it{};
    it.mask = LVIF_IMAGE;
    it.iItem = index;
    it.iImage = ToImage(image);
    SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&it));
}

std::intptr_t ListView::Data(int index) const {
    if (index < 0 || index >= Count()) return 0;
    auto it = data_.find(KeyOf(index));
    return it == data_.end() ? 0 : it->second;
}

void ListView::SetData(int index, std::intptr_t data) {
    if (index >= 0 && index < Count()) data_[KeyOf(index)] = data;
}

bool ListView::Checked(int index) const {
    const auto state = static_cast<UINT>(
        SendMessageW(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void ListView::SetChecked(int index, bool checked) {
    LVITEMW it{};
    it.stateMask = LVIS_STATEIMAGEMASK;
    it.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&it));
}

// ---- selection ----

int ListView::Selected() const {
    return Handle() ? static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED))
                    : -1;
}

void ListView::SetSelected(int index) {
    LVITEMW it{};
    it.stateMask = LVIS_SELECTED;
    it.state = 0;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&it));
    if (index < 0 || index >= Count()) return;
    it.state = LVIS_SELECTED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&it));
}

bool ListView::IsSelected(int index) const {
    return SendMessageW(Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) & LVIS_SELECTED;
}

int ListView::SelectedCount() const { return static_cast<int>(SendMessageW(Handle(), LVM_GETSELECTEDCOUNT, 0, 0)); }

int ListView::ItemFocused() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void ListView::SetItemFocused(int index) {
    LVITEMW it{};
    it.stateMask = LVIS_FOCUSED;
    it.state = LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&it));
}

void ListView::EnsureVisible(int index) {
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void ListView::Sort(const std::function<int(const ListItem&, const ListItem&)>& compare) {
    const auto& fn = compare ? compare : OnCompare;
    if (!fn || !Handle()) return;
    SortContext ctx;
    ctx.compare = &fn;
    for (int i = 0, n = Count(); i < n; ++i) ctx.rows[KeyOf(i)] = {Item(i), i};
    SendMessageW(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&ctx), reinterpret_cast<LPARAM>(&CompareRows));
    if (ctx.error) std::rethrow_exception(ctx.error);
}

void ListView::SetSmallImages(ImageList* images) {
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void ListView::BeginUpdate() {
    if (updating_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void ListView::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0) {
        SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        Invalidate();
    }
}

bool ListView::OnNotify(NMHDR& h, LRESULT& result) {
    result = 0;
    switch (h.code) {
    case LVN_COLUMNCLICK:
        Invoke(OnColumnClick, reinterpret_cast<NMLISTVIEW&>(h).iSubItem);
        return true;
    case NM_CLICK:
        Invoke(OnClick);
        return true;
    case NM_DBLCLK:
        Invoke(OnDblClick);
        return true;
    case LVN_BEGINLABELEDITW:
        result = TRUE;  // no in-place editing
        return true;
    case LVN_ITEMCHANGED: {
        auto& nm = reinterpret_cast<NMLISTVIEW&>(h);
        if (!(nm.uChanged & LVIF_STATE) || nm.iItem < 0) {
            if (nm.iItem >= 0) Invoke(OnChange, nm.iItem);
            return true;
        }
        const UINT changed = nm.uNewState ^ nm.uOldState;
        if (changed & LVIS_SELECTED) Invoke(OnSelectItem, nm.iItem, (nm.uNewState & LVIS_SELECTED) != 0);
        // A row gets its first state image when it is inserted: not a check.
        if ((changed & LVIS_STATEIMAGEMASK) && (nm.uOldState & LVIS_STATEIMAGEMASK)) Invoke(OnItemChecked, nm.iItem);
        Invoke(OnChange, nm.iItem);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace tk
