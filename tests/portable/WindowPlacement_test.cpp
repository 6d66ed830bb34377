#include "common/WindowPlacement.h"

#include <gtest/gtest.h>

#include "MemoryStoreFixture.h"

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kScreenW = 1280, kScreenH = 800;
constexpr int kWindowW = 400, kWindowH = 300;

struct RestoreCase {
    const char* name;
    std::map<std::wstring, std::wstring> stored;
    bool widthFlag, heightFlag;
    PlacementAction action;
    PlacementBounds bounds;                // only for SetBounds
    std::vector<std::wstring> reads = {};  // checked when not empty
};

const std::vector<std::wstring> kAllReads = {L"Max", L"Left", L"Top", L"Width", L"Height"};

const RestoreCase kRestoreCases[] = {
    {"nothing stored: centred at designed size", {}, true, true, PlacementAction::SetBounds,
     {440, 250, 400, 300}, kAllReads},
    {"stored bounds applied", {{L"Max", L"No"}, {L"Left", L"20"}, {L"Top", L"30"},
      {L"Width", L"500"}, {L"Height", L"350"}}, true, true, PlacementAction::SetBounds,
     {20, 30, 500, 350}},
    {"Left beyond the screen width: centred", {{L"Left", L"2000"}, {L"Top", L"10"}}, true, true,
     PlacementAction::SetBounds, {440, 10, 400, 300}},
    {"Top beyond the screen height: centred", {{L"Left", L"10"}, {L"Top", L"801"}}, true, true,
     PlacementAction::SetBounds, {10, 250, 400, 300}},
    {"Left equal to the screen width is not beyond it: pulled in", {{L"Left", L"1280"}}, false,
     false, PlacementAction::SetBounds, {880, 250, 400, 300}},
    {"crossing the right edge: moved left to end at it", {{L"Left", L"1000"}, {L"Top", L"10"}},
     true, true, PlacementAction::SetBounds, {880, 10, 400, 300}},
    {"crossing the bottom edge: moved up", {{L"Left", L"0"}, {L"Top", L"700"}}, true, true,
     PlacementAction::SetBounds, {0, 500, 400, 300}},
    {"negative positions clamped to 0", {{L"Left", L"-50"}, {L"Top", L"-1"}}, true, true,
     PlacementAction::SetBounds, {0, 0, 400, 300}},
    {"larger than the screen: negative Left and Top", {{L"Left", L"10"}, {L"Top", L"10"},
      {L"Width", L"1500"}, {L"Height", L"900"}}, true, true, PlacementAction::SetBounds,
     {-220, -100, 1500, 900}},
    {"sizes taken without bounds when the flags are set", {{L"Left", L"5"}, {L"Top", L"6"},
      {L"Width", L"1"}, {L"Height", L"0"}}, true, true, PlacementAction::SetBounds,
     {5, 6, 1, 0}},
    {"sizes ignored and not read without the flags", {{L"Left", L"5"}, {L"Top", L"6"},
      {L"Width", L"10"}, {L"Height", L"10"}}, false, false, PlacementAction::SetBounds,
     {5, 6, 400, 300}, {L"Max", L"Left", L"Top"}},
    {"Max in lower case is not maximised", {{L"Max", L"yes"}, {L"Left", L"7"}, {L"Top", L"8"}},
     true, true, PlacementAction::SetBounds, {7, 8, 400, 300}},
    {"Max Yes maximises with nothing else read", {{L"Max", L"Yes"}, {L"Left", L"bad"}}, true,
     true, PlacementAction::Maximize, {}, {L"Max"}},
    {"non-decimal Left leaves the window and stops reading", {{L"Left", L"12a"}, {L"Top", L"5"}},
     true, true, PlacementAction::LeaveAsIs, {}, {L"Max", L"Left"}},
    {"Left with blanks is not decimal", {{L"Left", L" 12"}}, true, true,
     PlacementAction::LeaveAsIs, {}},
    {"non-decimal Top", {{L"Left", L"5"}, {L"Top", L"x"}}, true, true, PlacementAction::LeaveAsIs,
     {}, {L"Max", L"Left", L"Top"}},
    {"non-decimal Width with the flag", {{L"Width", L"1.5"}}, true, true,
     PlacementAction::LeaveAsIs, {}},
    {"non-decimal Height without the flag is never read", {{L"Height", L"tall"}}, true, false,
     PlacementAction::SetBounds, {440, 250, 400, 300}},
    {"huge stored width does not overflow", {{L"Left", L"100"}, {L"Width", L"2147483647"}}, true,
     true, PlacementAction::SetBounds, {1280 - 2147483647, 250, 2147483647, 300}},
};

