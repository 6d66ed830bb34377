// The shared registry routines every window uses. They reach the user's hive
// (and, read only, the machine-wide one) through the Store interface, so that
// the logic above them runs the same against the registry and in memory.
#pragma once
#include <string>
#include "Store.h"

// The registry root below HKEY_CURRENT_USER; relative key paths are appended
// to it as plain text.
inline const std::wstring RegistryRoot = L"\\Software\\Quillmark\\Dayloom\\";

// The stores behind the routines below. The program installs the registry at
// start-up; portable tests install in-memory stores. The stores are not owned.
// UserStore throws ERegistryError while none is installed; MachineStore is
// null then.
Store& UserStore();
Store* MachineStore();
void SetUserStore(Store* store);
void SetMachineStore(Store* store);

// Reads base path + relative path (joined as plain text) from the user's store,
// or from the machine-wide one when machineWide is set (ERegistryError when that
// store is not installed).
std::wstring RegReadString(const std::wstring& basePath, const std::wstring& relativePath,
                           const std::wstring& valueName, bool machineWide = false);
// Always true; a value that cannot be stored throws ERegistryError, and so does
// any write with machineWide set. Does not flush: callers that rewrite many
// values call UserStore().Flush once at the end.
bool RegWriteString(const std::wstring& basePath, const std::wstring& relativePath,
                    const std::wstring& valueName, const std::wstring& valueText,
                    bool machineWide = false);
// Absolute key path below the user's hive.
void DeleteKeyIfEmpty(const std::wstring& keyPath);
