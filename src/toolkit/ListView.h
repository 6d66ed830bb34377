// Report-style list views: columns, rows with a caption, sub items, an image,
// a check box and a data value; sorting through a compare callback.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Window.h"

namespace tk {

class ImageList;

struct ListColumn {
    std::wstring caption;
    int width = 50;  // design units; 0 hides the column
    Alignment alignment = Alignment::Left;
};

struct ListViewArgs {
    TK_CONTROL_ARGS
    std::vector<ListColumn> columns;
    bool checkBoxes = false;
    bool gridLines = false;
    bool rowSelect = false;
    bool showColumnHeaders = true;
    bool hideSelection = true;  // false: the selection stays visible without the focus
    bool multiSelect = false;
    bool border = true;
    ImageList* smallImages = nullptr;
};

// One row's content, as added and as the compare callback sees it.
struct ListItem {
    std::wstring caption;
    std::vector<std::wstring> subItems;  // sub item k is column k + 1
    int imageIndex = -1;
    std::intptr_t data = 0;
    bool checked = false;
};

class ListView : public Window {
public:
    void Create(Window& parent, const ListViewArgs& args);

    // Events.
    std::function<void(int column)> OnColumnClick;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(int item, bool selected)> OnSelectItem;
    std::function<void(int item)> OnChange;      // any state change of a row
    std::function<void(int item)> OnItemChecked; // the check box of a row changed
    // < 0: a before b. Used by Sort() and AlphaSort-like resorting.
    std::function<int(const ListItem& a, const ListItem& b)> OnCompare;

    // Columns.
    int ColumnCount() const;
    void AddColumn(const ListColumn& column);
    int ColumnWidth(int column) const;  // design units
    void SetColumnWidth(int column, int width);
    int ColumnWidthPixels(int column) const;
    void SetColumnWidthPixels(int column, int width);

    // Rows.
    int Count() const;
    int Add(const ListItem& item);  // appended; returns its index
    int Insert(int index, const ListItem& item);
    void Delete(int index);
    void Clear();
    ListItem Item(int index) const;
    std::wstring Caption(int index) const;
    void SetCaption(int index, const std::wstring& text);
    std::wstring SubItem(int index, int sub) const;  // "" when missing
    void SetSubItem(int index, int sub, const std::wstring& text);
    int ImageIndex(int index) const;
    void SetImageIndex(int index, int image);
    std::intptr_t Data(int index) const;
    void SetData(int index, std::intptr_t data);
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);

    // Selection and focus.
    int Selected() const;  // first selected row, -1 when none
    void SetSelected(int index);  // -1 clears
    bool IsSelected(int index) const;
    int SelectedCount() const;
    int ItemFocused() const;
    void SetItemFocused(int index);
    void EnsureVisible(int index);

    // Sorts the rows with compare (or OnCompare when none is given); stable.
    void Sort(const std::function<int(const ListItem&, const ListItem&)>& compare = nullptr);

    void SetSmallImages(ImageList* images);

    // Runs the handlers as a user's action would (for tests and keyboard paths).
    void ClickColumn(int column) { Invoke(OnColumnClick, column); }

    void BeginUpdate();
    void EndUpdate();

protected:
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    std::uintptr_t KeyOf(int index) const;
    std::map<std::uintptr_t, std::intptr_t> data_;  // row key -> Data
    std::uintptr_t nextKey_ = 1;
    int updating_ = 0;
};

}  // namespace tk

