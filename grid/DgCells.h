#pragma once
// The grid's cell store: one flat list of cells per column, one row record per
// row, and the handle (`TCell`) through which callers read and write a cell.
#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"

#include <QString>
#include <bit>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

// Every error the grid raises carries the message the user may see.
class EGridError : public std::runtime_error {
public:
    explicit EGridError(const QString& message);
    const QString& Message() const { return message_; }

private:
    QString message_;
};
// A cell value that does not convert ("'x' is not a valid integer value").
class EConvertError : public EGridError {
    using EGridError::EGridError;
};
// A row index outside the store ("List index out of bounds (7)").
class EListError : public EGridError {
    using EGridError::EGridError;
};

// The values of one cell as painters and text-fit hints see them; only the
// field of the column's kind is filled.
struct TCellInfo {
    bool AsBoolean = false;
    double AsDateTime = 0;
    double AsFloat = 0;
    int AsInteger = 0;
    QString AsString;
    void* AsObject = nullptr;
};

// Cell kind codes a column declares (`ColumnType`); unknown codes hold text.
enum TColumnType : int {
    ctAutoNumber = 0,
    ctBoolean = 1,
    ctDateTime = 3,
    ctFloat = 4,
    ctGuid = 6,
    ctInteger = 7,
    ctString = 8,
    ctVirtual = 11,
};

// Bits of a cell's state byte.
enum TCellFlag : std::uint8_t { cfEmpty = 1, cfQuiet = 2 };

// Rarely used cell fields; a column keeps them apart from its cells, in a
// list made when the first cell needs them, to keep cells small.
struct TCellExtra {
    QString Hint;
    void* Data = nullptr;
};

// Fields every cell kind carries besides its value.
struct TCellBase {
    TColor Color = clWindow;
    TFontStyles FontStyle = 0;
    std::uint8_t State = 0;
};

// One row record.
struct TRow {
    int ChildCount = 0;
    bool Expanded = true;
    int Level = 0;
    int ParentRow = -1;  // row index of the parent, -1 for none
    int RowHeight = 16;
    bool Selected = false;
    bool ParentExpanded = true;
    bool Visible = true;

    bool Shown() const { return Visible && ParentExpanded; }
};

// A column's cells in chunks: the first ones small and doubling
// (16, 16, 32, ... 512 cells) so that short lists stay small, then chunks of
// 1024 cells, so that a long list costs one allocation per thousand cells and
// appending never moves a cell. Slots past the end hold default values.
template <class T>
class TCellChunks {
public:
    std::size_t size() const { return size_; }
    T& operator[](std::size_t i) { return Slot(i); }
    const T& operator[](std::size_t i) const { return const_cast<TCellChunks*>(this)->Slot(i); }

    T& emplace_back()
    {
        if (size_ == capacity_) {
            const std::size_t chunk = ChunkSize(chunks_.size());
            chunks_.push_back(std::make_unique<T[]>(chunk));
            capacity_ += chunk;
        }
        return Slot(size_++);
    }
    void pop_back() { Slot(--size_) = T(); }
    // Opens a default slot at `pos`, moving the cells after it up by one.
    T& insert(std::size_t pos)
    {
        emplace_back();
        for (std::size_t i = size_ - 1; i > pos; --i)
            Slot(i) = std::move(Slot(i - 1));
        return Slot(pos) = T();
    }
    void erase(std::size_t pos)
    {
        for (std::size_t i = pos; i + 1 < size_; ++i)
            Slot(i) = std::move(Slot(i + 1));
        pop_back();
    }
    void reverse()
    {
        for (std::size_t i = 0, j = size_; i + 1 < j; ++i, --j)
            std::swap(Slot(i), Slot(j - 1));
    }
    // New slot i holds old slot order[i].
    void permute(const std::vector<int>& order)
    {
        TCellChunks sorted;
        for (int i : order)
            sorted.emplace_back() = std::move(Slot(std::size_t(i)));
        *this = std::move(sorted);
    }
    // Drops every cell and frees the chunks.
    void clear()
    {
        chunks_.clear();
        chunks_.shrink_to_fit();
        size_ = capacity_ = 0;
    }

private:
    static constexpr std::size_t FirstShift = 4;  // 16 cells
    static constexpr std::size_t LastShift = 10;  // 1024 cells
    static constexpr std::size_t Last = std::size_t(1) << LastShift;
    // Chunks 0 .. LastShift - FirstShift double in size, the ones after hold Last cells.
    static constexpr std::size_t GrowingChunks = LastShift - FirstShift + 1;

    static std::size_t ChunkSize(std::size_t chunk)
    {
        if (chunk >= GrowingChunks)
            return Last;
        return std::size_t(1) << (FirstShift + (chunk == 0 ? 0 : chunk - 1));
    }
    T& Slot(std::size_t i)
    {
        if (i >= Last)
            return chunks_[GrowingChunks - 1 + (i >> LastShift)][i & (Last - 1)];
        // Chunk k > 0 starts at 2^(FirstShift + k - 1), the top bit of i.
        const auto chunk = std::size_t(std::bit_width(i >> FirstShift));
        const std::size_t start = chunk == 0 ? 0 : std::size_t(1) << (FirstShift + chunk - 1);
        return chunks_[chunk][i - start];
    }

    std::vector<std::unique_ptr<T[]>> chunks_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The cells of one column, in row order; the kinds implement it in
// DgCellClasses.h. Conversions raise EConvertError and leave the cell as it was.
class TCellList {
public:
    virtual ~TCellList() = default;
    virtual int ColumnType() const = 0;
    virtual int Count() const = 0;

