// A Store that passes every call on to another one and counts the calls by
// kind, so that tests and benchmarks can see what an operation costs the
// store. Portable.
#pragma once
#include "common/Store.h"

class CountingStore : public Store {
public:
    explicit CountingStore(Store& inner) : inner_(inner) {}

    int reads = 0;     // ReadString
    int keyReads = 0;  // ReadValues (one visit of a key, however many values)
    int keyTests = 0;  // KeyExists
    int listings = 0;  // ValueNames, SubkeyNames
    int writes = 0;    // WriteString
    int deletes = 0;   // DeleteValue, DeleteKey, DeleteKeyIfEmpty
    int flushes = 0;   // Flush

    // Every call that asks the store something: reads, key reads, key tests,
    // listings.
    int Lookups() const { return reads + keyReads + keyTests + listings; }
    // Every call that is neither a read, a write nor a delete.
    int Other() const { return keyTests + listings + flushes; }
    int Total() const { return reads + keyReads + writes + deletes + Other(); }
    void Reset() { reads = keyReads = keyTests = listings = writes = deletes = flushes = 0; }

    std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) override {
        ++reads;
        return inner_.ReadString(keyPath, name);
    }
    std::optional<std::vector<StoreValue>> ReadValues(const std::wstring& keyPath,
                                                      std::size_t maxValues) override {
        ++keyReads;
        return inner_.ReadValues(keyPath, maxValues);
    }
    void WriteString(const std::wstring& keyPath, const std::wstring& name,
                     const std::wstring& value) override {
        ++writes;
        inner_.WriteString(keyPath, name, value);
    }
    bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) override {
        ++deletes;
        return inner_.DeleteValue(keyPath, name);
    }
    bool KeyExists(const std::wstring& keyPath) override {
        ++keyTests;
        return inner_.KeyExists(keyPath);
    }
    std::vector<std::wstring> ValueNames(const std::wstring& keyPath) override {
        ++listings;
        return inner_.ValueNames(keyPath);
    }
    std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) override {
        ++listings;
        return inner_.SubkeyNames(keyPath);
    }
    void DeleteKey(const std::wstring& keyPath) override {
        ++deletes;
        inner_.DeleteKey(keyPath);
    }
    void DeleteKeyIfEmpty(const std::wstring& keyPath) override {
        ++deletes;
        inner_.DeleteKeyIfEmpty(keyPath);
    }
    void Flush(const std::wstring& keyPath) override {
        ++flushes;
        inner_.Flush(keyPath);
    }

private:
    Store& inner_;
};
