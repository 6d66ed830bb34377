#include <gtest/gtest.h>

#include <windows.h>
#include "StoreContract.h"
#include "common/Errors.h"
#include "common/StoreAccess.h"
#include "toolkit/RegKey.h"
#include "toolkit/RegistryStore.h"

namespace {

// Writes raw data of any type, as another program could have left it.
void SetRawValue(const std::wstring& keyPath, const std::wstring& name, DWORD type,
                 const void* data, DWORD bytes) {
    tk::RegKey key = tk::RegKey::Create(HKEY_CURRENT_USER, NormalizeKeyPath(keyPath), KEY_SET_VALUE);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExW(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes),
              ERROR_SUCCESS);
}

void SetDword(Store&, const std::wstring& keyPath, const std::wstring& name) {
    const DWORD three = 3;
    SetRawValue(keyPath, name, REG_DWORD, &three, sizeof three);
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Registry, StoreContract,
    testing::Values(StoreBackend{
        "RegistryStore",
        [] { return std::unique_ptr<Store>(std::make_unique<tk::RegistryStore>()); },
        SetDword}),
    StoreBackendName);

namespace {

const std::wstring TestBase = L"\\Software\\DayloomTests\\";
const std::wstring WindowsNt = L"\\Software\\Microsoft\\Windows NT\\";

class RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override { tk::RegKey::DeleteTree(HKEY_CURRENT_USER, L"Software\\DayloomTests"); }
    void TearDown() override {
        SetUserStore(nullptr);
        SetMachineStore(nullptr);
        tk::RegKey::DeleteTree(HKEY_CURRENT_USER, L"Software\\DayloomTests");
    }

    // The value as the registry holds it, read without the store.
    static LONG RawQuery(HKEY hive, const std::wstring& keyPath, const std::wstring& name,
                         DWORD& type, std::wstring& text) {
        LONG r = ERROR_SUCCESS;
        tk::RegKey key = tk::RegKey::Open(hive, NormalizeKeyPath(keyPath), KEY_QUERY_VALUE, &r);
        if (!key) return r;
        std::vector<BYTE> data;
        r = key.QueryValue(name, type, data);
        text = tk::TextOfRegData(data);
        return r;
    }

    tk::RegistryStore user;
    tk::RegistryStore machine{tk::RegistryStore::Hive::LocalMachine};
};

TEST_F(RegistryStoreTest, OnlyStringTypesReadAsText) {
    struct Case {
        const char* what;
        DWORD type;
        std::vector<BYTE> data;
        bool throws;
        std::wstring text;
    };
    auto bytes = [](const wchar_t* s, std::size_t chars) {
        const BYTE* p = reinterpret_cast<const BYTE*>(s);
        return std::vector<BYTE>(p, p + chars * sizeof(wchar_t));
    };
    const Case cases[] = {
        {"REG_SZ", REG_SZ, bytes(L"abc", 4), false, L"abc"},
        {"REG_SZ without its NUL", REG_SZ, bytes(L"abc", 3), false, L"abc"},
        {"REG_EXPAND_SZ, not expanded", REG_EXPAND_SZ, bytes(L"%TEMP%\\x", 9), false, L"%TEMP%\\x"},
        {"REG_DWORD", REG_DWORD, {3, 0, 0, 0}, true, L""},
        {"REG_QWORD", REG_QWORD, {3, 0, 0, 0, 0, 0, 0, 0}, true, L""},
        {"REG_BINARY", REG_BINARY, {'a', 0, 'b', 0}, true, L""},
        {"REG_MULTI_SZ", REG_MULTI_SZ, bytes(L"a\0b\0", 5), true, L""},
    };
    const std::wstring key = TestBase + L"Types";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetRawValue(key, L"Value", c.type, c.data.data(), DWORD(c.data.size()));
        if (c.throws) {
            try {
                user.ReadString(key, L"Value");
                ADD_FAILURE() << "no ERegistryError";
            } catch (const ERegistryError& e) {
                EXPECT_NE(e.Message().find(L"\"Value\""), std::wstring::npos);
            }
        } else {
            EXPECT_EQ(user.ReadString(key, L"Value"), c.text);
        }
    }
}

