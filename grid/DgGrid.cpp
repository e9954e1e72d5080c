#include "grid/DgGrid.h"

#include "grid/DgAccessible.h"
#include "toolkit/CodePage.h"

#include <array>
#include <random>
#include <string>

TDataGrid::TDataGrid(QWidget* parent) : TDgCustomGrid(parent), cells_(std::make_unique<TCells>())
{
    store_ = cells_.get();
    cells_->SetDefaultRowHeight(rowSize_);
    cells_->OnCellChanged = [this](int col, int row) { CellChanged(col, row); };
}

TDataGrid::~TDataGrid()
{
    destroying_ = true;
    columns_.Clear();
    store_ = nullptr;
}

// --- columns --------------------------------------------------------------------

void TDataGrid::ColumnInserted(TDgCustomColumn* column)
{
    const int index = column->Index();
    cells_->InsertColumn(index, column->ColumnType());
    TDgCustomGrid::ColumnInserted(column);
}

void TDataGrid::ColumnRemoved(int index)
{
    cells_->DeleteColumn(index);
    TDgCustomGrid::ColumnRemoved(index);
    if (OnDataChange && !destroying_)
        OnDataChange(this, dcDeleteColumn, index);
}

void TDataGrid::ColumnChanged(TDgCustomColumn* column, TColumnChange change, std::uint32_t oldValue)
{
    TDgCustomGrid::ColumnChanged(column, change, oldValue);
    if (change == TColumnChange::Sort)
        SortColumn(column, column->SortKind() == skAscending);
}

// --- rows -----------------------------------------------------------------------------

const std::vector<TCells::TNewCell>& TDataGrid::NewCellValues()
{
    newCells_.resize(std::size_t(columns_.Count()));
    for (int c = 0; c < columns_.Count(); ++c)
        newCells_[std::size_t(c)] = {columns_[c]->Color(), columns_[c]->Font().Style};
    return newCells_;
}

void TDataGrid::ApplyDefaultValues(int firstRow, int lastRow)
{
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 0; c < columns_.Count(); ++c)
            if (!columns_[c]->DefaultValue().isEmpty())
                SetCells(c, r, columns_[c]->DefaultValue());
}

void TDataGrid::SetRowCount(int n)
{
    if (n < 0)
        return;
    if (n > RowCount())
        AddRow(n - RowCount());
    while (RowCount() > n)
        DeleteRow(RowCount() - 1);
}

int TDataGrid::AddRow(int count)
{
    if (count < 1)
        return lastAddedRow_;
    const int oldCount = RowCount();
    cells_->AppendRows(count, NewCellValues());
    if (options_ & goUseDefaultValues)
        ApplyDefaultValues(oldCount, RowCount() - 1);
    if (updateCount_ == 0) {
        if (gridLinesStyle_ == lsFramed && (options_ & goGrid) && RowCount() > 1 && oldCount > 0)
            InvalidateRow(oldCount - 1);
        const int top = RowTop(oldCount);
        viewport()->update(QRect(0, top - lines_.Top, ClientWidth(), std::max(0, DataBottom() - top + lines_.Top)));
    }
    lastAddedRow_ = lastShownRow_ = RowCount() - 1;
    UpdateVertScrollBar();
    if (updateCount_ == 0)
        DgAccessibility::RowsInserted(this, oldCount, RowCount() - 1);
    if (OnDataChange)
        OnDataChange(this, dcAddRow, RowCount() - 1);
    return RowCount() - 1;
}

void TDataGrid::InsertRow(int index)
{
    if (index < 0 || index > RowCount())
        RaiseListError(index);
    firstShownRow_ = std::min(firstShownRow_, index);
    if (VertScrollBar().Position() == 0)
        firstVisibleRow_ = firstShownRow_;
    lastAddedRow_ = index;
    cells_->InsertRow(index, NewCellValues());
    InvalidateData();
    SelectCell(selectedColumn_, selectedRow_ + 1);
    lastShownRow_ = std::max(lastShownRow_, index);
    UpdateVertScrollBar();
    if (updateCount_ == 0)
        DgAccessibility::RowsInserted(this, index, index);
    if (OnDataChange)
        OnDataChange(this, dcInsertRow, index);
}

