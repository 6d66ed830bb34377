// A store decorator that counts the operations passed to the store beneath it.
#pragma once
#include "common/Store.h"

class CountingStore : public Store {
public:
    explicit CountingStore(Store& inner) : inner_(inner) {}

    int reads = 0, writes = 0, deletes = 0, other = 0;
    int Total() const { return reads + writes + deletes + other; }
    void Reset() { reads = writes = deletes = other = 0; }

    std::wstring ReadString(const std::wstring& k, const std::wstring& n) override {
        ++reads;
        return inner_.ReadString(k, n);
    }
    void WriteString(const std::wstring& k, const std::wstring& n, const std::wstring& v) override {
        ++writes;
        inner_.WriteString(k, n, v);
    }
    bool DeleteValue(const std::wstring& k, const std::wstring& n) override {
        ++deletes;
        return inner_.DeleteValue(k, n);
    }
    bool KeyExists(const std::wstring& k) override { return ++other, inner_.KeyExists(k); }
    std::vector<std::wstring> ValueNames(const std::wstring& k) override {
        return ++other, inner_.ValueNames(k);
    }
    std::vector<std::wstring> SubkeyNames(const std::wstring& k) override {
        return ++other, inner_.SubkeyNames(k);
    }
    void DeleteKey(const std::wstring& k) override { ++deletes, inner_.DeleteKey(k); }
    void DeleteKeyIfEmpty(const std::wstring& k) override { ++deletes, inner_.DeleteKeyIfEmpty(k); }
    void Flush(const std::wstring& k) override { ++other, inner_.Flush(k); }

private:
    Store& inner_;
};
