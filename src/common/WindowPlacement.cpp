#include "common/WindowPlacement.h"

#include <cstdint>

#include "common/DateFormat.h"
#include "common/Errors.h"
#include "common/StoreAccess.h"

namespace {

// A stored position beyond the screen (after a change to a smaller display)
// falls back to centring; C++ division truncates toward zero as wanted.
int StoredPosition(const std::wstring& text, int screenExtent, int windowExtent) {
    const int centred = (screenExtent - windowExtent) / 2;
    if (text.empty()) return centred;
    const int value = StrToInt(text);
    return value > screenExtent ? centred : value;
}

// Keeps the far edge on the screen. Stored sizes are unbounded, so the sum is
// taken in 64 bits; the result fits because position >= 0 here.
int PullInside(int position, int extent, int screenExtent) {
    if (static_cast<std::int64_t>(position) + extent > screenExtent) return screenExtent - extent;
    return position;
}

}  // namespace

RestoredPlacement ComputeRestoredPlacement(const PlacementReader& read, int currentWidth,
                                           int currentHeight, int screenWidth, int screenHeight,
                                           bool widthFlag, bool heightFlag) {
    if (read(L"Max") == L"Yes") return {PlacementAction::Maximize, {}};
    try {
        PlacementBounds b;
        b.left = StoredPosition(read(L"Left"), screenWidth, currentWidth);
        b.top = StoredPosition(read(L"Top"), screenHeight, currentHeight);
        b.width = currentWidth;
        if (widthFlag) {
            const std::wstring w = read(L"Width");
            if (!w.empty()) b.width = StrToInt(w);
        }
        b.height = currentHeight;
        if (heightFlag) {
            const std::wstring h = read(L"Height");
            if (!h.empty()) b.height = StrToInt(h);
        }
        if (b.left < 0) b.left = 0;
        if (b.top < 0) b.top = 0;
        // After the clamp to 0, so a window larger than the screen ends with a
        // negative position: its far edge stays reachable.
        b.left = PullInside(b.left, b.width, screenWidth);
        b.top = PullInside(b.top, b.height, screenHeight);
        return {PlacementAction::SetBounds, b};
    } catch (const EConvertError&) {
        return {PlacementAction::LeaveAsIs, {}};
    }
}

std::vector<std::pair<std::wstring, std::wstring>> PlacementValuesToSave(
    PlacementWindowState state, const PlacementBounds& bounds, bool widthFlag, bool heightFlag) {
    switch (state) {
        case PlacementWindowState::Minimized: return {{L"Max", L"No"}};
        case PlacementWindowState::Maximized: return {{L"Max", L"Yes"}};
        case PlacementWindowState::Normal: break;
    }
    std::vector<std::pair<std::wstring, std::wstring>> values{
        {L"Max", L"No"},
        {L"Left", std::to_wstring(bounds.left)},
        {L"Top", std::to_wstring(bounds.top)},
    };
    if (widthFlag) values.emplace_back(L"Width", std::to_wstring(bounds.width));
    if (heightFlag) values.emplace_back(L"Height", std::to_wstring(bounds.height));
    return values;
}

RestoredPlacement RestorePlacementFromStore(const std::wstring& basePath, const std::wstring& keyName,
                                            int currentWidth, int currentHeight, int screenWidth,
                                            int screenHeight, bool widthFlag, bool heightFlag) {
    const auto read = [&](const std::wstring& name) { return RegReadString(basePath, keyName, name); };
    return ComputeRestoredPlacement(read, currentWidth, currentHeight, screenWidth, screenHeight,
                                    widthFlag, heightFlag);
}

void SavePlacementToStore(const std::wstring& basePath, const std::wstring& keyName,
                          PlacementWindowState state, const PlacementBounds& bounds,
                          bool widthFlag, bool heightFlag) {
    for (const auto& [name, value] : PlacementValuesToSave(state, bounds, widthFlag, heightFlag))
        RegWriteString(basePath, keyName, name, value);
}
