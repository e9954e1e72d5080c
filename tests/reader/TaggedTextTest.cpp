#include "app/TaggedText.h"
#include "tests/support/LiteralWalk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ExtractCase {
    const char* label;
    std::string text;
    const char* name;
    const char* expected;
};

class ExtractElementTest : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractElementTest, FindsFirstElementTrimmed)
{
    const ExtractCase& c = GetParam();
    EXPECT_EQ(ExtractElement(c.text, c.name), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractElementTest,
    ::testing::Values(
        ExtractCase{"blanks_around", "<home> \t\r\nLakers Team\r\n </home>", "home", "Lakers Team"},
        ExtractCase{"control_bytes_trimmed", std::string("<a>\x01\0x\x1f</a>", 11), "a", "x"},
        ExtractCase{"high_bytes_kept", "<a>\xa0\xc0\xff</a>", "a", "\xa0\xc0\xff"},
        ExtractCase{"empty_element", "<a></a>", "a", ""},
        ExtractCase{"only_blanks", "<a>  \r\n</a>", "a", ""},
        ExtractCase{"absent_name", "<a>1</a>", "b", ""},
        ExtractCase{"no_end_tag", "<a>1</b>", "a", ""},
        ExtractCase{"end_tag_only_before_start", "</a><a>1", "a", ""},
        ExtractCase{"q_after_q1", "<q1>25:20</q1><q>7 min</q>", "q", "7 min"},
        ExtractCase{"other_case", "<Latest1>x</Latest1>", "latest1", ""},
        ExtractCase{"same_name_nested", "<a>1<a>2</a>3</a>", "a", "1<a>2"},
        ExtractCase{"nested_found_before_top_level",
                    "<r><id>inner</id></r><id>outer</id>", "id", "inner"},
        ExtractCase{"inner_tags_returned_whole", "<m> <x>1</x><y>2</y> </m>", "m", "<x>1</x><y>2</y>"},
        ExtractCase{"cut_tag_at_end", "<a>1</a", "a", ""},
        ExtractCase{"empty_text", "", "a", ""}),
    [](const auto& testCase) { return testCase.param.label; });

TEST(ExtractElement, RepeatedLookupsGiveTheFirstOccurrence)
{
    const std::string text = "<v>1</v><v>2</v>";
    EXPECT_EQ(ExtractElement(text, "v"), "1");
    EXPECT_EQ(ExtractElement(text, "v"), "1");
    EXPECT_EQ(text, "<v>1</v><v>2</v>");
}

std::vector<std::string> ListRecords(std::string_view body)
{
    std::vector<std::string> out;
    WalkMatchList(body, [&](std::string_view r) { out.emplace_back(r); });
    return out;
}

std::vector<std::pair<int, std::string>> SubRecords(std::string_view sub)
{
    std::vector<std::pair<int, std::string>> out;
    WalkSubList(sub, [&](std::string_view r, int i) { out.emplace_back(i, std::string(r)); });
    return out;
}

using Records = std::vector<std::string>;

struct WalkCase {
    const char* label;
    std::string body;
    Records records;
};

class ListWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(ListWalkTest, YieldsRecordsInOrder)
{
    EXPECT_EQ(ListRecords(GetParam().body), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListWalkTest,
    ::testing::Values(
        WalkCase{"surrounding_text",
                 "head <match><id>1</id></match>\r\n<match> <id>2</id> </match> tail",
                 {"<id>1</id>", "<id>2</id>"}},
        WalkCase{"empty_body", "", {}},
        WalkCase{"no_records", "<PODPISKA>x</PODPISKA>", {}},
        WalkCase{"unclosed_record", "<match><id>1</id>", {""}},
        // After an unclosed record the walk resumes two bytes on and finds the next one.
        WalkCase{"two_unclosed", "<match>a<match>b", {"", ""}},
        // The outer record is cut at the first end tag; the nested one is not seen again.
        WalkCase{"nested_record", "<match>a<match>b</match>c</match><match>d</match>", {"a<match>b", "d"}},
        WalkCase{"empty_record", "<match></match><match>x</match>", {"", "x"}}),
    [](const auto& testCase) { return testCase.param.label; });

TEST(SubListWalk, YieldsRecordsWithRunningIndex)
{
    using Indexed = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(SubRecords("<match><d>1</d></match> <match><d>2</d></match>"),
              (Indexed{{0, "<d>1</d>"}, {1, "<d>2</d>"}}));
    EXPECT_EQ(SubRecords(""), Indexed{});
    // Each start tag yields a record, so a nested one comes out a second time.
    EXPECT_EQ(SubRecords("<match>a<match>b</match></match>"), (Indexed{{0, "a<match>b"}, {1, "b"}}));
    EXPECT_EQ(SubRecords("<match>a"), (Indexed{{0, ""}}));
    EXPECT_EQ(SubRecords("<match> <match> </match>"), (Indexed{{0, "<match>"}, {1, ""}}));
}

// The walks must keep up with huge and hostile input; this also guards against
// a quadratic rescan for the missing end tag (it would take minutes here).
TEST(Walks, ManyUnclosedRecordsEndQuickly)
{
    std::string body;
    for (int i = 0; i < 200000; ++i)
        body += "<match>";
    EXPECT_EQ(ListRecords(body).size(), 200000u);
    EXPECT_EQ(SubRecords(body).size(), 200000u);
}

// Random mixes of tags, blanks and text read the same by the positional walks
// as by walks that copy the rest at every step.
TEST(Walks, AgreeWithTheCopyingWalks)
{
    const char* const tokens[] = {"<match>", "</match>", "<q>", "</q>", "<q1>", "</q1>", " ", "\r\n", "x",
                                  "<ma", "tch>", "</", "<"};
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        std::string doc;
        const int length = int(rng() % 24);
        for (int i = 0; i < length; ++i)
            doc += tokens[rng() % std::size(tokens)];
        SCOPED_TRACE(doc);
        for (const char* name : {"match", "q", "q1"})
            ASSERT_EQ(ExtractElement(doc, name), LiteralExtract(doc, name)) << name;
        std::vector<std::string> literal;
        LiteralListWalk(doc, [&](const std::string& r) { literal.push_back(r); });
        ASSERT_EQ(ListRecords(doc), literal);
        std::vector<std::pair<int, std::string>> literalSub;
        LiteralSubListWalk(doc, [&](const std::string& r, int i) { literalSub.emplace_back(i, r); });
        ASSERT_EQ(SubRecords(doc), literalSub);
    }
}

} // namespace
