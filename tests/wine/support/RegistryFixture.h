// A fixture that gives each test an empty registry root, so that tests in one
// executable do not see each other's values.
#pragma once
#include <gtest/gtest.h>

#include "common/StoreAccess.h"

class RegistryRootTest : public ::testing::Test {
protected:
    void SetUp() override { UserStore().DeleteKey(RegistryRoot); }
    void TearDown() override { UserStore().DeleteKey(RegistryRoot); }

    static void SetPreference(const std::wstring& name, const std::wstring& value) {
        RegWriteString(RegistryRoot, L"Preferences", name, value);
    }
    static std::wstring Preference(const std::wstring& name) {
        return RegReadString(RegistryRoot, L"Preferences", name);
    }
};
