#include <gtest/gtest.h>

#include "StoreContract.h"
#include "common/Errors.h"
#include "common/MemoryStore.h"
#include "common/StoreAccess.h"

INSTANTIATE_TEST_SUITE_P(
    Memory, StoreContract,
    testing::Values(StoreBackend{
        "MemoryStore",
        [] { return std::unique_ptr<Store>(std::make_unique<MemoryStore>()); },
        [](Store& s, const std::wstring& key, const std::wstring& name) {
            static_cast<MemoryStore&>(s).WriteInteger(key, name, 3);
        }}),
    StoreBackendName);

namespace {

class StoreAccessTest : public testing::Test {
protected:
    void SetUp() override {
        SetUserStore(&user);
        SetMachineStore(&machine);
    }
    void TearDown() override {
        SetUserStore(nullptr);
        SetMachineStore(nullptr);
    }
    MemoryStore user;
    MemoryStore machine;
};

const std::wstring ZonesPath = L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\";

TEST_F(StoreAccessTest, RoutinesJoinBaseAndRelativePathAsText) {
    EXPECT_TRUE(RegWriteString(RegistryRoot, L"Events\\12/25\\Events", L"10:00", L"Dentist"));

    EXPECT_EQ(user.ReadString(L"Software\\Quillmark\\Dayloom\\Events\\12/25\\Events", L"10:00"),
              L"Dentist");
    EXPECT_EQ(RegReadString(RegistryRoot, L"Events\\12/25\\Events", L"10:00"), L"Dentist");
    EXPECT_EQ(RegReadString(RegistryRoot + L"Events\\", L"12/25\\Events", L"10:00"), L"Dentist");
    EXPECT_FALSE(machine.KeyExists(L"Software"));
}

TEST_F(StoreAccessTest, WritingEmptyTextDeletesTheValue) {
    RegWriteString(RegistryRoot, L"Preferences", L"Last Zone", L"12");

    EXPECT_TRUE(RegWriteString(RegistryRoot, L"Preferences", L"Last Zone", L""));
    EXPECT_EQ(RegReadString(RegistryRoot, L"Preferences", L"Last Zone"), L"");
    EXPECT_TRUE(user.ValueNames(RegistryRoot + L"Preferences").empty());
}

TEST_F(StoreAccessTest, MachineWideReadsComeFromTheMachineStore) {
    machine.WriteString(ZonesPath + L"UTC", L"Std", L"Coordinated Universal Time");

    EXPECT_EQ(RegReadString(ZonesPath, L"UTC", L"Std", true), L"Coordinated Universal Time");
    EXPECT_EQ(RegReadString(ZonesPath, L"UTC", L"Std"), L"");
}

TEST_F(StoreAccessTest, MachineWideWritesAreRefused) {
    EXPECT_THROW(RegWriteString(ZonesPath, L"UTC", L"Std", L"x", true), ERegistryError);
    EXPECT_FALSE(machine.KeyExists(ZonesPath));
    EXPECT_FALSE(user.KeyExists(ZonesPath));
}

TEST_F(StoreAccessTest, DeleteKeyIfEmptyTakesAnAbsolutePath) {
    RegWriteString(RegistryRoot, L"Events\\12/25", L"CalColor", L"255");
    RegWriteString(RegistryRoot, L"Events\\12/25", L"CalColor", L"");

    DeleteKeyIfEmpty(RegistryRoot + L"Events\\12/25");

    EXPECT_FALSE(user.KeyExists(RegistryRoot + L"Events\\12/25"));
    EXPECT_TRUE(user.KeyExists(RegistryRoot + L"Events"));
}

TEST_F(StoreAccessTest, WithoutInstalledStoresTheRoutinesThrow) {
    SetUserStore(nullptr);
    SetMachineStore(nullptr);

    EXPECT_THROW(UserStore(), ERegistryError);
    EXPECT_EQ(MachineStore(), nullptr);
    EXPECT_THROW(RegReadString(RegistryRoot, L"Preferences", L"Last Zone"), ERegistryError);
    EXPECT_THROW(RegReadString(ZonesPath, L"UTC", L"Std", true), ERegistryError);
    EXPECT_THROW(RegWriteString(RegistryRoot, L"Preferences", L"Last Zone", L"1"), ERegistryError);
    EXPECT_THROW(DeleteKeyIfEmpty(RegistryRoot), ERegistryError);
}

}  // namespace