void TDataGrid::DeleteRow(int index)
{
    if (index < 0 || index >= RowCount())
        RaiseListError(index);
    // Nested rows go with their parent.
    const int level = cells_->RowRecord(index).Level;
    while (index + 1 < RowCount() && cells_->RowRecord(index + 1).Level > level)
        cells_->DeleteRow(index + 1);
    TRow& record = cells_->RowRecord(index);
    record.ChildCount = 0;
    if (record.ParentRow >= 0 && record.ParentRow < RowCount())
        --cells_->RowRecord(record.ParentRow).ChildCount;

    const bool shown = record.Shown();
    const int oldCount = RowCount();
    cells_->DeleteRow(index);
    if (shown) {
        if (firstShownRow_ > index)
            firstShownRow_ = std::max(0, FirstShown());
        if (lastShownRow_ > index)
            --lastShownRow_;
        else
            lastShownRow_ = LastShown();
        if (firstVisibleRow_ > 0 && firstVisibleRow_ > index)
            SetFirstVisibleRow(firstVisibleRow_ - 1);
    }
    InvalidateData();
    if (selectedRow_ >= lastShownRow_) {
        if (OnDeselectCell)
            OnDeselectCell(this, selectedColumn_, selectedRow_);
        selectedRow_ = lastShownRow_;
    }
    UpdateVertScrollBar();
    if (updateCount_ == 0)
        DgAccessibility::RowsRemoved(this, index, index + oldCount - RowCount() - 1);
    if (OnDataChange)
        OnDataChange(this, dcDeleteRow, index);
}

void TDataGrid::ClearRows()
{
    selectedColumn_ = 0;
    selectedRow_ = -1;
    cells_->ClearRows();
    firstShownRow_ = lastShownRow_ = 0;
    VertScrollBar().SetPosition(0);
    firstVisibleRow_ = 0;
    InvalidateGrid();
    UpdateVertScrollBar();
    UpdateHorzScrollBar();
    if (updateCount_ == 0)
        DgAccessibility::Reset(this);
}

void TDataGrid::SetStartRowCount(int value)
{
    if (value < 0 || value == startRowCount_)
        return;
    if (value > startRowCount_) {
        AddRow(value - startRowCount_);
    } else {
        // Rows go from the top.
        for (int n = std::min(startRowCount_, RowCount()); n > value && RowCount() > 0; --n)
            DeleteRow(0);
    }
    startRowCount_ = value;
    InvalidateGrid();
}

// --- cells ------------------------------------------------------------------------------

QString TDataGrid::Cells(int col, int row) const
{
    if (col < 0 || col >= columns_.Count() || row < 0 || row >= RowCount())
        return {};
    return cells_->Column(col).AsString(row);
}

void TDataGrid::SetCells(int col, int row, const QString& value)
{
    if (col < 0 || col >= columns_.Count() || row < 0 || row >= RowCount())
        return;
    cells_->SetString(col, row, value);
}

TCell TDataGrid::Cell(int col, int row)
{
    return cells_->Cell(col, row);
}

void TDataGrid::CellChanged(int col, int row)
{
    if (updateCount_ > 0)
        return;
    InvalidateCell(col, row);
    DgAccessibility::CellChanged(this, col, row);
    if (OnChange)
        OnChange(this, col, row);
}

void TDataGrid::BeginUpdate()
{
    ++updateCount_;
}

void TDataGrid::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ > 0)
        return;
    InvalidateGrid();
    UpdateVertScrollBar();
    DgAccessibility::Reset(this);
}

// --- sorting ------------------------------------------------------------------------------

