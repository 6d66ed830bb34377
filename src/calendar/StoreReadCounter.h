// A Store that passes every call on to another one and counts the reads, so
// that tests and benchmarks can see what a look-up costs. Portable.
#pragma once
#include "common/Store.h"

class StoreReadCounter : public Store {
public:
    explicit StoreReadCounter(Store& inner) : inner_(inner) {}

    int reads = 0;     // ReadString, KeyExists, ValueNames, SubkeyNames
    int listings = 0;  // ValueNames and SubkeyNames alone
    int writes = 0;    // WriteString, DeleteValue, DeleteKey, DeleteKeyIfEmpty

    void Reset() { reads = listings = writes = 0; }

    std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) override {
        ++reads;
        return inner_.ReadString(keyPath, name);
    }
    void WriteString(const std::wstring& keyPath, const std::wstring& name,
                     const std::wstring& value) override {
        ++writes;
        inner_.WriteString(keyPath, name, value);
    }
    bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) override {
        ++writes;
        return inner_.DeleteValue(keyPath, name);
    }
    bool KeyExists(const std::wstring& keyPath) override {
        ++reads;
        return inner_.KeyExists(keyPath);
    }
    std::vector<std::wstring> ValueNames(const std::wstring& keyPath) override {
        ++reads;
        ++listings;
        return inner_.ValueNames(keyPath);
    }
    std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) override {
        ++reads;
        ++listings;
        return inner_.SubkeyNames(keyPath);
    }
    void DeleteKey(const std::wstring& keyPath) override {
        ++writes;
        inner_.DeleteKey(keyPath);
    }
    void DeleteKeyIfEmpty(const std::wstring& keyPath) override {
        ++writes;
        inner_.DeleteKeyIfEmpty(keyPath);
    }
    void Flush(const std::wstring& keyPath) override { inner_.Flush(keyPath); }

private:
    Store& inner_;
};
