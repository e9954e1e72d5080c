#pragma once
// The data grid as screen readers and automation see it: a table of the
// visible columns in display order under a header row, a cell per value with
// its text as drawn. Readers are told about focus, row and cell changes; while
// no reader listens each notification costs one flag test.
class TDgCustomGrid;
class TDgCustomGridControl;
class QString;

// Registers the grid's interfaces with Qt's accessibility (once per process).
void InstallGridAccessibility();

namespace DgAccessibility {

// Accessible column (visible columns in display order) of a grid column; -1 when hidden.
int AccessibleColumn(const TDgCustomGridControl& grid, int col);
// The grid column of an accessible column; -1 outside.
int GridColumn(const TDgCustomGridControl& grid, int accessibleColumn);
// A header as announced: its caption, else its hint, else its accessible name.
QString HeaderText(const TDgCustomGridControl& grid, int col);
// A cell's text as the grid draws it, else its hint (picture cells).
QString CellText(TDgCustomGrid& grid, int col, int row);

void FocusMoved(TDgCustomGridControl* grid, int col, int row);
void RowsInserted(TDgCustomGridControl* grid, int first, int last);
void RowsRemoved(TDgCustomGridControl* grid, int first, int last);
// Many changes at once: a cleared grid, an update block, a sort.
void Reset(TDgCustomGridControl* grid);
void CellChanged(TDgCustomGridControl* grid, int col, int row);

}  // namespace DgAccessibility
