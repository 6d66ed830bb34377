// A drop-down list of the wave files of one folder: the names of the files
// that match "*.wav" (folders excluded, hidden and system files included),
// sorted by name, each with its file icon. Pointing it at a folder selects the
// first name.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "toolkit/ComboBox.h"

namespace tk {

struct WaveFileComboArgs {
    TK_CONTROL_ARGS
    int dropDownCount = 8;
};

// The names in `folder` that the box lists, in its order.
std::vector<std::wstring> WaveFilesIn(const std::wstring& folder);

class WaveFileCombo : public ComboBox {
public:
    void Create(Window& parent, const WaveFileComboArgs& args);

    void SetDirectory(const std::wstring& folder);
    const std::wstring& Directory() const { return folder_; }
    // The selected name; "" when the folder holds none.
    std::wstring FileName() const;

protected:
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

private:
    void SetItemHeights();
    std::wstring folder_;
    HIMAGELIST systemIcons_ = nullptr;  // the shell's, never destroyed
    int iconIndex_ = -1;
};

}  // namespace tk
