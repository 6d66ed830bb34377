// Tells whether anything below a key of the user's hive may have changed.
#pragma once
#include <windows.h>

#include <string>

#include "toolkit/Handles.h"
#include "toolkit/RegKey.h"

namespace tk {

// A change notification on the key or, while the key does not exist, on its
// nearest existing parent (which then reports the key's creation). The notice
// is set by the change itself, so a check that follows a change always sees it.
class RegistryWatch {
public:
    // keyPath: backslash path from the top of HKEY_CURRENT_USER.
    explicit RegistryWatch(std::wstring keyPath);
    RegistryWatch(const RegistryWatch&) = delete;
    RegistryWatch& operator=(const RegistryWatch&) = delete;

    // True when something may have changed since the last call (and on the
    // first call); arms the watch again.
    bool Changed();

private:
    void Arm();

    std::wstring keyPath_;
    KernelHandle event_;
    RegKey key_;
};

}  // namespace tk
