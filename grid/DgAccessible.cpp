#include "grid/DgAccessible.h"

#include "grid/DgCustomGrid.h"
#include "toolkit/AccessibleParts.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace {

bool SelectsFullRow(const TDgCustomGridControl& grid)
{
    return grid.Options() & goSelectFullRow;
}

bool IsSelected(const TDgCustomGridControl& grid, int col, int row)
{
    return row >= 0 && row == grid.SelectedRow() && (SelectsFullRow(grid) || col == grid.SelectedColumn());
}

class TDgGridAccessible;

// One header or data cell. Holds only its place: every answer is read from
// the grid when asked, so a cell never shows stale text.
class TDgCellAccessible : public TAccessiblePart,
                          public QAccessibleTableCellInterface,
                          public QAccessibleActionInterface {
public:
    TDgCellAccessible(TDgCustomGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

    bool isValid() const override
    {
        return grid_ && col_ < grid_->Columns().Count() && row_ < grid_->RowCount()
               && DgAccessibility::AccessibleColumn(*grid_, col_) >= 0;
    }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }

    QAccessible::Role role() const override
    {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description))
            return {};
        if (row_ < 0)
            return t == QAccessible::Name ? DgAccessibility::HeaderText(*grid_, col_) : QString();
        if (t == QAccessible::Description)
            return grid_->CellHintText(col_, row_);
        return DgAccessibility::CellText(*grid_, col_, row_);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const QRect r = ViewRect();
        s.invisible = !r.intersects(grid_->viewport()->rect());
        s.offscreen = s.invisible;
        if (row_ < 0)
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = IsSelected(*grid_, col_, row_);
        s.focused = grid_->hasFocus() && row_ == grid_->SelectedRow() && col_ == grid_->SelectedColumn();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = ViewRect();
        return QRect(grid_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface && row_ >= 0)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && IsSelected(*grid_, col_, row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return grid_ ? DgAccessibility::AccessibleColumn(*grid_, col_) : -1; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface: pressing a cell opens it as a double click does.
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        grid_->setFocus(Qt::OtherFocusReason);
        grid_->SelectCell(col_, row_);
        if (name == pressAction() && grid_->OnCellDblClick)
            grid_->OnCellDblClick(grid_, col_, row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int Column() const { return col_; }
    int Row() const { return row_; }

private:
    QRect ViewRect() const
    {
        return row_ < 0 ? grid_->HeaderRect(col_) : grid_->CellRect(col_, row_);
    }

    QPointer<TDgCustomGrid> grid_;
    int col_;
    int row_;  // -1: the header
};

class TDgGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TDgGridAccessible(TDgCustomGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    TDgCustomGrid* Grid() const { return static_cast<TDgCustomGrid*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (s.isEmpty() && t == QAccessible::Name)
            s = Grid()->Caption();
        return s;
    }

    // Children: the header row, then the data rows, each as wide as the visible columns.
    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = columnCount();
        if (columns == 0 || index < 0 || index >= childCount())
            return nullptr;
        return Cell(index / columns - 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->role() == QAccessible::ScrollBar)
            return -1;
        const auto* cell = dynamic_cast<const TDgCellAccessible*>(child);
        if (!cell)
            return -1;
        const int column = DgAccessibility::AccessibleColumn(*Grid(), cell->Column());
        return column < 0 ? -1 : (cell->Row() + 1) * columnCount() + column;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const int col = Grid()->ColumnAt(p.x());
        if (col < 0)
            return nullptr;
        if (p.y() < Grid()->DataTop())
            return Cell(-1, DgAccessibility::AccessibleColumn(*Grid(), col));
        const int row = Grid()->RowAt(p.y());
        return row < 0 ? nullptr : Cell(row, DgAccessibility::AccessibleColumn(*Grid(), col));
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return Cell(row, column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        const int row = Grid()->SelectedRow();
        if (row < 0 || row >= rowCount())
            return cells;
        if (!SelectsFullRow(*Grid())) {
            const int column = DgAccessibility::AccessibleColumn(*Grid(), Grid()->SelectedColumn());
            if (column >= 0)
                cells.append(Cell(row, column));
            return cells;
        }
        for (int c = 0; c < columnCount(); ++c)
            cells.append(Cell(row, c));
        return cells;
    }
    QString columnDescription(int column) const override
    {
        const int col = DgAccessibility::GridColumn(*Grid(), column);
        return col < 0 ? QString() : DgAccessibility::HeaderText(*Grid(), col);
    }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return DgAccessibility::AccessibleColumn(*Grid(), -1); }
    int rowCount() const override { return Grid()->RowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override
    {
        const int row = Grid()->SelectedRow();
        if (!SelectsFullRow(*Grid()) || row < 0 || row >= rowCount())
            return {};
        return {row};
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    bool selectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        Grid()->SelectCell(Grid()->SelectedColumn(), row);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { cells_.Clear(); }

private:
    // Cells are made on demand and kept by their grid place; `column` is accessible.
    QAccessibleInterface* Cell(int row, int column) const
    {
        const int col = DgAccessibility::GridColumn(*Grid(), column);
        if (col < 0)
            return nullptr;
        const quint64 key = (quint64(quint32(row + 1)) << 32) | quint32(col);
        return cells_.Get(key, [&] { return new TDgCellAccessible(Grid(), col, row); });
    }

    mutable TAccessibleParts<quint64> cells_;
};

QList<QAccessibleInterface*> TDgCellAccessible::columnHeaderCells() const
{
    if (!isValid() || row_ < 0)
        return {};
    auto* table = static_cast<TDgGridAccessible*>(parent());
    return {table->child(DgAccessibility::AccessibleColumn(*grid_, col_))};
}

QAccessibleInterface* GridFactory(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<TDgCustomGrid*>(object))
        return new TDgGridAccessible(grid);
    return nullptr;
}

int ChildIndex(const TDgCustomGridControl& grid, int col, int row)
{
    const int column = DgAccessibility::AccessibleColumn(grid, col);
    return column < 0 ? -1 : (row + 1) * DgAccessibility::AccessibleColumn(grid, -1) + column;
}

void Notify(TDgCustomGridControl* grid, QAccessible::Event type, int col, int row)
{
    const int child = ChildIndex(*grid, col, row);
    if (child < 0)
        return;
    QAccessibleEvent event(grid, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void NotifyTable(TDgCustomGridControl* grid, QAccessibleTableModelChangeEvent::ModelChangeType type,
                 int first, int last)
{
    QAccessibleTableModelChangeEvent event(grid, type);
    if (first >= 0) {
        event.setFirstRow(first);
        event.setLastRow(last);
        event.setFirstColumn(0);
        event.setLastColumn(DgAccessibility::AccessibleColumn(*grid, -1) - 1);
    }
    QAccessible::updateAccessibility(&event);
}

// Nothing is sent while no reader listens or while the grid is still hidden.
bool Listening(const TDgCustomGridControl* grid)
{
    return QAccessible::isActive() && grid->isVisible();
}

}  // namespace

void InstallGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

namespace DgAccessibility {

// With col = -1 this returns the number of visible columns.
int AccessibleColumn(const TDgCustomGridControl& grid, int col)
{
    const TDgColumns& columns = grid.Columns();
    if (col >= columns.Count())
        return -1;
    if (col >= 0 && !columns[col]->Visible())
        return -1;
    int visible = 0;
    for (int p = 0; p < columns.Count(); ++p) {
        const TDgCustomColumn* column = columns.ByPosition(p);
        if (col >= 0 && column == columns[col])
            return visible;
        visible += column->Visible() ? 1 : 0;
    }
    return visible;
}

int GridColumn(const TDgCustomGridControl& grid, int accessibleColumn)
{
    const TDgColumns& columns = grid.Columns();
    int visible = 0;
    for (int p = 0; p < columns.Count() && accessibleColumn >= 0; ++p) {
        const TDgCustomColumn* column = columns.ByPosition(p);
        if (!column->Visible())
            continue;
        if (visible++ == accessibleColumn)
            return column->Index();
    }
    return -1;
}

QString HeaderText(const TDgCustomGridControl& grid, int col)
{
    const TColumnHeader& header = grid.Columns()[col]->Header();
    if (!header.Caption().isEmpty())
        return header.Caption();
    if (!header.Hint().isEmpty())
        return header.Hint();
    return header.AccessibleName();
}

QString CellText(TDgCustomGrid& grid, int col, int row)
{
    const TDgCustomColumn* column = grid.Columns()[col];
    QString text = column->GetDrawText(grid.Store()->Column(col).Info(row));
    if (text.isEmpty())
        text = grid.CellHintText(col, row);
    return text;
}

void FocusMoved(TDgCustomGridControl* grid, int col, int row)
{
    if (!Listening(grid) || row < 0 || row >= grid->RowCount())
        return;
    Notify(grid, QAccessible::Selection, col, row);
    if (grid->hasFocus())
        Notify(grid, QAccessible::Focus, col, row);
}

void RowsInserted(TDgCustomGridControl* grid, int first, int last)
{
    if (Listening(grid))
        NotifyTable(grid, QAccessibleTableModelChangeEvent::RowsInserted, first, last);
}

void RowsRemoved(TDgCustomGridControl* grid, int first, int last)
{
    if (Listening(grid))
        NotifyTable(grid, QAccessibleTableModelChangeEvent::RowsRemoved, first, last);
}

void Reset(TDgCustomGridControl* grid)
{
    if (Listening(grid))
        NotifyTable(grid, QAccessibleTableModelChangeEvent::ModelReset, -1, -1);
}

void CellChanged(TDgCustomGridControl* grid, int col, int row)
{
    if (Listening(grid))
        Notify(grid, QAccessible::NameChanged, col, row);
}

}  // namespace DgAccessibility