namespace {

// Quicksort of a row order with a random pivot; unstable, as rows with equal
// keys may end in any order.
template <class Compare>
void QuickSort(std::vector<int>& order, int lo, int hi, const Compare& compare, std::minstd_rand& random)
{
    while (lo < hi) {
        // The pivot is taken from the second to the last row of the range.
        std::uniform_int_distribution<int> pick(lo + 1, hi);
        const int pivot = order[std::size_t(pick(random))];
        int i = lo;
        int j = hi;
        while (i <= j) {
            // A consistent comparison stops both scans at the pivot; a handler that
            // contradicts itself must not walk them off the range.
            while (i <= hi && compare(order[std::size_t(i)], pivot) < 0)
                ++i;
            while (j >= lo && compare(order[std::size_t(j)], pivot) > 0)
                --j;
            if (i <= j)
                std::swap(order[std::size_t(i++)], order[std::size_t(j--)]);
        }
        // Only such a handler leaves one part the whole range; split one row off
        // so that every pass still shrinks it.
        if (j >= hi) {
            j = hi - 1;
            i = hi;
        } else if (i <= lo) {
            i = lo + 1;
            j = lo;
        }
        // Recurse into the smaller part to bound the stack.
        if (j - lo < hi - i) {
            QuickSort(order, lo, j, compare, random);
            lo = i;
        } else {
            QuickSort(order, i, hi, compare, random);
            hi = j;
        }
    }
}

template <class T>
int ThreeWay(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::string LowerAnsi(const QString& text)
{
    std::string bytes = ToAnsi(text);
    for (char& c : bytes)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return bytes;
}

std::array<long long, 4> IpParts(const QString& text)
{
    std::array<long long, 4> parts{};
    int index = 0;
    for (const QString& piece : text.split(QLatin1Char('.'))) {
        if (index == 4)
            break;
        long long value = 0;
        for (QChar c : piece)
            if (c.isDigit())
                value = value * 10 + c.digitValue();
        parts[std::size_t(index++)] = value;
    }
    return parts;
}

template <class Key, class Read>
std::vector<Key> Keys(int rows, Read read)
{
    std::vector<Key> keys;
    keys.reserve(std::size_t(rows));
    for (int r = 0; r < rows; ++r)
        keys.push_back(read(r));
    return keys;
}

}  // namespace

std::vector<int> TDataGrid::SortedOrder(TDgCustomColumn* column, bool ascending)
{
    const int col = column->Index();
    const int rows = RowCount();
    const TCellList& list = cells_->Column(col);
    std::vector<int> order(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        order[std::size_t(r)] = r;
    std::minstd_rand random(std::random_device{}());
    const int sign = ascending ? 1 : -1;
    auto run = [&](auto&& compare) {
        QuickSort(order, 0, rows - 1, [&](int a, int b) { return sign * compare(a, b); }, random);
    };
    // Keys are read before any row moves, so a conversion error leaves the
    // rows as they were.
    switch (column->SortType()) {
    case stBoolean: {
        const auto keys = Keys<bool>(rows, [&](int r) { return list.AsBoolean(r); });
        run([&](int a, int b) { return ThreeWay(keys[std::size_t(a)], keys[std::size_t(b)]); });
        break;
    }
    case stCaseInsensitive: {
        const auto keys = Keys<std::string>(rows, [&](int r) { return LowerAnsi(list.AsString(r)); });
        run([&](int a, int b) { return ThreeWay(keys[std::size_t(a)], keys[std::size_t(b)]); });
        break;
    }
    case stCustom: {
        run([&](int a, int b) {
            int result = 0;
            if (OnCompare)
                OnCompare(this, TCell(cells_.get(), col, a), TCell(cells_.get(), col, b), result);
            return result;
        });
        break;
    }
    case stNumeric: {
        const auto keys = Keys<double>(rows, [&](int r) { return list.AsFloat(r); });
        run([&](int a, int b) { return ThreeWay(keys[std::size_t(a)], keys[std::size_t(b)]); });
        break;
    }
    case stDate: {
        const auto keys = Keys<double>(rows, [&](int r) { return list.AsDateTime(r); });
        run([&](int a, int b) { return ThreeWay(keys[std::size_t(a)], keys[std::size_t(b)]); });
        break;
    }
    case stIP: {
        const auto keys = Keys<std::array<long long, 4>>(rows, [&](int r) { return IpParts(list.AsString(r)); });
        run([&](int a, int b) {
            for (int i = 3; i >= 0; --i)
                if (const int c = ThreeWay(keys[std::size_t(a)][std::size_t(i)], keys[std::size_t(b)][std::size_t(i)]))
                    return c;
            return 0;
        });
        break;
    }
    case stAlphabetic:
    default: {
        const auto keys = Keys<QString>(rows, [&](int r) { return list.AsString(r); });
        run([&](int a, int b) { return keys[std::size_t(a)].compare(keys[std::size_t(b)]); });
        break;
    }
    }
    return order;
}

void TDataGrid::SortColumn(TDgCustomColumn* column, bool ascending)
{
    if (!column || !(column->Options() & coCanSort))
        return;
    const int col = column->Index();
    sortedColumn_ = column;
    if (OnSortColumn)
        OnSortColumn(this, col, ascending);
    const int selected = (selectedRow_ >= 0 && selectedRow_ < RowCount()) ? selectedRow_ : -1;
    const bool full = cells_->SortedColumn() != col || !cells_->SortValid()
        || cells_->SortedAscending() == ascending || (column->Options() & coFullResort);
    int newSelected = selected;
    if (full) {
        const std::vector<int> order = SortedOrder(column, ascending);
        cells_->Permute(order);
        if (selected >= 0)
            newSelected = int(std::find(order.begin(), order.end(), selected) - order.begin());
    } else {
        cells_->Reverse();
        if (selected >= 0)
            newSelected = RowCount() - 1 - selected;
    }
    cells_->RememberSort(col, ascending);
    if (selected >= 0) {
        // The focused row follows its record to its new place.
        SelectCell(selectedColumn_, newSelected);
        ScrollRowIntoView(selectedRow_);
    }
    RecomputeShownBounds();
    InvalidateGrid();
    DgAccessibility::Reset(this);
    if (OnAfterSort)
        OnAfterSort(this, col);
}
