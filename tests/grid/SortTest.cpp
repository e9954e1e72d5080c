// Sorting: each comparison, the reverse-instead-of-resort rule, the sorted
// column, and the focused row following its record.
#include "GridFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct SortCase {
    const char* name;
    TSortType type;
    QStringList input;
    QStringList ascending;
};

class SortTypes : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortTypes, OrdersAscendingAndDescending)
{
    const SortCase& c = GetParam();
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgTextColumn>();
    column->SetSortType(c.type);
    FillColumn(grid, 0, c.input);
    grid.SortColumn(column, true);
    EXPECT_EQ(ColumnTexts(grid, 0), c.ascending);
    grid.SortColumn(column, false);
    QStringList descending = c.ascending;
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(ColumnTexts(grid, 0), descending);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortTypes,
    ::testing::Values(
        SortCase{"Alphabetic", stAlphabetic, {"b", "10", "B", "2", "ab", "a"}, {"10", "2", "B", "a", "ab", "b"}},
        SortCase{"CaseInsensitive", stCaseInsensitive, {"b", "C", "a"}, {"a", "b", "C"}},
        SortCase{"Numeric", stNumeric, {"10", "2", "-1.5", "2.25"}, {"-1.5", "2", "2.25", "10"}},
        SortCase{"Boolean", stBoolean, {"true", "0"}, {"0", "true"}},
        SortCase{"Date", stDate, {"02.01.2024", "31.12.2023 23:00", ""}, {"", "31.12.2023 23:00", "02.01.2024"}},
        SortCase{"IP", stIP, {"10.0.0.2", "9.1.0.1", "10.0.0.10", "1.2"}, {"1.2", "9.1.0.1", "10.0.0.2", "10.0.0.10"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Sorting, ImageColumnSortsNumerically)
{
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgImageColumn>();
    FillColumn(grid, 0, {"10", "2", "-1"});
    grid.SortColumn(column, true);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"-1", "2", "10"}));
}

class Reversal : public ::testing::Test {
protected:
    void SetUp() override
    {
        key = grid.Columns().Add<TDgTextColumn>();
        tag = grid.Columns().Add<TDgTextColumn>();
        FillColumn(grid, 0, {"b", "a", "b", "a"});
        FillColumn(grid, 1, {"1", "2", "3", "4"});
        grid.SortColumn(key, true);
        ascendingTags = ColumnTexts(grid, 1);
    }
    TDataGrid grid;
    TDgTextColumn* key = nullptr;
    TDgTextColumn* tag = nullptr;
    QStringList ascendingTags;
};

TEST_F(Reversal, OppositeDirectionReversesEqualKeysToo)
{
    grid.SortColumn(key, false);
    QStringList reversed = ascendingTags;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(ColumnTexts(grid, 1), reversed);
}

TEST_F(Reversal, ChangeBetweenSortsForcesAFullSort)
{
    grid.SetCells(0, 0, QStringLiteral("z"));  // rows were a a b b
    grid.SortColumn(key, false);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"z", "b", "b", "a"}));
}

TEST(Sorting, ConversionErrorLeavesRowsUntouched)
{
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgTextColumn>();
    column->SetSortType(stNumeric);
    FillColumn(grid, 0, {"3", "x", "1"});
    EXPECT_THROW(grid.SortColumn(column, true), EConvertError);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"3", "x", "1"}));
}

TEST(Sorting, WithoutCanSortNothingHappens)
{
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgTextColumn>();
    column->SetOptions(column->Options() & ~TColumnOptions(coCanSort));
    FillColumn(grid, 0, {"b", "a"});
    bool fired = false;
    grid.OnSortColumn = [&](QObject*, int, bool) { fired = true; };
    grid.SortColumn(column, true);
    EXPECT_FALSE(fired);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"b", "a"}));
}

TEST(Sorting, SortedOnSecondColumnClearsFirstAndSorts)
{
    TDataGrid grid;
    auto* first = grid.Columns().Add<TDgTextColumn>();
    auto* second = grid.Columns().Add<TDgTextColumn>();
    FillColumn(grid, 0, {"a", "b", "c"});
    FillColumn(grid, 1, {"3", "1", "2"});
    std::vector<int> events;
    grid.OnAfterSort = [&](QObject*, int col) { events.push_back(col); };
    first->SetSorted(true);
    second->SetSorted(true);
    EXPECT_FALSE(first->Sorted());
    EXPECT_EQ(grid.SortedColumn(), second);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"b", "c", "a"}));
    second->SetSortKind(skDescending);
    EXPECT_EQ(ColumnTexts(grid, 1), (QStringList{"3", "2", "1"}));
    EXPECT_EQ(events, (std::vector<int>{0, 1, 1}));
}

TEST(Sorting, FocusedRowFollowsItsRecord)
{
    TDataGrid grid;
    grid.SetOptions(goHeader | goSelectFullRow);
    auto* column = grid.Columns().Add<TDgTextColumn>();
    FillColumn(grid, 0, {"c", "a", "b"});
    grid.SelectCell(0, 0);
    grid.SortColumn(column, true);
    EXPECT_EQ(grid.SelectedRow(), 2);
    EXPECT_EQ(grid.Cells(0, grid.SelectedRow()), QStringLiteral("c"));
    EXPECT_TRUE(grid.CellStore().RowRecord(2).Selected);
    EXPECT_FALSE(grid.CellStore().RowRecord(0).Selected);
}

TEST(Sorting, CustomComparisonDecides)
{
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgTextColumn>();
    column->SetSortType(stCustom);
    FillColumn(grid, 0, {"aaa", "b", "cc"});
    grid.OnCompare = [](QObject*, TCell a, TCell b, int& compare) {
        compare = int(a.AsString().size()) - int(b.AsString().size());
    };
    grid.SortColumn(column, true);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"b", "cc", "aaa"}));
}

// A handler that contradicts itself gives no order, but the sort must end and
// keep every row exactly once.
TEST(Sorting, SelfContradictingComparisonKeepsEveryRow)
{
    for (const int answer : {-1, 1}) {
        TDataGrid grid;
        auto* column = grid.Columns().Add<TDgTextColumn>();
        column->SetSortType(stCustom);
        QStringList texts;
        for (int r = 0; r < 200; ++r)
            texts.append(QString::number(r));
        FillColumn(grid, 0, texts);
        grid.OnCompare = [answer](QObject*, TCell, TCell, int& compare) { compare = answer; };
        grid.SortColumn(column, true);
        QStringList sorted = ColumnTexts(grid, 0);
        std::sort(sorted.begin(), sorted.end());
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(sorted, texts) << "handler answering " << answer;
    }
}

}  // namespace
