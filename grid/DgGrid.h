#pragma once
// TDataGrid: the grid control with its cell store and the data operations.
#include "grid/DgCellClasses.h"
#include "grid/DgCells.h"
#include "grid/DgColumnClasses.h"
#include "grid/DgColumns.h"
#include "grid/DgCustomGrid.h"

#include <QString>
#include <functional>
#include <memory>

enum TDataChange : std::uint8_t {
    dcAddColumn,
    dcAddRow,
    dcInsertColumn,
    dcInsertRow,
    dcDeleteColumn,
    dcDeleteRow
};

class TDataGrid : public TDgCustomGrid {
    Q_OBJECT
public:
    explicit TDataGrid(QWidget* parent = nullptr);
    ~TDataGrid() override;

    int RowCount() const { return cells_->RowCount(); }
    // n < 0 is ignored; growing adds rows in one AddRow, shrinking deletes
    // the last row until n rows are left, each reported.
    void SetRowCount(int n);
    // Appends `count` rows; returns the index of the last one (LastAddedRow
    // when count < 1, which adds nothing).
    int AddRow(int count = 1);
    void InsertRow(int index);
    void DeleteRow(int index);
    void ClearRows();

    // Text of a cell; empty outside the grid.
    QString Cells(int col, int row) const;
    // Writes through the cell's conversion (whose error reaches the caller);
    // ignored outside the grid.
    void SetCells(int col, int row, const QString& value);
    // The cell itself; raises EListError for a row outside the grid.
    TCell Cell(int col, int row);

    void BeginUpdate();
    void EndUpdate();

    // Sorts the rows by a column (nothing without coCanSort in its options).
    void SortColumn(TDgCustomColumn* column, bool ascending);

    int StartRowCount() const { return startRowCount_; }
    void SetStartRowCount(int value);
    int LastAddedRow() const { return lastAddedRow_; }

    TCells& CellStore() { return *cells_; }

    // --- events (Sender is the grid) --------------------------------------
    std::function<void(QObject* Sender, TDataChange AChangeType, int AIndex)> OnDataChange;
    std::function<void(QObject* Sender, int ACol, int ARow)> OnChange;
    std::function<void(QObject* Sender, int ACol, bool Ascending)> OnSortColumn;
    std::function<void(QObject* Sender, int ACol)> OnAfterSort;
    std::function<void(QObject* Sender, TCell Cell1, TCell Cell2, int& Compare)> OnCompare;
    std::function<void(QObject* Sender, int ARow)> OnExpand;

protected:
    void ColumnInserted(TDgCustomColumn* column) override;
    void ColumnRemoved(int index) override;
    void ColumnChanged(TDgCustomColumn* column, TColumnChange change, std::uint32_t oldValue) override;

private:
    void CellChanged(int col, int row);
    // The new cells' colours and styles, in a buffer kept for the next row.
    const std::vector<TCells::TNewCell>& NewCellValues();
    void ApplyDefaultValues(int firstRow, int lastRow);
    std::vector<int> SortedOrder(TDgCustomColumn* column, bool ascending);

    std::unique_ptr<TCells> cells_;
    std::vector<TCells::TNewCell> newCells_;
    int startRowCount_ = 0;
};
