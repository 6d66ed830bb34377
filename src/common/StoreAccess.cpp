#include "StoreAccess.h"

#include "Errors.h"

namespace {
Store* userStore = nullptr;
Store* machineStore = nullptr;
}  // namespace

Store& UserStore() {
    if (!userStore) throw ERegistryError(L"The settings store has not been opened.");
    return *userStore;
}

Store* MachineStore() { return machineStore; }
void SetUserStore(Store* store) { userStore = store; }
void SetMachineStore(Store* store) { machineStore = store; }

std::wstring RegReadString(const std::wstring& basePath, const std::wstring& relativePath,
                           const std::wstring& valueName, bool machineWide) {
    if (!machineWide) return UserStore().ReadString(basePath + relativePath, valueName);
    if (!machineStore)
        throw ERegistryError(L"The machine-wide settings store has not been opened.");
    return machineStore->ReadString(basePath + relativePath, valueName);
}

bool RegWriteString(const std::wstring& basePath, const std::wstring& relativePath,
                    const std::wstring& valueName, const std::wstring& valueText,
                    bool machineWide) {
    // The program only reads the machine-wide hive; a write there is a mistake
    // of the caller and must not reach the system's own settings.
    if (machineWide)
        throw ERegistryError(L"The value \"" + valueName +
                             L"\" cannot be written to the machine-wide settings.");
    UserStore().WriteString(basePath + relativePath, valueName, valueText);
    return true;
}

void DeleteKeyIfEmpty(const std::wstring& keyPath) { UserStore().DeleteKeyIfEmpty(keyPath); }
