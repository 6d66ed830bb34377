// The settings store: keys addressed by backslash paths from the top of a hive,
// string values only. The registry implementation and the in-memory one follow
// the same rules; all logic reaches the store through this interface.
//
// Rules shared by every store:
// - A key path is split at backslashes; backslashes at either end are ignored
//   and a doubled one counts as one, so "\Software\Quillmark\Dayloom\" +
//   "Events\12/25" names the key "12/25" below "Events". "/" is an ordinary
//   character of a key name. The empty path is the top of the hive.
// - Key and value names are compared without regard to case and keep the
//   spelling they were first created with; rewriting a value under another
//   spelling keeps the first one.
// - The value name "" is the key's default value.
// - A value's text ends at its first NUL character.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One value of a key as ReadValues lists it.
struct StoreValue {
    std::wstring name;
    std::wstring text;      // "" for a value that is no string
    bool isString = true;   // false where ReadString would throw
    bool operator==(const StoreValue&) const = default;
};

class Store {
public:
    virtual ~Store() = default;

    // "" when the key or the value is missing. A value of another type than a
    // string throws ERegistryError naming the value. Never creates anything.
    virtual std::wstring ReadString(const std::wstring& keyPath, const std::wstring& name) = 0;
    // Every value of one key in ValueNames order, in one visit of the key (the
    // registry opens it once instead of once per value). Only for small keys:
    // a key holding more than maxValues values gives std::nullopt and nothing
    // is read, so that a caller after a few values of a large key never pays
    // for all of them. A missing key gives an empty list. A value of another
    // type than a string is listed with isString false and no text, so that
    // the caller can still throw for it as ReadString does. Never creates
    // anything; throws ERegistryError when the values cannot be listed.
    virtual std::optional<std::vector<StoreValue>> ReadValues(const std::wstring& keyPath,
                                                              std::size_t maxValues) = 0;
    // Creates every missing key on the path, also when the text is "", which
    // deletes the value (silently when it does not exist). Replaces a value of
    // any type. Throws ERegistryError when the key cannot be created or the value
    // not stored (for example a value name longer than MaxValueNameLength).
    virtual void WriteString(const std::wstring& keyPath, const std::wstring& name,
                             const std::wstring& value) = 0;
    // Deletes one value; false when it was not there or could not be deleted.
    virtual bool DeleteValue(const std::wstring& keyPath, const std::wstring& name) = 0;

    virtual bool KeyExists(const std::wstring& keyPath) = 0;
    // Value names in the order the store lists them; empty for a missing key.
    // The in-memory store keeps them sorted by CompareStoreNames, which is the
    // order Wine's registry lists them in; the Windows registry lists them in the
    // order they were created. A rewritten value keeps its place in both.
    virtual std::vector<std::wstring> ValueNames(const std::wstring& keyPath) = 0;
    // Subkey names sorted by CompareStoreNames; empty for a missing key.
    virtual std::vector<std::wstring> SubkeyNames(const std::wstring& keyPath) = 0;

    // Deletes a key with its whole subtree; a missing key is ignored. The top of
    // the hive is never deleted: the empty path throws ERegistryError.
    virtual void DeleteKey(const std::wstring& keyPath) = 0;
    // Deletes the key only when it holds no values and no subkeys; a missing key
    // and the top of the hive are ignored.
    virtual void DeleteKeyIfEmpty(const std::wstring& keyPath) = 0;

    // Makes what was written below the key durable. Writes are visible to the
    // next read at once without it; operations that rewrite many values call it
    // once at their end. A missing key is ignored.
    virtual void Flush(const std::wstring& keyPath) = 0;
};

// Longest value name the registry accepts, in characters.
inline constexpr std::size_t MaxValueNameLength = 16383;

// The key names of a path, by the rules above.
std::vector<std::wstring> SplitKeyPath(const std::wstring& keyPath);
// The path with single backslashes between its names and none at either end.
std::wstring NormalizeKeyPath(const std::wstring& keyPath);
// Three-way comparison of key or value names without regard to case: both are
// folded to lower case (ASCII, Latin, Greek and Cyrillic letters) and compared
// code unit by code unit. Negative, zero or positive.
int CompareStoreNames(const std::wstring& a, const std::wstring& b);
// Text as the store keeps it: cut at its first NUL character.
std::wstring StoredText(const std::wstring& text);
