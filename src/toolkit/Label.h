// Static text.
#pragma once
#include <functional>

#include "toolkit/Window.h"

namespace tk {

struct LabelArgs {
    TK_CONTROL_ARGS
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    bool autoSize = true;       // fits the bounds to the text (height only with wordWrap)
    bool bold = false;
    bool showAccelChar = true;  // "&" underlines the next character
    COLORREF textColor = CLR_INVALID;  // CLR_INVALID: the system's
};

class Label : public Window {
public:
    void Create(Window& parent, const LabelArgs& args);
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    void SetText(const std::wstring& text) override;
    void SetTextColor(COLORREF color);
    void SetBold(bool bold);

protected:
    bool OnCommand(WORD code, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HBRUSH parentBrush) override;
    void OnDpiChanged(UINT, UINT) override { FitToText(); }

private:
    void FitToText();
    bool autoSize_ = true;
    bool wordWrap_ = false;
    COLORREF textColor_ = CLR_INVALID;
};

}  // namespace tk
