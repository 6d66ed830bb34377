// Single-line and multi-line text boxes.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace tk {

struct EditArgs {
    TK_CONTROL_ARGS
    int maxLength = 0;  // 0: no limit
    bool readOnly = false;
    Alignment alignment = Alignment::Left;
    bool border = true;
};

class Edit : public Window {
public:
    void Create(Window& parent, const EditArgs& args);
    std::function<void()> OnChange;  // after every change of the text, typed or set
    std::function<void(wchar_t& key)> OnKeyPress;  // key = 0 swallows it

    void SetMaxLength(int length);
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const;
    void SelectAll();
    void SetSelection(int start, int end);

protected:
    bool OnCommand(WORD code, LRESULT& result) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void CreateEdit(Window& parent, const EditArgs& args, DWORD extraStyle);
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

struct MemoArgs {
    TK_CONTROL_ARGS
    int maxLength = 0;
    bool readOnly = false;
    Alignment alignment = Alignment::Left;
    bool border = true;
    ScrollBars scrollBars = ScrollBars::None;
    bool wordWrap = true;
    bool wantReturns = true;  // Enter starts a new line (else it clicks the default button)
    bool wantTabs = false;
};

class Memo : public Edit {
public:
    void Create(Window& parent, const MemoArgs& args);

    // The text as lines (split at CR LF), and back.
    std::vector<std::wstring> Lines() const;
    void SetLines(const std::vector<std::wstring>& lines);
    int LineCount() const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool wantTabs_ = false;
};

}  // namespace tk
