#pragma once
// A small grid for the tests: text, check-box and image columns, with a
// recorder for the events the tests look at.
#include "grid/DgGrid.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

struct EventLog {
    std::vector<std::pair<TDataChange, int>> dataChanges;
    std::vector<std::pair<int, int>> deselected;
    std::vector<std::pair<int, int>> changes;

    void Attach(TDataGrid& grid)
    {
        grid.OnDataChange = [this](QObject*, TDataChange kind, int index) { dataChanges.emplace_back(kind, index); };
        grid.OnDeselectCell = [this](QObject*, int c, int r) { deselected.emplace_back(c, r); };
        grid.OnChange = [this](QObject*, int c, int r) { changes.emplace_back(c, r); };
    }
};

// Column 0 text, 1 check box, 2 image.
inline void AddStandardColumns(TDataGrid& grid)
{
    grid.Columns().Add<TDgTextColumn>();
    grid.Columns().Add<TDgCheckBoxColumn>();
    grid.Columns().Add<TDgImageColumn>();
}

// The texts of column `col`, top to bottom.
inline QStringList ColumnTexts(const TDataGrid& grid, int col)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts << grid.Cells(col, r);
    return texts;
}

inline void FillColumn(TDataGrid& grid, int col, const QStringList& texts)
{
    if (grid.RowCount() < texts.size())
        grid.AddRow(int(texts.size()) - grid.RowCount());
    for (int r = 0; r < texts.size(); ++r)
        grid.SetCells(col, r, texts[r]);
}
