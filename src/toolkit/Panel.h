// Panels: plain or bevelled areas with an optional centred caption, usually
// aligned to an edge of the form; they hold other controls.
#pragma once
#include <functional>

#include "toolkit/Handles.h"
#include "toolkit/PaintedControl.h"

namespace tk {

enum class Bevel { None, Lowered, Raised };

struct PanelArgs {
    TK_CONTROL_ARGS
    Bevel bevelOuter = Bevel::Raised;
    Bevel bevelInner = Bevel::None;
    bool border = false;                 // a single-line frame (WS_EX_CLIENTEDGE look)
    COLORREF color = CLR_INVALID;        // CLR_INVALID: the dialog face colour
    COLORREF fontColor = CLR_INVALID;
    Alignment alignment = Alignment::Center;  // of the caption
    bool bold = false;
};

class Panel : public PaintedControl {
public:
    void Create(Window& parent, const PanelArgs& args);
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    // Drawn after the background, bevel and caption.
    std::function<void(HDC dc, const RECT& client)> OnPaint;

    void SetColor(COLORREF color);
    COLORREF Color() const;
    void SetFontColor(COLORREF color);
    COLORREF FontColor() const;
    void SetText(const std::wstring& text) override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    HBRUSH ChildBackground(HDC dc, UINT msg) override;
    void AdjustClientRect(RECT& rect) const override;

private:
    void Paint(HDC dc, const RECT& client, const RECT& dirty) override;
    int BevelWidth() const;
    PanelArgs style_;
    Brush brush_;
};

}  // namespace tk
