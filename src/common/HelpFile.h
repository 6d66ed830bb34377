// The program's help file: plain UTF-8 text in a format of our own, read whole
// and looked up by keyword. Portable; no platform headers.
//
// Format, line by line (CR LF or LF; a UTF-8 byte-order mark is skipped):
//   # comment                     ignored anywhere
//   @topic Title                  starts a topic; topics keep file order
//   @keywords one; two; three     index keywords of the current topic (';' separated,
//                                 several lines allowed); the title is a keyword too
//   text                          body; consecutive lines form one paragraph,
//                                 a blank line ends it
//   - text                        a list item: a paragraph of its own
// Anything that cannot be read is skipped: text before the first topic, unknown
// @ lines, topics without a title, bytes that are not UTF-8 (shown as U+FFFD),
// control characters.
#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct HelpParagraph {
    std::wstring text;
    bool listItem = false;
    bool operator==(const HelpParagraph&) const = default;
};

struct HelpTopic {
    std::wstring title;
    std::vector<std::wstring> keywords;  // the title first, then the @keywords, no duplicates
    std::vector<HelpParagraph> paragraphs;
};

// One row of the index: a keyword and the topic it leads to. The label is the
// keyword, followed by the topic's title in brackets when the same keyword
// leads to several topics.
struct HelpIndexEntry {
    std::wstring keyword;
    std::wstring label;
    std::size_t topic = 0;
};

// The result of a keyword lookup: the topic when exactly one topic matches,
// and in every case the index row at which the keyword would stand.
struct HelpLookup {
    std::optional<std::size_t> topic;
    std::size_t indexPosition = 0;
    std::wstring indexKeyword;  // the keyword text the index is positioned at
};

class HelpFile {
public:
    static HelpFile Parse(std::string_view utf8);
    // nullopt when the file cannot be opened; a file beyond MaxFileBytes is
    // read up to that size.
    static std::optional<HelpFile> Load(const std::filesystem::path& path);
    static constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;

    const std::vector<HelpTopic>& Topics() const { return topics_; }
    // Sorted by keyword without regard to case, then by topic order.
    const std::vector<HelpIndexEntry>& Index() const { return index_; }

    // The keyword is a list of keywords separated by ',' or ';' ("Calendar,
    // Preferences"): a topic matches when each of them begins one of the
    // topic's keywords, ignoring case. A single topic that matches every one
    // exactly wins; otherwise a single topic that matches by prefix. With no
    // single match the index is positioned at the first keyword of the list.
    HelpLookup Find(const std::wstring& keyword) const;

    // The first index row whose keyword is not below the text, ignoring case
    // (the last row when every keyword is below it; 0 for an empty index).
    std::size_t IndexPositionOf(const std::wstring& text) const;

private:
    std::vector<HelpTopic> topics_;
    std::vector<HelpIndexEntry> index_;
    void BuildIndex();
};

// Case folding used for keyword comparison: ASCII and Latin-1 letters.
std::wstring FoldHelpKeyword(std::wstring_view text);
