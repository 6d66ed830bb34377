#include "common/HelpFile.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendCodePoint(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(cp);
}

// Lenient UTF-8: a byte that does not start a valid, shortest-form sequence
// becomes U+FFFD and reading goes on at the next byte. Line feeds are kept,
// tabs become blanks, other control characters (CR among them) are dropped.
std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t cp = 0, minimum = 0;
        if (b < 0x80) { length = 1; cp = b; }
        else if ((b & 0xE0) == 0xC0) { length = 2; cp = b & 0x1F; minimum = 0x80; }
        else if ((b & 0xF0) == 0xE0) { length = 3; cp = b & 0x0F; minimum = 0x800; }
        else if ((b & 0xF8) == 0xF0) { length = 4; cp = b & 0x07; minimum = 0x10000; }
        bool valid = length > 0 && i + length <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) valid = false;
        if (!valid) {
            AppendCodePoint(out, kReplacement);
            ++i;
            continue;
        }
        i += length;
        if (cp == U'\n') out += L'\n';
        else if (cp == U'\t') out += L' ';
        else if (cp < 0x20 || cp == 0x7F) continue;
        else AppendCodePoint(out, cp);
    }
    return out;
}

std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && s.front() == L' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == L' ') s.remove_suffix(1);
    return s;
}

std::vector<std::wstring> SplitList(std::wstring_view text, std::wstring_view separators) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::wstring_view::npos) end = text.size();
        const std::wstring_view part = Trim(text.substr(start, end - start));
        if (!part.empty()) parts.emplace_back(part);
        start = end + 1;
    }
    return parts;
}

bool StartsWithFolded(const std::wstring& foldedText, const std::wstring& foldedPrefix) {
    return foldedText.compare(0, foldedPrefix.size(), foldedPrefix) == 0;
}

void AddKeyword(HelpTopic& topic, std::wstring_view keyword) {
    const std::wstring folded = FoldHelpKeyword(keyword);
    for (const std::wstring& k : topic.keywords)
        if (FoldHelpKeyword(k) == folded) return;
    topic.keywords.emplace_back(keyword);
}

// Builds topics line by line; a topic without a title swallows its lines.
class Parser {
public:
    std::vector<HelpTopic> topics;

    void Line(std::wstring_view line) {
        line = Trim(line);
        if (!line.empty() && line.front() == L'#') return;
        if (!line.empty() && line.front() == L'@') {
            Directive(line.substr(1));
            return;
        }
        if (!inTopic_) return;
        HelpTopic& topic = topics.back();
        if (line.empty()) {
            open_ = false;
        } else if (line.size() >= 2 && line[0] == L'-' && line[1] == L' ') {
            topic.paragraphs.push_back({std::wstring(Trim(line.substr(2))), true});
            open_ = true;
        } else if (open_) {
            topic.paragraphs.back().text += L' ';
            topic.paragraphs.back().text += line;
        } else {
            topic.paragraphs.push_back({std::wstring(line), false});
            open_ = true;
        }
    }

private:
    bool inTopic_ = false;
    bool open_ = false;

    void Directive(std::wstring_view rest) {
        const std::size_t blank = rest.find(L' ');
        const std::wstring name = FoldHelpKeyword(rest.substr(0, blank));
        const std::wstring_view argument =
            blank == std::wstring_view::npos ? std::wstring_view() : Trim(rest.substr(blank));
        if (name == L"topic") {
            open_ = false;
            inTopic_ = !argument.empty();
            if (!inTopic_) return;
            topics.push_back({std::wstring(argument), {}, {}});
            topics.back().keywords.emplace_back(argument);
        } else if (name == L"keywords" && inTopic_) {
            open_ = false;
            for (const std::wstring& k : SplitList(argument, L";")) AddKeyword(topics.back(), k);
        }
    }
};

}  // namespace

std::wstring FoldHelpKeyword(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c = static_cast<wchar_t>(c + 32);
    }
    return out;
}

HelpFile HelpFile::Parse(std::string_view utf8) {
    const std::wstring text = DecodeUtf8(utf8);
    Parser parser;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        parser.Line(std::wstring_view(text).substr(start, end - start));
        start = end + 1;
    }
    HelpFile file;
    file.topics_ = std::move(parser.topics);
    file.BuildIndex();
    return file;
}

std::optional<HelpFile> HelpFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(MaxFileBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return Parse(bytes);
}

void HelpFile::BuildIndex() {
    index_.clear();
    std::map<std::wstring, int> uses;
    for (std::size_t t = 0; t < topics_.size(); ++t) {
        for (const std::wstring& k : topics_[t].keywords) {
            index_.push_back({k, k, t});
            ++uses[FoldHelpKeyword(k)];
        }
    }
    std::stable_sort(index_.begin(), index_.end(), [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
        return FoldHelpKeyword(a.keyword) < FoldHelpKeyword(b.keyword);
    });
    for (HelpIndexEntry& e : index_)
        if (uses[FoldHelpKeyword(e.keyword)] > 1) e.label += L" (" + topics_[e.topic].title + L")";
}

std::size_t HelpFile::IndexPositionOf(const std::wstring& text) const {
    if (index_.empty()) return 0;
    const std::wstring folded = FoldHelpKeyword(Trim(text));
    const auto it = std::lower_bound(index_.begin(), index_.end(), folded,
                                     [](const HelpIndexEntry& e, const std::wstring& key) {
                                         return FoldHelpKeyword(e.keyword) < key;
                                     });
    if (it == index_.end()) return index_.size() - 1;
    return static_cast<std::size_t>(it - index_.begin());
}

HelpLookup HelpFile::Find(const std::wstring& keyword) const {
    HelpLookup result;
    std::vector<std::wstring> parts = SplitList(keyword, L",;");
    if (parts.empty()) return result;
    result.indexKeyword = parts.front();
    result.indexPosition = IndexPositionOf(parts.front());
    for (std::wstring& p : parts) p = FoldHelpKeyword(p);

    std::vector<std::size_t> exact, prefix;
    for (std::size_t t = 0; t < topics_.size(); ++t) {
        std::vector<std::wstring> folded;
        for (const std::wstring& k : topics_[t].keywords) folded.push_back(FoldHelpKeyword(k));
        bool allExact = true, allPrefix = true;
        for (const std::wstring& p : parts) {
            allExact = allExact && std::find(folded.begin(), folded.end(), p) != folded.end();
            allPrefix = allPrefix && std::any_of(folded.begin(), folded.end(),
                                                 [&](const std::wstring& k) { return StartsWithFolded(k, p); });
        }
        if (allExact) exact.push_back(t);
        if (allPrefix) prefix.push_back(t);
    }
    if (exact.size() == 1) result.topic = exact.front();
    else if (exact.empty() && prefix.size() == 1) result.topic = prefix.front();
    return result;
}
