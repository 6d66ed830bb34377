#include "holidays/HolidayStore.h"

#include <gtest/gtest.h>

#include "common/MemoryStore.h"
#include "common/StoreAccess.h"

namespace {

TEST(HolidayLookUp, ReadsTheDefaultValueOfTheDatesKey) {
    MemoryStore memory;
    const FormatSettings us = UsEnglishSettings(), german = GermanSettings();
    const TDateTime christmas = EncodeDate(2024, 12, 25);
    memory.WriteString(RegistryRoot + L"Holidays\\2024\\12/25", L"", L"Christmas");
    memory.WriteString(RegistryRoot + L"Holidays\\2024\\12.26", L"", L"Zweiter Feiertag");

    EXPECT_EQ(HolidayKeyPath(christmas, us), RegistryRoot + L"Holidays\\2024\\12/25");
    EXPECT_EQ(HolidayOf(memory, christmas, us), L"Christmas");
    EXPECT_EQ(HolidayOf(memory, christmas + 1, us), L"");
    EXPECT_EQ(HolidayOf(memory, christmas + 1, german), L"Zweiter Feiertag");
    EXPECT_EQ(HolidayOf(memory, EncodeDate(2025, 12, 25), us), L"");
}

}  // namespace
