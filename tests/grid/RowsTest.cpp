// Rows: adding, deleting, clearing, their events and indices, and access
// outside the grid.
#include "GridFixture.h"

#include <gtest/gtest.h>

namespace {

class Rows : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddStandardColumns(grid);
        log.Attach(grid);
    }
    TDataGrid grid;
    EventLog log;
};

TEST_F(Rows, AddRowReturnsLastIndexAndReportsOnce)
{
    EXPECT_EQ(grid.AddRow(0), 0);
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_TRUE(log.dataChanges.empty());

    grid.AddRow(2);
    log.dataChanges.clear();
    EXPECT_EQ(grid.AddRow(3), 4);
    EXPECT_EQ(grid.RowCount(), 5);
    ASSERT_EQ(log.dataChanges.size(), 1u);
    EXPECT_EQ(log.dataChanges[0], std::make_pair(dcAddRow, 4));
    EXPECT_EQ(grid.AddRow(-1), 4);  // LastAddedRow
}

TEST_F(Rows, DefaultValuesOnlyWithTheOption)
{
    grid.Columns()[0]->SetDefaultValue(QStringLiteral("n/a"));
    grid.AddRow(1);
    EXPECT_EQ(grid.Cell(2, 0).AsInteger(), 0);
    EXPECT_EQ(grid.Cells(0, 0), QString());

    grid.Columns()[2]->SetDefaultValue(QStringLiteral("7"));
    grid.SetOptions(grid.Options() | goUseDefaultValues);
    const int row = grid.AddRow(2);
    EXPECT_EQ(grid.Cells(0, row), QStringLiteral("n/a"));
    EXPECT_EQ(grid.Cell(2, row).AsInteger(), 7);
    EXPECT_EQ(grid.Cells(1, row), QStringLiteral("False"));
}

