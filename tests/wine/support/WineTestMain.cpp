// Entry point of every Wine test executable: the toolkit's application object
// and the real registry behind the shared routines, as the program has them.
// Dates are formatted with the US English settings unless a test sets others.
#include <gtest/gtest.h>

#include "common/StoreAccess.h"
#include "toolkit/Application.h"
#include "toolkit/RegistryStore.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tk::Application::Initialize(L"Dayloom");
    tk::Application::SetHelpFile(L"Dayloom.hlp");
    tk::RegistryStore userStore(tk::RegistryStore::Hive::CurrentUser);
    tk::RegistryStore machineStore(tk::RegistryStore::Hive::LocalMachine);
    SetUserStore(&userStore);
    SetMachineStore(&machineStore);
    int result = RUN_ALL_TESTS();
    SetUserStore(nullptr);
    SetMachineStore(nullptr);
    return result;
}
