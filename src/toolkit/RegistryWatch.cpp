#include "toolkit/RegistryWatch.h"

#include <vector>

#include "common/Store.h"

namespace tk {

RegistryWatch::RegistryWatch(std::wstring keyPath)
    : keyPath_(std::move(keyPath)), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

bool RegistryWatch::Changed() {
    if (key_ && WaitForSingleObject(event_.get(), 0) == WAIT_TIMEOUT) return false;
    key_.Close();
    Arm();
    return true;
}

void RegistryWatch::Arm() {
    if (!event_) return;
    ResetEvent(event_.get());
    for (std::vector<std::wstring> names = SplitKeyPath(keyPath_); !names.empty(); names.pop_back()) {
        std::wstring path;
        for (const std::wstring& name : names) path += (path.empty() ? L"" : L"\\") + name;
        RegKey key = RegKey::Open(HKEY_CURRENT_USER, path, KEY_NOTIFY);
        if (!key) continue;
        if (RegNotifyChangeKeyValue(key.get(), TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                    event_.get(), TRUE) == ERROR_SUCCESS) {
            key_ = std::move(key);
            return;
        }
    }
}

}  // namespace tk