class RestoreTest : public testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreTest, Computes) {
    const RestoreCase& c = GetParam();
    std::vector<std::wstring> reads;
    const auto reader = [&](const std::wstring& name) {
        reads.push_back(name);
        const auto it = c.stored.find(name);
        return it == c.stored.end() ? std::wstring() : it->second;
    };
    const RestoredPlacement r =
        ComputeRestoredPlacement(reader, kWindowW, kWindowH, kScreenW, kScreenH, c.widthFlag, c.heightFlag);
    EXPECT_EQ(r.action, c.action);
    if (c.action == PlacementAction::SetBounds) {
        EXPECT_EQ(r.bounds.left, c.bounds.left);
        EXPECT_EQ(r.bounds.top, c.bounds.top);
        EXPECT_EQ(r.bounds.width, c.bounds.width);
        EXPECT_EQ(r.bounds.height, c.bounds.height);
    }
    if (!c.reads.empty()) {
        EXPECT_EQ(reads, c.reads);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RestoreTest, testing::ValuesIn(kRestoreCases),
                         [](const testing::TestParamInfo<RestoreCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(RestorePlacement, CentringTruncatesTowardZero) {
    const auto none = [](const std::wstring&) { return std::wstring(); };
    // (1281 - 400) / 2 = 440.5 and (800 - 301) / 2 = 249.5
    auto r = ComputeRestoredPlacement(none, 400, 301, 1281, 800, true, true);
    EXPECT_EQ(r.bounds, (PlacementBounds{440, 249, 400, 301}));
    // Wider than the screen: (1280 - 1501) / 2 = -110.5 -> -110, clamped to 0, then pulled
    // left so the right edge meets the screen's.
    r = ComputeRestoredPlacement(none, 1501, 300, 1280, 800, true, true);
    EXPECT_EQ(r.bounds, (PlacementBounds{-221, 250, 1501, 300}));
}

using Values = std::vector<std::pair<std::wstring, std::wstring>>;

struct SaveCase {
    PlacementWindowState state;
    bool widthFlag, heightFlag;
    Values expected;
};

TEST(SavePlacement, ValuesByState) {
    const PlacementBounds b{-8, 12, 640, 480};
    const SaveCase cases[] = {
        {PlacementWindowState::Normal, true, true,
         {{L"Max", L"No"}, {L"Left", L"-8"}, {L"Top", L"12"}, {L"Width", L"640"}, {L"Height", L"480"}}},
        {PlacementWindowState::Normal, false, false, {{L"Max", L"No"}, {L"Left", L"-8"}, {L"Top", L"12"}}},
        {PlacementWindowState::Normal, false, true,
         {{L"Max", L"No"}, {L"Left", L"-8"}, {L"Top", L"12"}, {L"Height", L"480"}}},
        {PlacementWindowState::Minimized, true, true, {{L"Max", L"No"}}},
        {PlacementWindowState::Maximized, true, true, {{L"Max", L"Yes"}}},
    };
    for (const SaveCase& c : cases)
        EXPECT_EQ(PlacementValuesToSave(c.state, b, c.widthFlag, c.heightFlag), c.expected)
            << "state " << static_cast<int>(c.state);
}

// Close and reopen sequences through the store: a maximised or minimised close
// keeps the bounds of the last normal close.
class PlacementStoreTest : public MemoryStoreTest {
protected:
    RestoredPlacement Reopen(bool sizeKept = true) {
        return RestorePlacementFromStore(RegistryRoot, L"Events Window", kWindowW, kWindowH,
                                         kScreenW, kScreenH, sizeKept, sizeKept);
    }
    void Close(PlacementWindowState state, PlacementBounds b, bool sizeKept = true) {
        SavePlacementToStore(RegistryRoot, L"Events Window", state, b, sizeKept, sizeKept);
    }
    std::wstring Stored(const std::wstring& name) {
        return RegReadString(RegistryRoot, L"Events Window", name);
    }
};

TEST_F(PlacementStoreTest, MaximisedCloseKeepsTheLastNormalBounds) {
    Close(PlacementWindowState::Normal, {10, 20, 500, 400});
    Close(PlacementWindowState::Maximized, {-8, -8, 1296, 776});
    EXPECT_EQ(Stored(L"Max"), L"Yes");
    EXPECT_EQ(Stored(L"Left"), L"10");
    EXPECT_EQ(Stored(L"Width"), L"500");
    EXPECT_EQ(Reopen().action, PlacementAction::Maximize);
}

TEST_F(PlacementStoreTest, MinimisedCloseReopensAtTheLastNormalBounds) {
    Close(PlacementWindowState::Normal, {10, 20, 500, 400});
    Close(PlacementWindowState::Minimized, {-32000, -32000, 160, 28});
    EXPECT_EQ(Stored(L"Max"), L"No");
    const RestoredPlacement r = Reopen();
    EXPECT_EQ(r.action, PlacementAction::SetBounds);
    EXPECT_EQ(r.bounds, (PlacementBounds{10, 20, 500, 400}));
}

TEST_F(PlacementStoreTest, PositionOnlyWindowKeepsItsDesignedSize) {
    Close(PlacementWindowState::Normal, {30, 40, 999, 999}, false);
    EXPECT_EQ(Stored(L"Width"), L"");
    EXPECT_EQ(Reopen(false).bounds, (PlacementBounds{30, 40, kWindowW, kWindowH}));
}

}  // namespace