    virtual void Append(int count, TColor color, TFontStyles style) = 0;
    virtual void Insert(int row, TColor color, TFontStyles style) = 0;
    virtual void Erase(int row) = 0;
    virtual void Clear() = 0;
    // Reorders the cells so that new row i holds old row order[i].
    virtual void Permute(const std::vector<int>& order) = 0;
    virtual void Reverse() = 0;

    virtual TCellBase& Base(int row) = 0;
    virtual const TCellBase& Base(int row) const = 0;
    // The cell's rare fields; null when it never had any.
    virtual const TCellExtra* Extra(int row) const = 0;
    virtual TCellExtra& EnsureExtra(int row) = 0;
    QString Hint(int row) const
    {
        const TCellExtra* extra = Extra(row);
        return extra ? extra->Hint : QString();
    }
    // Only the field of the kind is filled.
    virtual TCellInfo Info(int row) const = 0;

    virtual QString AsString(int row) const = 0;
    virtual void SetAsString(int row, const QString& value) = 0;
    virtual int AsInteger(int row) const = 0;
    virtual void SetAsInteger(int row, int value) = 0;
    virtual bool AsBoolean(int row) const = 0;
    virtual void SetAsBoolean(int row, bool value) = 0;
    virtual double AsFloat(int row) const = 0;
    virtual void SetAsFloat(int row, double value) = 0;
    virtual double AsDateTime(int row) const = 0;
    virtual void SetAsDateTime(int row, double value) = 0;
    virtual void ClearValue(int row) = 0;
};

class TCells;

// A handle on one cell of a store: the store, the column index and the row.
// Writes of a value, `Color` or `Hint` end with the store's change report
// for the handle's own coordinates.
class TCell {
public:
    TCell(TCells* store, int col, int row) : store_(store), col_(col), row_(row) {}

    int Col() const { return col_; }
    int Row() const { return row_; }

    QString AsString() const;
    void SetAsString(const QString& value);
    int AsInteger() const;
    void SetAsInteger(int value);
    bool AsBoolean() const;
    void SetAsBoolean(bool value);
    double AsFloat() const;
    void SetAsFloat(double value);
    double AsDateTime() const;
    void SetAsDateTime(double value);
    void Clear();

    TColor Color() const;
    void SetColor(TColor color);
    QString Hint() const;
    void SetHint(const QString& hint);
    TFontStyles FontStyle() const;
    void SetFontStyle(TFontStyles style);  // no report: shows at the next repaint
    bool Empty() const;
    void SetEmpty(bool empty);
    void* Data() const;
    void SetData(void* data);

private:
    template <class F>
    void Write(F&& change);
    TCellList& List() const;

    TCells* store_;
    int col_;
    int row_;
};

// Cells column by column, row records, and the sort memory.
class TCells {
public:
    static constexpr int MaxColumns = 1025;

    TCells() = default;
    TCells(const TCells&) = delete;
    TCells& operator=(const TCells&) = delete;

    int RowCount() const { return int(rows_.size()); }
    int ColumnCount() const { return int(columns_.size()); }
    int ShownCount() const { return shownCount_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int height) { defaultRowHeight_ = height; }

    // Column lists, in index order.
    void InsertColumn(int index, int columnType);
    void DeleteColumn(int index);
    TCellList& Column(int index) { return *columns_[std::size_t(index)]; }
    const TCellList& Column(int index) const { return *columns_[std::size_t(index)]; }

    TRow& RowRecord(int row) { return rows_[std::size_t(row)]; }
    const TRow& RowRecord(int row) const { return rows_[std::size_t(row)]; }

    // Initial Color and FontStyle of the new cells of each column.
    struct TNewCell {
        TColor Color = clWindow;
        TFontStyles FontStyle = 0;
    };
    void AppendRows(int count, const std::vector<TNewCell>& initial);
    void InsertRow(int row, const std::vector<TNewCell>& initial);
    // Raises EListError for a row outside the store.
    void DeleteRow(int row);
    void ClearRows();

    // Looks a cell up (recorded as the most recent lookup); raises EListError
    // for a row outside the store.
    TCell Cell(int col, int row);
    // Cell(col, row).SetAsString(value) for a cell known to exist: the
    // fill path of every list, spared the handle and the second row check.
    void SetString(int col, int row, const QString& value);
    int LookupCol() const { return lookupCol_; }
    int LookupRow() const { return lookupRow_; }

    // Sort memory: the column the rows were last sorted by and its direction;
    // SortValid says the rows are still in that order.
    int SortedColumn() const { return sortColumn_; }
    bool SortedAscending() const { return sortAscending_; }
    bool SortValid() const { return sortValid_; }
    void RememberSort(int col, bool ascending);
    void InvalidateSort() { sortValid_ = false; }

    // Applies a new row order (new row i = old row order[i]) to every list.
    void Permute(const std::vector<int>& order);
    void Reverse();

    // Receives the change report of every non-quiet cell write.
    std::function<void(int col, int row)> OnCellChanged;

    // Recounts the shown rows after row records changed directly.
    void RecountShown();

private:
    friend class TCell;
    void Report(int col, int row);
    void CheckRow(int row) const;

    std::vector<std::unique_ptr<TCellList>> columns_;
    std::vector<TRow> rows_;
    int shownCount_ = 0;
    int defaultRowHeight_ = 16;
    int lookupCol_ = 0;
    int lookupRow_ = 0;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    bool sortValid_ = false;
};

// The list-index error for `index`.
[[noreturn]] void RaiseListError(int index);
