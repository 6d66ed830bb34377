// The rules every Store follows (src/common/Store.h), written once and run
// against each backend. A test file instantiates the suite with its backend:
//   INSTANTIATE_TEST_SUITE_P(Memory, StoreContract, testing::Values(backend),
//                            StoreBackendName);
// The tests are defined here, so include this header in one source file only.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "common/Errors.h"
#include "common/Store.h"

struct StoreBackend {
    std::string name;
    std::function<std::unique_ptr<Store>()> create;
    // Stores an integer value, which is not a string, behind the store's back.
    std::function<void(Store&, const std::wstring& keyPath, const std::wstring& name)> writeInteger;
};

inline std::string StoreBackendName(const testing::TestParamInfo<StoreBackend>& info) {
    return info.param.name;
}

using Names = std::vector<std::wstring>;

class StoreContract : public testing::TestWithParam<StoreBackend> {
protected:
    // Everything a test writes lies below this key, which is deleted around each test.
    static inline const std::wstring Root = L"\\Software\\DayloomTests\\Contract\\";

    void SetUp() override {
        store = GetParam().create();
        store->DeleteKey(Root);
    }
    void TearDown() override {
        if (store) store->DeleteKey(Root);
    }
    static std::wstring At(const std::wstring& relativePath) { return Root + relativePath; }

    std::unique_ptr<Store> store;
};

TEST_P(StoreContract, ReadingAMissingKeyGivesEmptyAndCreatesNothing) {
    EXPECT_EQ(store->ReadString(At(L"Events\\12/25\\Events"), L"10:00"), L"");
    EXPECT_EQ(store->ReadString(At(L"Events\\12/25\\Events"), L""), L"");
    EXPECT_TRUE(store->ValueNames(At(L"Events")).empty());
    EXPECT_TRUE(store->SubkeyNames(At(L"Events")).empty());
    EXPECT_FALSE(store->DeleteValue(At(L"Events"), L"10:00"));
    store->Flush(At(L"Events"));
    store->DeleteKeyIfEmpty(At(L"Events"));
    EXPECT_FALSE(store->KeyExists(Root));
}

TEST_P(StoreContract, WritingCreatesEveryMissingKeyOnThePath) {
    store->WriteString(At(L"Events\\12/25\\Events"), L"10:00", L"Dentist");

    EXPECT_EQ(store->ReadString(At(L"Events\\12/25\\Events"), L"10:00"), L"Dentist");
    EXPECT_EQ(store->SubkeyNames(At(L"Events")), Names{L"12/25"});  // "/" is no separator
    EXPECT_EQ(store->SubkeyNames(At(L"Events\\12/25")), Names{L"Events"});
    EXPECT_FALSE(store->KeyExists(At(L"Events\\12")));
}

TEST_P(StoreContract, OneKeyUnderEverySpellingOfItsPath) {
    store->WriteString(Root + L"Events\\12/25", L"CalColor", L"255");

    for (const std::wstring& path : {
             std::wstring(L"Software\\DayloomTests\\Contract\\Events\\12/25"),
             std::wstring(L"\\Software\\DayloomTests\\Contract\\Events\\12/25\\"),
             std::wstring(L"\\Software\\DayloomTests\\Contract\\\\Events\\12/25"),
             std::wstring(L"\\SOFTWARE\\dayloomtests\\Contract\\EVENTS\\12/25"),
         }) {
        SCOPED_TRACE(testing::PrintToString(path));
        EXPECT_TRUE(store->KeyExists(path));
        EXPECT_EQ(store->ReadString(path, L"calcolor"), L"255");
    }
    EXPECT_EQ(store->SubkeyNames(Root), Names{L"Events"});
}

TEST_P(StoreContract, WritingEmptyTextDeletesTheValue) {
    const std::wstring key = At(L"Alarms\\Daily");
    store->WriteString(key, L"07:00", L"Wake up|Chimes.wav");
    store->WriteString(key, L"08:00", L"Leave|Bell.wav");

    store->WriteString(key, L"07:00", L"");
    EXPECT_EQ(store->ReadString(key, L"07:00"), L"");
    EXPECT_EQ(store->ValueNames(key), Names{L"08:00"});

    store->WriteString(key, L"07:00", L"");  // nothing left to delete: no error
    store->WriteString(key, L"08:00", std::wstring(L"\0Leave", 6));  // empty up to its NUL
    EXPECT_TRUE(store->ValueNames(key).empty());
    EXPECT_TRUE(store->KeyExists(key));
}

TEST_P(StoreContract, WritingEmptyTextToAMissingKeyLeavesTheKeyEmpty) {
    store->WriteString(At(L"Events\\1/2\\Locations"), L"10:00", L"");

    EXPECT_TRUE(store->KeyExists(At(L"Events\\1/2\\Locations")));
    EXPECT_TRUE(store->ValueNames(At(L"Events\\1/2\\Locations")).empty());
}

TEST_P(StoreContract, TextEndsAtItsFirstNul) {
    store->WriteString(Root, L"Note", std::wstring(L"abc\0def", 7));
    EXPECT_EQ(store->ReadString(Root, L"Note"), L"abc");
}