TEST_F(RegistryStoreTest, WritesAreTerminatedStringValues) {
    user.WriteString(TestBase + L"Prefs", L"Last Zone", L"12");

    tk::RegKey key = tk::RegKey::Open(HKEY_CURRENT_USER, L"Software\\DayloomTests\\Prefs", KEY_QUERY_VALUE);
    ASSERT_TRUE(key);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExW(key.get(), L"Last Zone", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(size, DWORD(3 * sizeof(wchar_t)));
}

TEST_F(RegistryStoreTest, TheMachineWideHiveIsReadOnly) {
    DWORD type = 0;
    std::wstring expected;
    ASSERT_EQ(RawQuery(HKEY_LOCAL_MACHINE, WindowsNt + L"CurrentVersion", L"CurrentVersion", type, expected),
              ERROR_SUCCESS);
    ASSERT_FALSE(expected.empty());

    EXPECT_EQ(machine.ReadString(WindowsNt + L"CurrentVersion", L"CurrentVersion"), expected);
    EXPECT_THROW(machine.WriteString(TestBase, L"x", L"1"), ERegistryError);
    EXPECT_THROW(machine.WriteString(WindowsNt + L"CurrentVersion", L"CurrentVersion", L""),
                 ERegistryError);
    EXPECT_THROW(machine.DeleteValue(WindowsNt + L"CurrentVersion", L"CurrentVersion"), ERegistryError);
    EXPECT_THROW(machine.DeleteKey(TestBase), ERegistryError);

    EXPECT_FALSE(machine.KeyExists(TestBase));
    EXPECT_EQ(machine.ReadString(WindowsNt + L"CurrentVersion", L"CurrentVersion"), expected);
}

TEST_F(RegistryStoreTest, RoutinesReachTheRegistry) {
    SetUserStore(&user);
    SetMachineStore(&machine);
    const std::wstring events = L"Access\\Events\\12/25\\Events";

    EXPECT_TRUE(RegWriteString(TestBase, events, L"10:00", L"Dentist"));
    DWORD type = 0;
    std::wstring raw;
    ASSERT_EQ(RawQuery(HKEY_CURRENT_USER, TestBase + events, L"10:00", type, raw), ERROR_SUCCESS);
    EXPECT_EQ(raw, L"Dentist");
    EXPECT_EQ(RegReadString(TestBase, events, L"10:00"), L"Dentist");

    EXPECT_TRUE(RegWriteString(TestBase, events, L"10:00", L""));
    EXPECT_EQ(RawQuery(HKEY_CURRENT_USER, TestBase + events, L"10:00", type, raw), ERROR_FILE_NOT_FOUND);

    DeleteKeyIfEmpty(TestBase + events);
    EXPECT_FALSE(user.KeyExists(TestBase + events));
    EXPECT_TRUE(user.KeyExists(TestBase + L"Access\\Events\\12/25"));

    EXPECT_THROW(RegWriteString(TestBase, L"Access", L"x", L"1", true), ERegistryError);
    EXPECT_EQ(RegReadString(TestBase, L"Access", L"x"), L"");
}

// The time-zone table is the one machine-wide key the program reads.
TEST_F(RegistryStoreTest, RoutinesReadTheTimeZoneTable) {
    SetUserStore(&user);
    SetMachineStore(&machine);
    const std::wstring zones = WindowsNt + L"CurrentVersion\\Time Zones\\";

    const std::vector<std::wstring> names = machine.SubkeyNames(zones);
    ASSERT_FALSE(names.empty());
    EXPECT_FALSE(RegReadString(zones, names.front(), L"Std", true).empty());
    EXPECT_THROW(RegReadString(zones, names.front(), L"TZI", true), ERegistryError);  // binary
    EXPECT_EQ(RegReadString(zones, names.front(), L"Std"), L"");  // not in the user's hive
}

}  // namespace
