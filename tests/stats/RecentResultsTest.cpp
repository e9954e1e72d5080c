// The three lists of past matches: their grids, the six-result form strips
// with the win/loss colours, and their summary rows of SG.
#include "StatsFixture.h"

namespace {

struct ListCase {
    const char* name;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
    const char* element;
    const char* summary;
    const char* prefix;
    int sgRow;
    std::string win, loss;
    TDataGrid* TForm1::*grid;
    TDataGrid* TForm1::*strip;
};

const QString kScores[] = {"81:70", "70:75", "90:60", "88:87", "60:61", "99:98", "77:66", "55:44"};

}  // namespace

class ResultListTest : public StatsTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ResultListTest, EightResultsFillEightRowsAndSixStripCells)
{
    const ListCase& c = GetParam();
    // win, loss, win, win, loss, win | loss, win
    const std::string codes[] = {c.win, c.loss, c.win, c.win, c.loss, c.win, c.loss, c.win};
    std::string list;
    for (int i = 0; i < 8; ++i)
        list += Result("0" + std::to_string(i + 1) + ".11", kScores[i].toStdString(), codes[i]);
    ScriptStats(StatElements().Set("Latest1", "").Set("Latest2", "").Set("H2H", "").Set(c.element, list));
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    TDataGrid& grid = *(form.get()->*c.grid);
    TDataGrid& strip = *(form.get()->*c.strip);
    ASSERT_EQ(grid.RowCount(), 8);
    ASSERT_EQ(strip.RowCount(), 2);
    for (int r = 0; r < 8; ++r) {
        SCOPED_TRACE(r);
        const TColor colour = codes[r] == c.win ? clLime : clRed;
        EXPECT_EQ(grid.Cells(0, r), QString("0%1.11").arg(r + 1));
        EXPECT_EQ(grid.Cell(1, r).AsInteger(), 0) << "basketball image";
        EXPECT_EQ(grid.Cells(2, r), "Alpha");
        EXPECT_EQ(grid.Cells(3, r), "Beta");
        EXPECT_EQ(grid.Cells(4, r), kScores[r]);
        EXPECT_EQ(grid.Cells(5, r), "20:18 22:20");
        EXPECT_EQ(grid.Cells(6, r), QString::fromStdString(codes[r]));
        EXPECT_EQ(grid.Cell(6, r).Color(), colour);
        if (r < 6) {
            EXPECT_EQ(strip.Cells(r, 0), QString::fromStdString(codes[r]));
            EXPECT_EQ(strip.Cell(r, 0).Color(), colour);
            EXPECT_EQ(strip.Cells(r, 1), kScores[r]);
        }
    }
    for (TDataGrid* other : {form->LGrid1, form->LGrid2, form->HX})
        if (other != &grid) {
            EXPECT_EQ(other->RowCount(), 0) << other->objectName().toStdString();
        }

    const std::string p = c.prefix;
    EXPECT_EQ(form->SG->Cells(1, c.sgRow), QString::fromStdString(p + "-pct%"));
    int col = 2;
    for (const char* s : {"_win", "_loss", "_t1", "_t2", "_at", "_q1", "_q2", "_q3", "_q4"})
        EXPECT_EQ(form->SG->Cells(col++, c.sgRow), QString::fromStdString(p + s));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ResultListTest,
    ::testing::Values(ListCase{"Home", "Latest1", "stat1", "l1", 1, "W", "L", &TForm1::LGrid1, &TForm1::LG1},
                      ListCase{"Away", "Latest2", "stat2", "l2", 2, "W", "L", &TForm1::LGrid2, &TForm1::LG2},
                      ListCase{"HeadToHead", "H2H", "stat0", "h2h", 0, "1", "2", &TForm1::HX, &TForm1::LG3}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(StatsTest, ForeignCodeLeavesRezEmptyButShowsInTheStripUncoloured)
{
    ScriptStats(StatElements().Set("H2H", Result("01.01", "80:70", "1") + Result("02.01", "70:80", "W")
                                              + Result("03.01", "75:74", "")));
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    ASSERT_EQ(form->HX->RowCount(), 3);
    const TColor plain = form->HX->Columns()[6]->Color();
    for (int r : {1, 2}) {
        EXPECT_EQ(form->HX->Cells(6, r), "");
        EXPECT_EQ(form->HX->Cell(6, r).Color(), plain);
        EXPECT_EQ(form->LG3->Cell(r, 0).Color(), plain);
    }
    EXPECT_EQ(form->LG3->Cells(1, 0), "W");
    EXPECT_EQ(form->LG3->Cells(1, 1), "70:80");
    EXPECT_EQ(form->LG3->Cells(2, 0), "");
    EXPECT_EQ(form->LG3->Cells(0, 0), "1");
    EXPECT_EQ(form->LG3->Cell(0, 0).Color(), clLime);
}

TEST_F(StatsTest, EmptyListAndSummaryWithoutWinnerStillFillTheirSummaryRow)
{
    // A view with results first, so that leftovers would show.
    ScriptStats(StatElements());
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);
    ASSERT_EQ(form->LG2->RowCount(), 2);

    ScriptStats(StatElements().Set("Latest2", "").Set("stat2", Summary("l2", false)));
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(form->LGrid2->RowCount(), 0);
    EXPECT_EQ(form->LG2->RowCount(), 0);
    EXPECT_EQ(form->SG->Cells(1, 2), "%");
    EXPECT_EQ(form->SG->Cells(2, 2), "l2_win");
    EXPECT_EQ(form->SG->Cells(10, 2), "l2_q4");
    EXPECT_EQ(form->LGrid1->RowCount(), 2) << "the other lists are unaffected";
}
