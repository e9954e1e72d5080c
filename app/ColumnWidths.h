#pragma once
// Column widths the user set on the window's grids, kept between runs in the
// program's settings: one value per grid and column, both by name, so that a
// column renamed or dropped by a later version simply loses its width.
#include <QSettings>

class TDataGrid;

namespace ColumnWidths {

// Gives the columns of `grid` their saved widths, in display order. Widths of
// columns the grid's layout no longer has, unreadable ones and ones below a
// column's MinWidth are ignored; visibility is left alone.
void Restore(TDataGrid& grid, QSettings& settings);

// Saves the width of column `col` and those of the auto-sized columns, whose
// widths follow from it.
void Save(const TDataGrid& grid, int col, QSettings& settings);

}  // namespace ColumnWidths
