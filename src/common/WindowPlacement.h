// Where a window that remembers its placement goes when it is shown, and which
// values it stores when it closes. Portable: the Win32 side only reads the
// window's bounds and state and the primary screen size, and applies the result.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Outer bounds of a window in screen pixels.
struct PlacementBounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PlacementBounds&) const = default;
};

enum class PlacementAction {
    Maximize,   // stored "Max" = "Yes": maximise, nothing else read or applied
    LeaveAsIs,  // a stored position or size was not a decimal integer
    SetBounds,  // set left, top, width and height, in that order
};

struct RestoredPlacement {
    PlacementAction action = PlacementAction::LeaveAsIs;
    PlacementBounds bounds;
};

// Reads one value of the window's placement key ("" when missing).
using PlacementReader = std::function<std::wstring(const std::wstring& name)>;

// The placement to give a window whose current outer size is currentWidth x
// currentHeight on a primary screen of screenWidth x screenHeight. Values are
// read in the order Max, Left, Top, Width, Height, and no further once one of
// them does not convert. Stored sizes are taken without bounds.
RestoredPlacement ComputeRestoredPlacement(const PlacementReader& read, int currentWidth,
                                           int currentHeight, int screenWidth, int screenHeight,
                                           bool widthFlag, bool heightFlag);

enum class PlacementWindowState { Normal, Minimized, Maximized };

// The values to write, in writing order, for a window closing in the given
// state with the given outer bounds. A minimised or maximised window writes
// only "Max" so that the bounds of its last normal close survive.
std::vector<std::pair<std::wstring, std::wstring>> PlacementValuesToSave(
    PlacementWindowState state, const PlacementBounds& bounds, bool widthFlag, bool heightFlag);

// The same against the settings store: the key is basePath + keyName.
RestoredPlacement RestorePlacementFromStore(const std::wstring& basePath, const std::wstring& keyName,
                                            int currentWidth, int currentHeight, int screenWidth,
                                            int screenHeight, bool widthFlag, bool heightFlag);
void SavePlacementToStore(const std::wstring& basePath, const std::wstring& keyName,
                          PlacementWindowState state, const PlacementBounds& bounds,
                          bool widthFlag, bool heightFlag);
