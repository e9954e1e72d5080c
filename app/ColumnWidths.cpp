#include "app/ColumnWidths.h"

#include "grid/DgGrid.h"
#include "ui/GridLayout.h"

namespace ColumnWidths {
namespace {

QString Key(const TDataGrid& grid, const TColumnLayout& column)
{
    return QStringLiteral("ColumnWidths/%1/%2").arg(grid.objectName(), QLatin1String(column.Name));
}

// The layout's columns, when the grid still has exactly those.
const TGridLayout* LayoutOf(const TDataGrid& grid)
{
    const TGridLayout* layout = FindGridLayout(grid.objectName());
    if (!layout || std::ssize(layout->Columns) != grid.Columns().Count())
        return nullptr;
    return layout;
}

}  // namespace

void Restore(TDataGrid& grid, QSettings& settings)
{
    const TGridLayout* layout = LayoutOf(grid);
    if (!layout)
        return;
    for (int pos = 0; pos < grid.Columns().Count(); ++pos) {
        TDgCustomColumn* column = grid.Columns().ByPosition(pos);
        bool ok = false;
        const int width = settings.value(Key(grid, layout->Columns[std::size_t(column->Index())])).toInt(&ok);
        if (ok && width >= column->MinWidth())
            column->SetWidth(width);
    }
}

void Save(const TDataGrid& grid, int col, QSettings& settings)
{
    const TGridLayout* layout = LayoutOf(grid);
    if (!layout || col < 0 || col >= grid.Columns().Count())
        return;
    for (int c = 0; c < grid.Columns().Count(); ++c) {
        const TDgCustomColumn* column = grid.Columns()[c];
        if (c == col || (column->Visible() && (column->Options() & coAutoSize)))
            settings.setValue(Key(grid, layout->Columns[std::size_t(c)]), column->Width());
    }
}

}  // namespace ColumnWidths
