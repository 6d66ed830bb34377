// A test fixture that puts a fresh in-memory store behind the shared registry
// routines for the duration of one test.
#pragma once
#include <gtest/gtest.h>

#include "common/MemoryStore.h"
#include "common/StoreAccess.h"

class MemoryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { SetUserStore(&store); }
    void TearDown() override { SetUserStore(nullptr); }

    void SetPreference(const std::wstring& name, const std::wstring& value) {
        RegWriteString(RegistryRoot, L"Preferences", name, value);
    }

    MemoryStore store;
};
