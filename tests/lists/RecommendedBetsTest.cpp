// Recommended live bets announced once per run across refreshes.
#include "ListsFixture.h"

using lists::Document;
using lists::Match;
using lists::Tag;

namespace {
constexpr TColor kLime = 0x00FF00;

// One live document with a match per recommendation text (ids 1, 2, ...).
std::string BetsDocument(const std::vector<std::string>& bets)
{
    std::vector<std::string> matches;
    for (std::size_t i = 0; i < bets.size(); ++i)
        matches.push_back(Match(Tag("id", std::to_string(i + 1)) + Tag("rb", bets[i])));
    return Document(matches);
}
}  // namespace

struct BetsCase {
    const char* name;
    std::vector<std::vector<std::string>> refreshes;  // rb texts of each document
    std::vector<int> limeRowsLast;                      // LG rows lime after the last refresh
    QStringList seen;                                   // ListBox1 in the end
    QStringList copiedIds;                              // LGG column 0 in the end
};
void PrintTo(const BetsCase& c, std::ostream* os) { *os << c.name; }

class RecommendedBetTest : public ListsTest, public ::testing::WithParamInterface<BetsCase> {};

TEST_P(RecommendedBetTest, EachTextIsAnnouncedOnce)
{
    const BetsCase& c = GetParam();
    for (const auto& bets : c.refreshes) {
        ScriptLive(BetsDocument(bets));
        form->LoadLiveMatches();
    }

    std::vector<int> lime;
    for (int r = 0; r < form->LG->RowCount(); ++r)
        if (form->LG->Cell(18, r).Color() == kLime)
            lime.push_back(r);
    EXPECT_EQ(lime, c.limeRowsLast);

    QStringList seen, copied;
    for (int i = 0; i < form->ListBox1->Count(); ++i)
        seen.append(form->ListBox1->Item(i));
    for (int r = 0; r < form->LGG->RowCount(); ++r)
        copied.append(form->LGG->Cells(0, r));
    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(copied, c.copiedIds);
    EXPECT_EQ(sounds, std::vector<std::string>(std::size_t(c.seen.size()), "zvuk1"));
    QStringList noticed;
    for (const auto& notice : notices)
        noticed.append(notice.first);
    EXPECT_EQ(noticed, c.seen) << "a desktop notice goes with each chime";
}

INSTANTIATE_TEST_SUITE_P(
    Refreshes, RecommendedBetTest,
    ::testing::Values(
        BetsCase{"SameDocumentTwice", {{"Over 150", "", "Home +5"}, {"Over 150", "", "Home +5"}},
                 {}, {"Over 150", "Home +5"}, {"1", "3"}},
        BetsCase{"OneRefresh", {{"Over 150", "", "Home +5"}}, {0, 2}, {"Over 150", "Home +5"}, {"1", "3"}},
        BetsCase{"TwoMatchesOneText", {{"Over 150", "Over 150"}}, {0}, {"Over 150"}, {"1"}},
        BetsCase{"ChangedText", {{"Over 150"}, {"Over 155"}}, {0}, {"Over 150", "Over 155"}, {"1", "1"}},
        BetsCase{"CaseDiffers", {{"over 150", "OVER 150"}}, {0, 1}, {"over 150", "OVER 150"}, {"1", "2"}},
        BetsCase{"EmptyOnly", {{"", ""}, {""}}, {}, {}, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// The copy carries the texts of columns 0 to 18 and the flag, made before the
// quarter marks: no tint, no score hint, no lime.
TEST_F(ListsTest, BetsGridGetsThePlainRowOnly)
{
    ScriptLive(Document({Match(Tag("id", "5") + Tag("country", "Italy") + Tag("liga", "Serie A")
                               + Tag("time", "20:30") + Tag("vr", "3Q") + Tag("score", "70:60")
                               + Tag("q1", "30:30") + Tag("q2", "10:10") + Tag("forecast", "80:80")
                               + Tag("precent", "50-50") + Tag("rb", "Total over 155")
                               + Tag("LIVE_KF", Tag("w1", "1.4") + Tag("total", "155.5")))}));
    form->LoadLiveMatches();
    ASSERT_EQ(form->LGG->RowCount(), 1);
    ASSERT_EQ(form->LG->Cell(10, 0).Color(), 0xB7FFB7u) << "LG itself is marked";

    TDataGrid& lgg = *form->LGG;
    for (int c = 0; c <= 18; ++c)
        if (c != 1) {
            EXPECT_EQ(lgg.Cells(c, 0), form->LG->Cells(c, 0)) << "column " << c;
        }
    EXPECT_EQ(lgg.Cells(18, 0), "Total over 155");
    EXPECT_EQ(lgg.Cell(1, 0).AsInteger(), 42);
    EXPECT_EQ(lgg.Cell(1, 0).Hint(), "Italy. Serie A");
    for (int c : {10, 11})
        EXPECT_EQ(lgg.Cell(c, 0).Color(), clWindow) << "column " << c;
    EXPECT_EQ(lgg.Cell(10, 0).Hint(), "");
    EXPECT_EQ(lgg.Cell(9, 0).Hint(), "");
    EXPECT_NE(lgg.Cell(18, 0).Color(), kLime);
}

TEST_F(ListsTest, DesktopNoticeNamesTheMatch)
{
    ScriptLive(Document({Match(Tag("id", "5") + Tag("home", "Zadar Titans") + Tag("away", "Rijeka Dragons")
                               + Tag("rb", "Total over 155"))}));
    form->LoadLiveMatches();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].first, "Total over 155");
    EXPECT_EQ(notices[0].second, QStringLiteral("Zadar Titans – Rijeka Dragons"));
}
