#include "grid/DgCells.h"

#include "grid/DgCellClasses.h"

#include <algorithm>

EGridError::EGridError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

void RaiseListError(int index)
{
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

// --- TCell ---------------------------------------------------------------

TCellList& TCell::List() const
{
    store_->CheckRow(row_);
    return store_->Column(col_);
}

template <class F>
void TCell::Write(F&& change)
{
    TCellList& list = List();
    change(list);
    if (!(list.Base(row_).State & cfQuiet))
        store_->Report(col_, row_);
}

QString TCell::AsString() const { return List().AsString(row_); }
int TCell::AsInteger() const { return List().AsInteger(row_); }
bool TCell::AsBoolean() const { return List().AsBoolean(row_); }
double TCell::AsFloat() const { return List().AsFloat(row_); }
double TCell::AsDateTime() const { return List().AsDateTime(row_); }
TColor TCell::Color() const { return List().Base(row_).Color; }
QString TCell::Hint() const { return List().Hint(row_); }
TFontStyles TCell::FontStyle() const { return List().Base(row_).FontStyle; }
bool TCell::Empty() const { return List().Base(row_).State & cfEmpty; }
void* TCell::Data() const
{
    const TCellExtra* extra = List().Extra(row_);
    return extra ? extra->Data : nullptr;
}

void TCell::SetAsString(const QString& value)
{
    Write([&](TCellList& l) { l.SetAsString(row_, value); });
}
void TCell::SetAsInteger(int value)
{
    Write([&](TCellList& l) { l.SetAsInteger(row_, value); });
}
void TCell::SetAsBoolean(bool value)
{
    Write([&](TCellList& l) { l.SetAsBoolean(row_, value); });
}
void TCell::SetAsFloat(double value)
{
    Write([&](TCellList& l) { l.SetAsFloat(row_, value); });
}
void TCell::SetAsDateTime(double value)
{
    Write([&](TCellList& l) { l.SetAsDateTime(row_, value); });
}
void TCell::Clear()
{
    Write([&](TCellList& l) { l.ClearValue(row_); });
}
void TCell::SetColor(TColor color)
{
    Write([&](TCellList& l) { l.Base(row_).Color = color; });
}
void TCell::SetHint(const QString& hint)
{
    Write([&](TCellList& l) {
        if (!hint.isEmpty() || l.Extra(row_))
            l.EnsureExtra(row_).Hint = hint;
    });
}
void TCell::SetFontStyle(TFontStyles style) { List().Base(row_).FontStyle = style; }
void TCell::SetEmpty(bool empty)
{
    std::uint8_t& state = List().Base(row_).State;
    state = empty ? (state | cfEmpty) : (state & ~cfEmpty);
}
void TCell::SetData(void* data) { List().EnsureExtra(row_).Data = data; }

// --- TCells --------------------------------------------------------------

void TCells::InsertColumn(int index, int columnType)
{
    if (ColumnCount() >= MaxColumns)
        throw EGridError(QStringLiteral("A grid holds at most %1 columns").arg(MaxColumns));
    auto list = MakeCellList(columnType);
    list->Append(RowCount(), clWindow, 0);
    columns_.insert(columns_.begin() + index, std::move(list));
    sortValid_ = false;
}

void TCells::DeleteColumn(int index)
{
    columns_.erase(columns_.begin() + index);
    if (sortColumn_ == index)
        sortValid_ = false;
    if (sortColumn_ > index)
        --sortColumn_;
}

void TCells::AppendRows(int count, const std::vector<TNewCell>& initial)
{
    TRow row;
    row.RowHeight = defaultRowHeight_;
    rows_.insert(rows_.end(), std::size_t(count), row);
    for (std::size_t c = 0; c < columns_.size(); ++c)
        columns_[c]->Append(count, initial[c].Color, initial[c].FontStyle);
    shownCount_ += count;
    sortValid_ = false;
}

void TCells::InsertRow(int row, const std::vector<TNewCell>& initial)
{
    if (row < 0 || row > RowCount())
        RaiseListError(row);
    TRow record;
    record.RowHeight = defaultRowHeight_;
    rows_.insert(rows_.begin() + row, record);
    for (std::size_t c = 0; c < columns_.size(); ++c)
        columns_[c]->Insert(row, initial[c].Color, initial[c].FontStyle);
    ++shownCount_;
    sortValid_ = false;
}

void TCells::DeleteRow(int row)
{
    CheckRow(row);
    const bool shown = rows_[std::size_t(row)].Shown();
    for (auto& list : columns_)
        list->Erase(row);
    rows_.erase(rows_.begin() + row);
    if (shown)
        --shownCount_;
}

void TCells::ClearRows()
{
    for (auto& list : columns_)
        list->Clear();
    rows_.clear();
    shownCount_ = 0;
    sortValid_ = false;
}

TCell TCells::Cell(int col, int row)
{
    CheckRow(row);
    lookupCol_ = col;
    lookupRow_ = row;
    return TCell(this, col, row);
}

void TCells::SetString(int col, int row, const QString& value)
{
    lookupCol_ = col;
    lookupRow_ = row;
    TCellList& list = Column(col);
    list.SetAsString(row, value);
    if (!(list.Base(row).State & cfQuiet))
        Report(col, row);
}

void TCells::RememberSort(int col, bool ascending)
{
    sortColumn_ = col;
    sortAscending_ = ascending;
    sortValid_ = true;
}

void TCells::Permute(const std::vector<int>& order)
{
    for (auto& list : columns_)
        list->Permute(order);
    std::vector<TRow> rows;
    rows.reserve(rows_.size());
    for (int i : order)
        rows.push_back(rows_[std::size_t(i)]);
    rows_ = std::move(rows);
}

void TCells::Reverse()
{
    for (auto& list : columns_)
        list->Reverse();
    std::reverse(rows_.begin(), rows_.end());
}

void TCells::RecountShown()
{
    shownCount_ = int(std::count_if(rows_.begin(), rows_.end(), [](const TRow& r) { return r.Shown(); }));
}

void TCells::Report(int col, int row)
{
    sortValid_ = false;
    if (OnCellChanged)
        OnCellChanged(col, row);
}

void TCells::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount())
        RaiseListError(row);
}
