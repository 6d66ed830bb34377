// The settings store over the Windows registry. Each call opens the key it
// needs and closes it again, so nothing is cached and every write is seen by
// the next read at once.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "common/Store.h"

namespace tk {

class RegistryStore : public Store {
public:
    enum class Hive { CurrentUser, LocalMachine };
    // The machine-wide hive is for reading only: every write or deletion there
    // throws ERegistryError.
    explicit RegistryStore(Hive hive = Hive::CurrentUser);

    std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) override;
    // One open, one query of the key's sizes, one call per value and a close;
    // a key with more than maxValues values costs the open, the query and the
    // close.
    std::optional<std::vector<StoreValue>> ReadValues(const std::wstring& keyPath,
                                                      std::size_t maxValues) override;
    void WriteString(const std::wstring& keyPath, const std::wstring& name,
                     const std::wstring& value) override;
    bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) override;
    bool KeyExists(const std::wstring& keyPath) override;
    // In the registry's own order (see Store.h).
    std::vector<std::wstring> ValueNames(const std::wstring& keyPath) override;
    std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) override;
    void DeleteKey(const std::wstring& keyPath) override;
    void DeleteKeyIfEmpty(const std::wstring& keyPath) override;
    // One RegFlushKey for the key; nothing per write.
    void Flush(const std::wstring& keyPath) override;

private:
    void RequireWritable(const std::wstring& keyPath) const;

    HKEY hive_;
    bool readOnly_;
};

}  // namespace tk
