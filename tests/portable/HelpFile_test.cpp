#include "common/HelpFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

const char* const kFixture =
    "# A help file for the tests\n"
    "text before any topic is ignored\n"
    "@keywords Orphan\n"
    "@topic Contents\n"
    "@keywords Contents; Overview\n"
    "Welcome.\n"
    "@topic Events Calendar\n"
    "@keywords Calendar window; Events; Month grid\n"
    "@topic Calendar Preferences\n"
    "@keywords Preferences, calendar; Colours of the calendar\n"
    "@topic Dayloom Preferences\n"
    "@keywords Preferences; Start-up windows\n"
    "@topic Alarm Manager\n"
    "@keywords Alarms; Alarm Manager\n"
    "@topic Alarm window\n"
    "@keywords Alarms; Snooze\n";

std::wstring TitleFound(const HelpFile& help, const std::wstring& keyword) {
    const HelpLookup r = help.Find(keyword);
    return r.topic ? help.Topics()[*r.topic].title : L"(index)";
}

TEST(HelpFile, LookupByPartialKey) {
    const HelpFile help = HelpFile::Parse(kFixture);
    struct Case {
        const wchar_t* keyword;
        const wchar_t* title;
    };
    const Case cases[] = {
        {L"Contents", L"Contents"},
        {L"contents", L"Contents"},                 // case ignored
        {L"Cont", L"Contents"},                     // prefix of one topic's keyword
        {L"Month", L"Events Calendar"},
        {L"Snooze", L"Alarm window"},
        {L"Alarm Manager", L"Alarm Manager"},       // exact beats the prefix match of "Alarm window"
        {L"Calendar,Preferences", L"Calendar Preferences"},  // the one topic under both keywords
        {L" calendar ; preferences ", L"Calendar Preferences"},
        {L"Preferences", L"Dayloom Preferences"},  // exact beats "Preferences, calendar"
        {L"Alarms", L"(index)"},                    // exact in two topics
        {L"Alarm", L"(index)"},                     // prefix of several
        {L"Pref", L"(index)"},
        {L"Calendar,Snooze", L"(index)"},           // no topic under both
        {L"Zebra", L"(index)"},
        {L"", L"(index)"},
        {L" ;, ", L"(index)"},
        {L"Orphan", L"(index)"},                    // keyword outside any topic is dropped
    };
    for (const Case& c : cases) EXPECT_EQ(TitleFound(help, c.keyword), c.title) << c.keyword;
}

TEST(HelpFile, IndexIsSortedWithTitlesAndDisambiguatedLabels) {
    const HelpFile help = HelpFile::Parse(kFixture);
    std::vector<std::wstring> labels;
    for (const HelpIndexEntry& e : help.Index()) labels.push_back(e.label);
    const std::vector<std::wstring> expected = {
        L"Alarm Manager",  // title and keyword of the same topic count once
        L"Alarm window",
        L"Alarms (Alarm Manager)",
        L"Alarms (Alarm window)",
        L"Calendar Preferences",
        L"Calendar window",
        L"Colours of the calendar",
        L"Contents",
        L"Dayloom Preferences",
        L"Events",
        L"Events Calendar",
        L"Month grid",
        L"Overview",
        L"Preferences",
        L"Preferences, calendar",
        L"Snooze",
        L"Start-up windows",
    };
    EXPECT_EQ(labels, expected);
}

TEST(HelpFile, NoMatchPositionsTheIndexAtTheKeyword) {
    const HelpFile help = HelpFile::Parse(kFixture);
    struct Case {
        const wchar_t* keyword;
        const wchar_t* rowLabel;
        const wchar_t* indexKeyword;
    };
    const Case cases[] = {
        {L"Alarms", L"Alarms (Alarm Manager)", L"Alarms"},
        {L"alarm", L"Alarm Manager", L"alarm"},
        {L"Cz", L"Dayloom Preferences", L"Cz"},   // between two keywords: the next one
        {L"Zebra", L"Start-up windows", L"Zebra"}, // beyond the last: the last
        {L"Calendar,Snooze", L"Calendar Preferences", L"Calendar"},
    };
    for (const Case& c : cases) {
        const HelpLookup r = help.Find(c.keyword);
        EXPECT_FALSE(r.topic) << c.keyword;
        EXPECT_EQ(help.Index()[r.indexPosition].label, c.rowLabel) << c.keyword;
        EXPECT_EQ(r.indexKeyword, c.indexKeyword);
    }
}

