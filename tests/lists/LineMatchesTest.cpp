// The upcoming lists RX and RG filled from scripted line documents.
#include "ListsFixture.h"

using lists::Document;
using lists::Match;
using lists::Tag;

namespace {
std::string Odds(const std::string& prefix)
{
    std::string kf;
    for (const char* name : {"hand1", "kof1", "hand2", "kof2", "total", "u", "o"})
        kf += Tag(name, prefix + name);
    return Tag("LIVE_KF", kf);
}

std::string LineRecord(const std::string& id, const std::string& country, const std::string& forecast,
                       const std::string& percent, const std::string& kf)
{
    return Match(Tag("id", id) + Tag("country", country) + Tag("liga", "Liga " + id) + Tag("date", "d" + id)
                 + Tag("time", "t" + id) + Tag("home", "home" + id) + Tag("away", "away" + id)
                 + Tag("kf1", "1.5" + id) + Tag("kf2", "2.5" + id) + Tag("forecast", forecast)
                 + Tag("precent", percent) + Tag("latest1", "WWL" + id) + Tag("latest2", "LLW" + id)
                 + Tag("h2h", "3-1" + id) + kf);
}
}  // namespace

TEST_F(ListsTest, EveryRecordFillsBothGridsInDocumentOrder)
{
    ScriptLine(Document({LineRecord("1", "Spain", "160:150", "55-45", Odds("a")),
                         LineRecord("2", "spain", ":", "1-2-3", ""),  // names match case and all
                         LineRecord("3", "Atlantis", "81", "-", Odds("c"))}));
    form->LoadLineMatches();
    TDataGrid& rx = *form->RX;
    TDataGrid& rg = *form->RG;

    ASSERT_EQ(rx.RowCount(), 3);
    ASSERT_EQ(rg.RowCount(), 3);
    EXPECT_EQ(form->countsoon->Caption(), "Count: 3");
    EXPECT_EQ(form->countsoon2->Caption(), "Count: 3");

    const int flags[] = {75, 0, 0};
    for (int r = 0; r < 3; ++r) {
        const QString id = QString::number(r + 1);
        SCOPED_TRACE(r);
        for (TDataGrid* grid : {&rx, &rg}) {
            EXPECT_EQ(grid->Cells(0, r), id);
            const QStringList texts{"d" + id, "t" + id, "home" + id, "away" + id, "1.5" + id, "2.5" + id};
            for (int c = 3; c <= 8; ++c)
                EXPECT_EQ(grid->Cells(c, r), texts[c - 3]) << "column " << c;
        }
        EXPECT_EQ(rx.Cell(2, r).AsInteger(), flags[r]);
        EXPECT_EQ(rg.Cell(1, r).AsInteger(), flags[r]);
        EXPECT_EQ(rg.Cells(13, r), "WWL" + id);
        EXPECT_EQ(rg.Cells(14, r), "LLW" + id);
        EXPECT_EQ(rg.Cells(15, r), "3-1" + id);
    }
    EXPECT_EQ(rx.Cell(2, 0).Hint(), "Spain. Liga 1");
    EXPECT_EQ(rg.Cells(2, 0), "Spain. Liga 1");
    EXPECT_EQ(rg.Cell(1, 0).Hint(), "") << "RG's flag carries no hint";

    // Forecast and percentages, split at their first separator.
    const QStringList split[] = {{"160", "150", "55", "45"}, {"", "", "1", "2-3"}, {"", "81", "", ""}};
    for (int r = 0; r < 3; ++r)
        for (int c = 9; c <= 12; ++c)
            EXPECT_EQ(rg.Cells(c, r), split[r][c - 9]) << "row " << r << " column " << c;

    // The bookmaker lines, and none for the record without them.
    const char* names[] = {"hand1", "kof1", "hand2", "kof2", "total", "u", "o"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(rg.Cells(16 + i, 0), QString("a") + names[i]);
        EXPECT_EQ(rx.Cells(12 + i, 0), QString("a") + names[i]);
        EXPECT_EQ(rg.Cells(16 + i, 1), "");
        EXPECT_EQ(rx.Cells(12 + i, 1), "");
        EXPECT_EQ(rg.Cells(16 + i, 2), QString("c") + names[i]);
        EXPECT_EQ(rx.Cells(12 + i, 2), QString("c") + names[i]);
    }
}

TEST_F(ListsTest, RefreshRebuildsTheUpcomingListsInsteadOfAdding)
{
    ScriptLine(Document({LineRecord("1", "Spain", "1:2", "5-5", ""), LineRecord("2", "Italy", "3:4", "6-4", "")}));
    form->skSkinXFormButton2Click(form->skSkinXFormButton2);
    form->skSkinXFormButton2Click(form->skSkinXFormButton2);
    EXPECT_EQ(form->RX->RowCount(), 2);
    EXPECT_EQ(form->RG->RowCount(), 2);
    EXPECT_EQ(form->RG->Cells(0, 1), "2");
    EXPECT_EQ(form->countsoon->Caption(), "Count: 2");

    ScriptLine(Document({LineRecord("7", "Italy", "3:4", "6-4", "")}));
    form->skSkinXFormButton2Click(form->skSkinXFormButton2);
    EXPECT_EQ(form->RX->RowCount(), 1);
    EXPECT_EQ(form->RX->Cells(0, 0), "7");
    EXPECT_EQ(form->countsoon2->Caption(), "Count: 1");
}

// A failed or cut-off answer empties the lists, whatever they held, and says nothing.
struct FailureCase {
    const char* name;
    TDemoReply reply;
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class ListFailureTest : public ListsTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ListFailureTest, EmptiesTheListsAndCounts)
{
    ScriptLine(Document({LineRecord("1", "Spain", "1:2", "5-5", "")}));
    ScriptLive(Document({Match(Tag("id", "9") + Tag("rb", "Over 150"))}));
    form->LoadLineMatches();
    form->LoadLiveMatches();
    ASSERT_EQ(form->RX->RowCount(), 1);
    ASSERT_EQ(form->LG->RowCount(), 1);

    demo.Script(lists::kLinePath, GetParam().reply);
    demo.Script(lists::kLivePath, GetParam().reply);
    form->LoadLineMatches();
    form->LoadLiveMatches();

    EXPECT_EQ(form->RX->RowCount(), 0);
    EXPECT_EQ(form->RG->RowCount(), 0);
    EXPECT_EQ(form->LG->RowCount(), 0);
    for (TskSkinLabel* label : {form->countsoon, form->countsoon2, form->lcount})
        EXPECT_EQ(label->Caption(), "Count: 0") << label->objectName().toStdString();
    EXPECT_EQ(form->LGG->RowCount(), 1) << "the announced bets stay";
    EXPECT_TRUE(messages.isEmpty());
}

const std::string kTwoRecords = Document({LineRecord("1", "Spain", "1:2", "5-5", ""),
                                          Match(Tag("id", "2") + Tag("rb", "Under 140"))});

INSTANTIATE_TEST_SUITE_P(
    Answers, ListFailureTest,
    ::testing::Values(FailureCase{"ServerError", {.status = 500}},
                      FailureCase{"NotFoundWithBody", {.status = 404, .body = kTwoRecords}},
                      FailureCase{"EmptyBody", {.body = ""}},
                      // Half a document arrives before the connection drops.
                      FailureCase{"CutOff", {.body = kTwoRecords, .closeAfterBytes = kTwoRecords.size() - 3}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