TEST_F(Rows, ShrinkingRowCountDeletesFromTheEndOneByOne)
{
    grid.SetRowCount(5);
    log.dataChanges.clear();
    grid.SetRowCount(2);
    const std::vector<std::pair<TDataChange, int>> expected = {
        {dcDeleteRow, 4}, {dcDeleteRow, 3}, {dcDeleteRow, 2}};
    EXPECT_EQ(log.dataChanges, expected);
    grid.SetRowCount(-1);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(Rows, DeletingTheOnlyRowDeselects)
{
    grid.AddRow(1);
    ASSERT_EQ(grid.SelectedRow(), -1);
    grid.DeleteRow(0);
    ASSERT_EQ(log.deselected.size(), 1u);
    EXPECT_EQ(log.deselected[0], std::make_pair(0, -1));
    EXPECT_EQ(grid.SelectedRow(), -1);
}

TEST_F(Rows, DeletingAboveTheFocusKeepsItsNumber)
{
    FillColumn(grid, 0, {"a", "b", "c", "d"});
    grid.SelectCell(0, 1);
    grid.DeleteRow(0);
    EXPECT_EQ(grid.SelectedRow(), 1);
    EXPECT_EQ(grid.Cells(0, grid.SelectedRow()), QStringLiteral("c"));
    EXPECT_TRUE(log.deselected.empty());

    grid.SelectCell(0, 2);
    log.deselected.clear();
    grid.DeleteRow(2);  // the focused last row
    EXPECT_EQ(grid.SelectedRow(), 1);
    ASSERT_EQ(log.deselected.size(), 1u);
    EXPECT_EQ(log.deselected[0], std::make_pair(0, 2));
}

TEST_F(Rows, BadRowIndicesRaiseListError)
{
    grid.AddRow(2);
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { grid.DeleteRow(2); }, QStringLiteral("List index out of bounds (2)")},
        {[&] { grid.DeleteRow(-1); }, QStringLiteral("List index out of bounds (-1)")},
        {[&] { grid.Cell(0, 5); }, QStringLiteral("List index out of bounds (5)")},
        {[&] { grid.InsertRow(3); }, QStringLiteral("List index out of bounds (3)")},
    };
    for (const auto& [call, message] : cases) {
        try {
            call();
            ADD_FAILURE() << message.toStdString();
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(Rows, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    grid.AddRow(1);
    const std::pair<int, int> outside[] = {{0, 1}, {-1, 0}, {3, 0}, {0, -1}};
    for (const auto& [c, r] : outside) {
        EXPECT_EQ(grid.Cells(c, r), QString());
        EXPECT_NO_THROW(grid.SetCells(c, r, QStringLiteral("x")));
    }
    EXPECT_TRUE(log.changes.empty());
}

TEST_F(Rows, ClearRowsKeepsColumnsAndResetsFocus)
{
    FillColumn(grid, 0, {"a", "b"});
    grid.SelectCell(2, 1);
    log.dataChanges.clear();
    grid.ClearRows();
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.SelectedRow(), -1);
    EXPECT_EQ(grid.SelectedColumn(), 0);
    EXPECT_EQ(grid.Columns().Count(), 3);
    EXPECT_TRUE(log.dataChanges.empty());
    EXPECT_EQ(grid.AddRow(1), 0);
    EXPECT_EQ(grid.Cells(0, 0), QString());
}

TEST_F(Rows, UpdatesSilenceChangeEventsAndNest)
{
    grid.AddRow(1);
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.SetCells(0, 0, QStringLiteral("a"));
    grid.EndUpdate();
    grid.SetCells(0, 0, QStringLiteral("b"));
    EXPECT_TRUE(log.changes.empty());
    grid.EndUpdate();
    grid.EndUpdate();  // never below zero
    EXPECT_EQ(grid.UpdateCount(), 0);
    grid.SetCells(0, 0, QStringLiteral("c"));
    EXPECT_EQ(log.changes.size(), 1u);
}

TEST_F(Rows, InsertRowShiftsAndFocusesTheFollowingRow)
{
    FillColumn(grid, 0, {"a", "b"});
    grid.InsertRow(1);
    EXPECT_EQ(ColumnTexts(grid, 0), (QStringList{"a", "", "b"}));
    EXPECT_EQ(grid.SelectedRow(), 0);
    EXPECT_EQ(log.dataChanges.back(), std::make_pair(dcInsertRow, 1));
}

TEST_F(Rows, StartRowCountAddsOrDeletesFromTheTop)
{
    grid.SetStartRowCount(3);
    EXPECT_EQ(grid.RowCount(), 3);
    grid.SetCells(0, 2, QStringLiteral("last"));
    grid.SetStartRowCount(1);
    EXPECT_EQ(ColumnTexts(grid, 0), QStringList{"last"});
}

TEST(GridDefaults, PropertiesStartAtTheirDefaults)
{
    TDataGrid grid;
    EXPECT_EQ(grid.Options(), TGridOptions(goHeader));
    EXPECT_EQ(grid.RowSize(), 16);
    EXPECT_EQ(grid.HeaderSize(), 18);
    EXPECT_EQ(grid.GridLinesColor(), clBtnFace);
    EXPECT_EQ(grid.HeaderStyle(), hsAuto);
    EXPECT_EQ(grid.AppearanceOptions(), TAppearanceOptions(aoHideSelection | aoHighlightSlideCells));
    EXPECT_EQ(grid.SelectedRow(), -1);
    grid.SetVersion(QStringLiteral("6.0"));
    EXPECT_EQ(grid.Version(), QStringLiteral("5.2"));
    grid.SetRowSize(0);
    EXPECT_EQ(grid.RowSize(), 16);
    grid.SetRowSize(20);
    grid.Columns().Add<TDgTextColumn>();
    grid.AddRow(1);
    EXPECT_EQ(grid.CellStore().RowRecord(0).RowHeight, 20);
}

}  // namespace