TEST(HelpFile, ParagraphsAndListItems) {
    const HelpFile help = HelpFile::Parse(
        "\xEF\xBB\xBF@topic  First topic  \r\n"
        "@keywords  one ;; two;\r\n"
        "A paragraph that\r\n"
        "\tgoes on here.\r\n"
        "\r\n"
        "- an item\r\n"
        "  that wraps\r\n"
        "- another\r\n"
        "After the list.\r\n"
        "\n\n\n"
        "Caf\xC3\xA9 \xE2\x82\xAC\n"
        "@keywords three\n"
        "Last");
    ASSERT_EQ(help.Topics().size(), 1u);
    const HelpTopic& t = help.Topics()[0];
    EXPECT_EQ(t.title, L"First topic");
    EXPECT_EQ(t.keywords, (std::vector<std::wstring>{L"First topic", L"one", L"two", L"three"}));
    const std::vector<HelpParagraph> expected = {
        {L"A paragraph that goes on here.", false},
        {L"an item that wraps", true},
        {L"another After the list.", true},
        {L"Caf\u00E9 \u20AC", false},
        {L"Last", false},
    };
    EXPECT_EQ(t.paragraphs, expected);
}

TEST(HelpFile, MalformedInputIsSkipped) {
    const char raw[] =
        "@topic\n"                      // no title: the topic and its lines are dropped
        "@keywords Lost\n"
        "lost text\n"
        "@topic   \n"
        "@unknown directive\n"
        "@topic Good\n"
        "@bogus line\n"
        "bad \xFF\xC3 bytes \xE2\x82\n"  // invalid lead byte, truncated sequences
        "overlong \xC0\xAF surrogate \xED\xA0\x80\n"
        "nul\0here\x01\n"
        "@topic Tail \xF0\x9F";
    const HelpFile help = HelpFile::Parse(std::string(raw, sizeof raw - 1));
    ASSERT_EQ(help.Topics().size(), 2u);
    EXPECT_EQ(help.Topics()[0].title, L"Good");
    ASSERT_EQ(help.Topics()[0].paragraphs.size(), 1u);
    EXPECT_EQ(help.Topics()[0].paragraphs[0].text,
              L"bad \uFFFD\uFFFD bytes \uFFFD\uFFFD overlong \uFFFD\uFFFD surrogate \uFFFD\uFFFD\uFFFD "
              L"nulhere");
    EXPECT_EQ(help.Topics()[1].title, L"Tail \uFFFD\uFFFD");
    EXPECT_FALSE(help.Find(L"Lost").topic);
}

TEST(HelpFile, EmptyAndRandomInputNeverFail) {
    EXPECT_TRUE(HelpFile::Parse("").Topics().empty());
    EXPECT_FALSE(HelpFile::Parse("").Find(L"Contents").topic);
    EXPECT_EQ(HelpFile::Parse("").Find(L"Contents").indexPosition, 0u);
    std::mt19937 random(12345);
    const std::string alphabet = "@topic keywords;,-# \n\r\t\x80\xC3\xE2\xF0\xFF" "abc";
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) bytes += alphabet[random() % alphabet.size()];
        const HelpFile help = HelpFile::Parse(bytes);
        for (const wchar_t* k : {L"a", L"topic", L",", L"\uFFFD"}) {
            const HelpLookup r = help.Find(k);
            if (!help.Index().empty()) {
                ASSERT_LT(r.indexPosition, help.Index().size());
            }
            if (r.topic) {
                ASSERT_LT(*r.topic, help.Topics().size());
            }
        }
    }
}

TEST(HelpFile, LoadMissingFile) {
    EXPECT_FALSE(HelpFile::Load(DAYLOOM_DATA_DIR "/no such file.hlp"));
}

// Every keyword the program's Help buttons and menus pass opens its own topic.
TEST(HelpFile, ShippedFileAnswersEveryKeyword) {
    const auto help = HelpFile::Load(DAYLOOM_SOURCE_DIR "/help/Dayloom.hlp");
    ASSERT_TRUE(help);
    struct Case {
        const wchar_t* keyword;
        const wchar_t* title;
    };
    const Case cases[] = {
        {L"Contents", L"Contents"},
        {L"Adding Events", L"Adding Events"},
        {L"Alarm Manager", L"Alarm Manager"},
        {L"Holiday Editor", L"Holiday Editor"},
        {L"Calendar,Preferences", L"Calendar Preferences"},
        {L"Events Calendar", L"Events Calendar"},
        {L"Task Lists", L"Task Lists"},
        {L"Preferences", L"Dayloom Preferences"},
        {L"Tray", L"The Tray Icon"},
        {L"About", L"About Dayloom"},
    };
    for (const Case& c : cases) EXPECT_EQ(TitleFound(*help, c.keyword), c.title) << c.keyword;
    for (const HelpTopic& t : help->Topics()) {
        EXPECT_FALSE(t.paragraphs.empty()) << t.title;
        for (const HelpParagraph& p : t.paragraphs)
            EXPECT_EQ(p.text.find(L'\uFFFD'), std::wstring::npos) << t.title;
    }
}

}  // namespace