TEST_P(StoreContract, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    struct Case { std::wstring first, other; };
    const Case cases[] = {
        {L"Color", L"COLOR"},
        {L"M\u00e9nage", L"M\u00c9NAGE"},                      // Latin-1
        {L"\u0141\u00f3d\u017a", L"\u0142\u00d3D\u0179"},        // Latin Extended-A
        {L"\u0414\u0430\u0442\u0430", L"\u0434\u0410\u0422\u0410"},  // Cyrillic
        {L"\u03c3\u03c7\u03cc\u03bb\u03b9\u03bf", L"\u03a3\u03a7\u038c\u039b\u0399\u039f"},  // Greek
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.first));
        store->DeleteKey(Root);

        store->WriteString(Root, c.first, L"1");
        store->WriteString(Root, c.other, L"2");
        EXPECT_EQ(store->ValueNames(Root), Names{c.first});
        EXPECT_EQ(store->ReadString(Root, c.first), L"2");

        store->WriteString(At(c.first), L"a", L"1");
        store->WriteString(At(c.other), L"b", L"2");
        EXPECT_EQ(store->SubkeyNames(Root), Names{c.first});
        EXPECT_EQ(store->ValueNames(At(c.other)), (Names{L"a", L"b"}));
    }
}

TEST_P(StoreContract, TheDefaultValueHasTheEmptyName) {
    const std::wstring key = At(L"Holidays\\2024\\12/25");
    store->WriteString(key, L"", L"Christmas Day");

    EXPECT_EQ(store->ReadString(key, L""), L"Christmas Day");
    EXPECT_EQ(store->ValueNames(key), Names{L""});
}

// The order Wine's registry lists values in: sorted, lower-case folded.
TEST_P(StoreContract, ValueNamesComeSortedWithoutRegardToCase) {
    for (const wchar_t* name : {L"b", L"_c", L"A", L"[x", L"zulu", L"\u00e9t\u00e9", L""})
        store->WriteString(Root, name, L"1");
    store->WriteString(Root, L"B", L"2");  // a rewrite keeps its place and spelling

    EXPECT_EQ(store->ValueNames(Root),
              (Names{L"", L"[x", L"_c", L"A", L"b", L"zulu", L"\u00e9t\u00e9"}));
}

TEST_P(StoreContract, SubkeyNamesComeSortedWithoutRegardToCase) {
    for (const wchar_t* name : {L"b", L"_c", L"A", L"12/25", L"Zulu", L"[x", L"a1"})
        store->WriteString(At(name), L"v", L"1");

    EXPECT_EQ(store->SubkeyNames(Root),
              (Names{L"12/25", L"[x", L"_c", L"A", L"a1", L"b", L"Zulu"}));
}

TEST_P(StoreContract, DeleteKeyRemovesTheWholeSubtree) {
    store->WriteString(At(L"Events\\12/25\\Events"), L"10:00", L"Dentist");
    store->WriteString(At(L"Events\\12/25\\Reminders\\Day Before"), L"10:00", L"Yes");
    store->WriteString(At(L"Events\\12/25"), L"CalColor", L"255");
    store->WriteString(At(L"Events\\Mon\\Events"), L"09:00", L"Gym");

    store->DeleteKey(At(L"events\\12/25"));

    EXPECT_FALSE(store->KeyExists(At(L"Events\\12/25")));
    EXPECT_FALSE(store->KeyExists(At(L"Events\\12/25\\Reminders\\Day Before")));
    EXPECT_EQ(store->SubkeyNames(At(L"Events")), Names{L"Mon"});
    EXPECT_EQ(store->ReadString(At(L"Events\\Mon\\Events"), L"09:00"), L"Gym");

    store->DeleteKey(At(L"Events\\12/25"));  // already gone: ignored
    store->WriteString(At(L"Events\\12/25\\Events"), L"11:00", L"Again");
    EXPECT_EQ(store->ValueNames(At(L"Events\\12/25\\Events")), Names{L"11:00"});
    EXPECT_TRUE(store->ValueNames(At(L"Events\\12/25")).empty());
}

TEST_P(StoreContract, DeleteKeyIfEmptyLeavesKeysThatHoldAnything) {
    struct Case {
        const char* what;
        std::function<void(Store&, const std::wstring& key)> fill;
        bool kept;
    };
    const Case cases[] = {
        {"a value", [](Store& s, const std::wstring& k) { s.WriteString(k, L"CalColor", L"255"); }, true},
        {"the default value", [](Store& s, const std::wstring& k) { s.WriteString(k, L"", L"x"); }, true},
        {"a subkey", [](Store& s, const std::wstring& k) { s.WriteString(k + L"\\Icons", L"", L""); }, true},
        {"nothing left", [](Store& s, const std::wstring& k) {
             s.WriteString(k, L"CalColor", L"255");
             s.WriteString(k, L"CalColor", L"");
         }, false},
    };
    const std::wstring key = At(L"Events\\12/25");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store->DeleteKey(Root);
        c.fill(*store, key);

        store->DeleteKeyIfEmpty(key);
        EXPECT_EQ(store->KeyExists(key), c.kept);
        EXPECT_TRUE(store->KeyExists(At(L"Events")));  // never the parent
    }
}

