#include "toolkit/DateEdit.h"

#include <stdexcept>

#include "common/Errors.h"
#include "common/FormatSettings.h"
#include "toolkit/Application.h"
#include "toolkit/DropCalendar.h"
#include "toolkit/Handles.h"
#include "toolkit/LocalTime.h"

namespace tk {
namespace {

constexpr wchar_t kDropButtonClass[] = L"tk_DateDropButton";
constexpr int kButtonWidth = 17;  // design units

int CurrentYear() { return DecodeDate(LocalNow()).year; }

}  // namespace

// The arrow beside the text; it never takes the focus.
class DateEdit::DropButton : public Window {
public:
    explicit DropButton(DateEdit& owner) : owner_(owner) {}

    void Create(Window& parent, const Rect& bounds, Anchors anchors, bool visible) {
        RegisterOwnClass(kDropButtonClass, CS_HREDRAW | CS_VREDRAW, nullptr, nullptr);
        HWND h = CreateWindowExW(0, kDropButtonClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                 parent.Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                                 Application::Instance(), static_cast<Window*>(this));
        if (!h) throw std::runtime_error("cannot create a date button");
        SetParentWindow(&parent);
        SetAnchors(anchors);
        SetBounds(bounds);
        if (visible) SetVisible(true);
    }

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PaintDC dc(Handle());
            RECT r;
            GetClientRect(Handle(), &r);
            DrawFrameControl(dc, &r, DFC_SCROLL,
                             DFCS_SCROLLCOMBOBOX | (pushed_ ? DFCS_PUSHED : 0) |
                                 (owner_.Enabled() ? 0 : DFCS_INACTIVE));
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_LBUTTONDOWN:
            if (!owner_.Enabled()) return 0;
            pushed_ = true;
            Invalidate(false);
            Update();
            owner_.DropDown();
            pushed_ = false;
            Invalidate(false);
            return 0;
        }
        return Window::WndProc(msg, wp, lp);
    }

private:
    DateEdit& owner_;
    bool pushed_ = false;
};

DateEdit::DateEdit() = default;
DateEdit::~DateEdit() = default;

void DateEdit::Create(Window& parent, const DateEditArgs& a) {
    epoch_ = a.epoch;
    Rect text = a.bounds;
    text.width -= kButtonWidth;
    CreateEntry(parent, a, text);
    button_ = std::make_unique<DropButton>(*this);
    const Anchors buttonAnchors = (a.anchors & akRight) ? (a.anchors & ~akLeft) : a.anchors;
    button_->Create(parent, {text.left + text.width, text.top, kButtonWidth, text.height},
                    buttonAnchors, a.visible);
}

std::optional<TDateTime> DateEdit::TryDate() const {
    return entry::ParseDateEntry(Text(), CurrentFormatSettings(), CurrentYear(), epoch_);
}

TDateTime DateEdit::Date() const {
    if (auto date = TryDate()) return *date;
    throw EConvertError(L"'" + Text() + L"' is not a valid date");
}

void DateEdit::SetDate(TDateTime date) { SetText(entry::DateEntryText(date, CurrentFormatSettings())); }

void DateEdit::SetVisible(bool visible) {
    Edit::SetVisible(visible);
    if (button_ && button_->Handle()) button_->SetVisible(visible);
}

void DateEdit::DropDown() {
    const TDateTime initial = TryDate().value_or(DateOf(LocalNow()));
    SetFocus();
    if (auto picked = DropCalendar::Pick(*this, initial)) {
        SetDate(*picked);
        SelectAll();
    }
}

void DateEdit::EnterNow() { SetDate(LocalNow()); }

void DateEdit::StepAt(std::size_t caret, int delta) {
    const TDateTime date = TryDate().value_or(DateOf(LocalNow()));
    SetDate(entry::StepDate(date, entry::DateFieldAt(Text(), caret, CurrentFormatSettings()), delta));
}

// A date that reads is shown in the locale's own form again.
std::optional<std::wstring> DateEdit::CanonicalText() const {
    if (auto date = TryDate()) return entry::DateEntryText(*date, CurrentFormatSettings());
    return std::nullopt;
}

LRESULT DateEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SYSKEYDOWN:
        if (wp == VK_DOWN) {
            DropDown();
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (wp == VK_F4) {
            DropDown();
            return 0;
        }
        break;
    case WM_ENABLE:
        if (button_ && button_->Handle()) button_->Invalidate(false);
        break;
    }
    return EntryEdit::WndProc(msg, wp, lp);
}

}  // namespace tk
