// The month calendar that drops down below a date entry: the week starts on
// Sunday, arrows step the month, the foot line shows today in the long date
// format and picks it. Runs its own message loop until a day is picked or the
// calendar is dismissed (Esc, a click elsewhere).
#pragma once
#include <functional>
#include <optional>

#include "common/DateTime.h"
#include "toolkit/Handles.h"
#include "toolkit/PaintedControl.h"

namespace tk {

// The date of the top-left cell of a month page: the Sunday on or before the
// first of the month.
inline TDateTime FirstCellOfMonth(int year, int month) {
    const TDateTime first = EncodeDate(year, month, 1);
    return first - (DayOfWeek(first) - 1);
}

class DropCalendar : public PaintedControl {
public:
    // Shows the calendar below `anchor` at `initial`; the picked date, or
    // nothing when dismissed.
    static std::optional<TDateTime> Pick(Window& anchor, TDateTime initial);

    // Tests answer instead of the calendar: the hook gets the initial date.
    using PickHook = std::function<std::optional<TDateTime>(TDateTime initial)>;
    static PickHook SetPickHook(PickHook hook);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    DropCalendar(TDateTime initial, TDateTime today);
    std::optional<TDateTime> Run(Window& anchor);

    enum class Hit { None, Previous, Next, Today, Day };
    struct Layout {
        RECT previous, next, title, weekdays, days, today;
        int cellWidth, cellHeight;
    };
    Layout GetLayout() const;
    Hit HitTest(POINT pt, TDateTime& day) const;
    void Paint(HDC dc, const RECT& client, const RECT& dirty) override;
    void Select(TDateTime date);
    void Finish(std::optional<TDateTime> result);

    TDateTime selected_;
    TDateTime today_;
    int year_, month_;
    bool done_ = false;
    std::optional<TDateTime> result_;
    Font boldFont_;
};

}  // namespace tk