TEST_P(StoreContract, DeleteValueTellsWhetherTheValueWasThere) {
    store->WriteString(Root, L"Last Zone", L"12");

    EXPECT_TRUE(store->DeleteValue(Root, L"LAST ZONE"));
    EXPECT_FALSE(store->DeleteValue(Root, L"Last Zone"));
    EXPECT_EQ(store->ReadString(Root, L"Last Zone"), L"");
}

TEST_P(StoreContract, AValueThatIsNoStringThrowsNamingIt) {
    const std::wstring key = At(L"Preferences");
    store->WriteString(key, L"Last Zone", L"12");
    GetParam().writeInteger(*store, key, L"Snooze Index");

    try {
        store->ReadString(key, L"Snooze Index");
        ADD_FAILURE() << "no ERegistryError";
    } catch (const ERegistryError& e) {
        EXPECT_NE(e.Message().find(L"\"Snooze Index\""), std::wstring::npos)
            << testing::PrintToString(e.Message());
    }
    EXPECT_EQ(store->ReadString(key, L"Last Zone"), L"12");
    EXPECT_EQ(store->ValueNames(key), (Names{L"Last Zone", L"Snooze Index"}));

    store->WriteString(key, L"Snooze Index", L"3");  // a string replaces it
    EXPECT_EQ(store->ReadString(key, L"Snooze Index"), L"3");
}

TEST_P(StoreContract, ReadValuesGivesAWholeSmallKeyAndNothingOfALargeOne) {
    const std::wstring key = At(L"Events\\12/25");
    store->WriteString(key, L"CalIndex", L"7");
    store->WriteString(key, L"", L"Christmas\0tail");
    store->WriteString(key, L"CalColor", L"255");
    store->WriteString(key, L"calcolor", L"65280");  // keeps its first spelling
    GetParam().writeInteger(*store, key, L"Count");
    store->WriteString(key + L"\\Events", L"10:00", L"Dentist");  // subkeys are not values

    using Values = std::vector<StoreValue>;
    const std::optional<Values> values = store->ReadValues(key, 4);
    ASSERT_TRUE(values);
    const Values expected{{L"", L"Christmas", true}, {L"CalColor", L"65280", true},
                          {L"CalIndex", L"7", true}, {L"Count", L"", false}};
    // Each store lists in its own order (see ValueNames); the set is the same.
    Names names;
    for (const StoreValue& v : *values) names.push_back(v.name);
    EXPECT_EQ(names, store->ValueNames(key));
    for (const StoreValue& e : expected) {
        SCOPED_TRACE(testing::PrintToString(e.name));
        EXPECT_EQ(std::count(values->begin(), values->end(), e), 1);
    }
    EXPECT_EQ(values->size(), expected.size());

    EXPECT_FALSE(store->ReadValues(key, 3));
    EXPECT_EQ(store->ReadValues(At(L"Events\\12/26"), 4), Values{});
    EXPECT_EQ(store->ReadValues(key + L"\\Events\\", 1),
              (Values{{L"10:00", L"Dentist", true}}));
    EXPECT_FALSE(store->KeyExists(At(L"Events\\12/26")));
}

TEST_P(StoreContract, LongTextsAndNamesRoundTrip) {
    std::wstring text;
    for (int i = 0; text.size() < 100000; ++i) text += std::to_wstring(i) + L"|\u00e9\u0414 ";
    const std::wstring longestName(MaxValueNameLength, L'n');

    store->WriteString(Root, L"Long", text);
    store->WriteString(Root, longestName, L"x");

    EXPECT_EQ(store->ReadString(Root, L"Long"), text);
    EXPECT_EQ(store->ReadString(Root, longestName), L"x");
    EXPECT_EQ(store->ValueNames(Root), (Names{L"Long", longestName}));
}

TEST_P(StoreContract, AValueNameTooLongIsRefusedAndLeavesNothing) {
    const std::wstring tooLong(MaxValueNameLength + 1, L'n');

    EXPECT_THROW(store->WriteString(At(L"Fresh"), tooLong, L"x"), ERegistryError);
    EXPECT_FALSE(store->KeyExists(At(L"Fresh")));
}

TEST_P(StoreContract, TheTopOfTheHiveIsNeverDeleted) {
    store->WriteString(Root, L"Kept", L"1");

    EXPECT_THROW(store->DeleteKey(L""), ERegistryError);
    EXPECT_THROW(store->DeleteKey(L"\\"), ERegistryError);
    store->DeleteKeyIfEmpty(L"\\");

    EXPECT_TRUE(store->KeyExists(L""));
    EXPECT_EQ(store->ReadString(Root, L"Kept"), L"1");
}

TEST_P(StoreContract, FlushKeepsWhatWasWritten) {
    store->WriteString(At(L"Alarms\\1/2/2025"), L"10:00", L"Call|Bell.wav");

    store->Flush(At(L"Alarms"));
    store->Flush(L"");

    EXPECT_EQ(store->ReadString(At(L"Alarms\\1/2/2025"), L"10:00"), L"Call|Bell.wav");
}
