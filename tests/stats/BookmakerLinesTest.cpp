// Buk: the bookmaker lines of the shown match, read back from RG.
#include "StatsFixture.h"

namespace {

struct RgRow {
    QString id;
    QStringList lines;  // RG columns 16 to 22; empty: none
};

struct BukCase {
    const char* name;
    friend void PrintTo(const BukCase& c, std::ostream* os) { *os << c.name; }
    std::vector<RgRow> rg;
    int expectedRows;
    QStringList expected;  // Buk row 0
};

const QStringList kNoLines{"", "", "", "", "", "", ""};
const QStringList kLinesA{"-4.5", "1.90", "+4.5", "1.90", "158.5", "1.87", "1.93"};
const QStringList kLinesB{"-2.5", "1.80", "+2.5", "2.00", "150.5", "1.85", "1.95"};

}  // namespace

class BukTest : public StatsTest, public ::testing::WithParamInterface<BukCase> {};

TEST_P(BukTest, CopiesTheMatchingRowOfRG)
{
    const BukCase& c = GetParam();
    ScriptStats(StatElements());
    for (const RgRow& row : c.rg) {
        const int r = AddMatchRow(*form->RG, row.id);
        for (int i = 0; i < row.lines.size(); ++i)
            form->RG->SetCells(16 + i, r, row.lines[i]);
    }
    AddMatchRow(*form->LG, "M7");
    DoubleClick(*form->LG, 0);

    ASSERT_EQ(form->Buk->RowCount(), c.expectedRows);
    for (int col = 0; col < c.expected.size(); ++col)
        EXPECT_EQ(form->Buk->Cells(col, 0), c.expected[col]) << "column " << col;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BukTest,
    ::testing::Values(BukCase{"NoRgRows", {}, 0, {}},
                      BukCase{"MatchNotInRg", {{"A1", kLinesA}}, 1, kNoLines},
                      BukCase{"MatchWithoutLines", {{"A1", kLinesA}, {"M7", {}}}, 1, kNoLines},
                      BukCase{"MatchWithLines", {{"A1", kLinesB}, {"M7", kLinesA}, {"B1", kLinesB}}, 1, kLinesA},
                      BukCase{"LastOfTwoWins", {{"M7", kLinesB}, {"M7", kLinesA}}, 1, kLinesA},
                      BukCase{"IdMatchesExactly", {{"M70", kLinesA}, {"m7", kLinesA}}, 1, kNoLines}),
    [](const auto& testCase) { return std::string(testCase.param.name); });
