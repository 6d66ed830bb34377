// A fresh in-memory event store with US English settings, and short ways to
// put values into day keys and read them back.
#pragma once
#include <gtest/gtest.h>

#include "calendar/EventStore.h"
#include "common/DateTime.h"
#include "common/MemoryStore.h"

class EventStoreTest : public ::testing::Test {
protected:
    // Wednesday, 25 December 2024.
    const TDateTime christmas = EncodeDate(2024, 12, 25);

    // subkey "" is the day key itself.
    void Put(const std::wstring& dayKey, const std::wstring& subkey, const std::wstring& name,
             const std::wstring& value) {
        memory.WriteString(Path(dayKey, subkey), name, value);
    }
    std::wstring Get(const std::wstring& dayKey, const std::wstring& subkey,
                     const std::wstring& name) {
        return memory.ReadString(Path(dayKey, subkey), name);
    }
    void PutEvent(const std::wstring& dayKey, const std::wstring& time,
                  const std::wstring& description) {
        Put(dayKey, L"Events", time, description);
    }

    MemoryStore memory;
    FormatSettings settings = UsEnglishSettings();
    EventStore events{memory, settings};

private:
    static std::wstring Path(const std::wstring& dayKey, const std::wstring& subkey) {
        return subkey.empty() ? DayKeyPath(dayKey) : DayKeyPath(dayKey, subkey);
    }
};
