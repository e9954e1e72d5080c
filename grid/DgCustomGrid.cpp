#include "grid/DgCustomGrid.h"

#include "grid/DgAccessible.h"

#include "grid/DgCellClasses.h"
#include "grid/DgColumnClasses.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

// ===========================================================================
// TDgCustomGridControl
// ===========================================================================

TDgCustomGridControl::TDgCustomGridControl(QWidget* parent) : TDgScrollControl(parent)
{
    displays_[hsAuto] = std::make_unique<TDefaultStyleDisplay>();
    displays_[hsFlatBorders] = std::make_unique<TFlatStyleDisplay>();
    displays_[hsOffice2007] = std::make_unique<TOffice2007StyleDisplay>();
    displays_[hsOffice2010] = std::make_unique<TOffice2010StyleDisplay>();
    displays_[hsOldStyle] = std::make_unique<TOldStyleDisplay>();
    displays_[hsOutlook] = std::make_unique<TOutlookStyleDisplay>();
    displays_[hsVista] = std::make_unique<TVistaStyleDisplay>();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    RecalcGridLines();
}

TDgCustomGridControl::~TDgCustomGridControl()
{
    // Columns call back into the grid while they go.
    destroying_ = true;
    columns_.Clear();
}

int TDgCustomGridControl::RowCount() const
{
    return store_ ? store_->RowCount() : 0;
}

// --- properties -------------------------------------------------------------

void TDgCustomGridControl::SetAppearanceOptions(TAppearanceOptions value)
{
    appearance_ = value;
    RecalcGridLines();
    InvalidateGrid();
}

void TDgCustomGridControl::SetCaption(const QString& value)
{
    caption_ = value;
    InvalidateData();
}

void TDgCustomGridControl::SetColor(TColor value)
{
    color_ = value;
    InvalidateGrid();
}

void TDgCustomGridControl::SetEnableVisualStyles(bool value)
{
    enableVisualStyles_ = value;
    InvalidateGrid();
}

void TDgCustomGridControl::SetFixedCols(int value)
{
    fixedCols_ = std::max(0, value);
    RecalcColumns();
    InvalidateGrid();
}

void TDgCustomGridControl::SetFont(const TFontDesc& value)
{
    font_ = value;
    for (int i = 0; i < columns_.Count(); ++i)
        columns_[i]->GridFontChanged(value);
    InvalidateGrid();
}

void TDgCustomGridControl::SetFooterSize(int value)
{
    footerSize_ = value;
    UpdateVertScrollBar();
    InvalidateGrid();
}

void TDgCustomGridControl::SetGridLinesColor(TColor value)
{
    gridLinesColor_ = value;
    InvalidateData();
}

void TDgCustomGridControl::SetGridLinesStyle(TGridLinesStyle value)
{
    gridLinesStyle_ = value;
    RecalcGridLines();
    InvalidateGrid();
}

void TDgCustomGridControl::SetHeaderSize(int value)
{
    headerSize_ = std::max(0, value);
    UpdateVertScrollBar();
    InvalidateGrid();
}

void TDgCustomGridControl::SetHeaderStyle(THeaderStyle value)
{
    headerStyle_ = value;
    InvalidateGrid();
}

void TDgCustomGridControl::SetHighlightedTextColor(TColor value)
{
    highlightedTextColor_ = value;
    InvalidateData();
}

void TDgCustomGridControl::SetInactiveSelectionColor(TColor value)
{
    inactiveSelectionColor_ = value;
    InvalidateData();
}

void TDgCustomGridControl::SetInputSize(int value)
{
    inputSize_ = value;
    InvalidateGrid();
}

void TDgCustomGridControl::SetOptions(TGridOptions value)
{
    options_ = value;
    RecalcGridLines();
    RecalcColumns();
    UpdateHorzScrollBar();
    UpdateVertScrollBar();
    InvalidateGrid();
}

void TDgCustomGridControl::SetRowSize(int value)
{
    if (value <= 0)
        return;
    rowSize_ = value;
    if (store_)
        store_->SetDefaultRowHeight(value);
}

void TDgCustomGridControl::SetSelectionColor(TColor value)
{
    selectionColor_ = value;
    InvalidateData();
}

void TDgCustomGridControl::SetSortedStyle(TSortedStyle value)
{
    sortedStyle_ = value;
    InvalidateData();
}

// --- geometry -----------------------------------------------------------------

void TDgCustomGridControl::RecalcGridLines()
{
    lines_ = {};
    if (!(options_ & goGrid))
        return;
    const bool threeD = appearance_ & ao3DGridLines;
    if (gridLinesStyle_ != lsHorizontalOnly && gridLinesStyle_ != lsActiveHorzOnly) {
        lines_.Right = 1;
        lines_.Left = threeD ? 1 : 0;
    }
    if (gridLinesStyle_ != lsVerticalOnly) {
        lines_.Bottom = 1;
        lines_.Top = threeD ? 1 : 0;
    }
}

void TDgCustomGridControl::RecalcColumns()
{
    columns_.Recalculate(DataLeft(), fixedCols_);
}

int TDgCustomGridControl::DataLeft() const
{
    return (options_ & goIndicator) ? IndicatorWidth : 0;
}

int TDgCustomGridControl::DataTop() const
{
    int top = (options_ & goHeader) ? headerSize_ : 0;
    if (options_ & goInput)
        top += inputSize_ + 6 + lines_.Bottom;
    return top;
}

int TDgCustomGridControl::DataBottom() const
{
    int bottom = ClientHeight();
    if (options_ & goFooter)
        bottom -= footerSize_ + 4 + lines_.Bottom;
    return bottom;
}

int TDgCustomGridControl::HorzScroll() const
{
    return HorzScrollBar().Position();
}

QRect TDgCustomGridControl::DataRect() const
{
    const int right = std::min(ClientWidth(), DataLeft() + columns_.TotalWidth() - HorzScroll());
    return QRect(QPoint(DataLeft(), DataTop()), QPoint(right - 1, DataBottom() - 1));
}

bool TDgCustomGridControl::IsShown(int row) const
{
    return store_ && row >= 0 && row < store_->RowCount() && store_->RowRecord(row).Shown();
}

int TDgCustomGridControl::NextShown(int row) const
{
    for (int r = row + 1; r < RowCount(); ++r)
        if (IsShown(r))
            return r;
    return -1;
}

int TDgCustomGridControl::PrevShown(int row) const
{
    for (int r = std::min(row, RowCount()) - 1; r >= 0; --r)
        if (IsShown(r))
            return r;
    return -1;
}

int TDgCustomGridControl::FirstShown() const
{
    return NextShown(-1);
}

int TDgCustomGridControl::LastShown() const
{
    return PrevShown(RowCount());
}

void TDgCustomGridControl::RecomputeShownBounds()
{
    firstShownRow_ = std::max(0, FirstShown());
    lastShownRow_ = LastShown();
}

int TDgCustomGridControl::RowHeight(int row) const
{
    return (store_ && row >= 0 && row < store_->RowCount()) ? store_->RowRecord(row).RowHeight : rowSize_;
}

int TDgCustomGridControl::RowTop(int row) const
{
    const int pitchExtra = lines_.Top + lines_.Bottom;
    int y = DataTop() + lines_.Top;
    if (row < firstVisibleRow_) {
        for (int r = firstVisibleRow_ - 1; r >= row; --r)
            if (r >= RowCount() || IsShown(r))
                y -= RowHeight(r) + pitchExtra;
        return y;
    }
    const int limit = ClientHeight();
    for (int r = firstVisibleRow_; r < row && y <= limit; ++r)
        if (r >= RowCount() || IsShown(r))
            y += RowHeight(r) + pitchExtra;
    return y;
}

QRect TDgCustomGridControl::CellRect(int col, int row) const
{
    const TDgCustomColumn* column = columns_[col];
    const int scroll = column->Position() < fixedCols_ ? 0 : HorzScroll();
    return QRect(column->Left() - scroll, RowTop(row), column->Width(), RowHeight(row));
}

QRect TDgCustomGridControl::HeaderRect(int col) const
{
    const TDgCustomColumn* column = columns_[col];
    const int scroll = column->Position() < fixedCols_ ? 0 : HorzScroll();
    return QRect(column->Left() - scroll, 0, column->Width(), headerSize_);
}

int TDgCustomGridControl::ColumnAt(int x) const
{
    for (int p = 0; p < columns_.Count(); ++p) {
        const TDgCustomColumn* column = columns_.ByPosition(p);
        if (!column->Visible())
            continue;
        const int scroll = p < fixedCols_ ? 0 : HorzScroll();
        const int left = column->Left() - scroll;
        if (left <= x && x <= left + column->Width())
            return column->Index();
    }
    return -1;
}

int TDgCustomGridControl::RowAt(int y) const
{
    if (y < DataTop() || y >= DataBottom())
        return -1;
    int top = DataTop();
    for (int r = firstVisibleRow_; r < RowCount() && top <= DataBottom(); ++r) {
        if (!IsShown(r))
            continue;
        if (top + RowHeight(r) + lines_.Top >= y)
            return r;
        top += RowHeight(r) + lines_.Top + lines_.Bottom;
    }
    return -1;
}

int TDgCustomGridControl::FullyVisibleRows() const
{
    const int pitchExtra = lines_.Top + lines_.Bottom;
    int y = DataTop();
    int count = 0;
    for (int r = firstVisibleRow_;; ++r) {
        if (r < RowCount() && !IsShown(r))
            continue;
        y += RowHeight(r) + pitchExtra;
        if (y > DataBottom())
            return count;
        ++count;
    }
}

// --- scroll bars and scrolling ------------------------------------------------

void TDgCustomGridControl::UpdateVertScrollBar()
{
    if (updateCount_ > 0)
        return;
    const int shown = store_ ? store_->ShownCount() : 0;
    const int fit = FullyVisibleRows();
    const int max = (shown <= 1 || shown <= fit) ? 0 : shown;
    VertScrollBar().SetParams(max, fit + 1, 1, fit + 1);
}

void TDgCustomGridControl::UpdateHorzScrollBar()
{
    const int max = columns_.TotalWidth() + DataLeft();
    const int page = ClientWidth() + 1;
    HorzScrollBar().SetParams(page < max ? max : 0, page, 5, page - 10);
}

void TDgCustomGridControl::SetFirstVisibleRow(int row)
{
    int position = row;
    if (store_ && store_->ShownCount() != store_->RowCount()) {
        position = 0;
        for (int r = 0; r < row && r < RowCount(); ++r)
            position += IsShown(r) ? 1 : 0;
    }
    VertScrollBar().SetPosition(position);
}

void TDgCustomGridControl::VertScrolled(int, int newPos)
{
    int row = newPos;
    if (store_ && store_->ShownCount() != store_->RowCount()) {
        // The bar counts shown rows only.
        row = FirstShown();
        for (int skipped = 0; row >= 0 && skipped < newPos; ++skipped)
            row = NextShown(row);
        row = std::max(row, 0);
    }
    firstVisibleRow_ = row;
    InvalidateGrid();
    if (OnVerticalScroll)
        OnVerticalScroll(this, newPos);
}

void TDgCustomGridControl::HorzScrolled(int, int newPos)
{
    InvalidateGrid();
    if (OnHorizontalScroll)
        OnHorizontalScroll(this, newPos);
}

void TDgCustomGridControl::WheelNotch(bool down, bool page)
{
    TDgScrollBar& vert = VertScrollBar();
    TDgScrollBar& horz = HorzScrollBar();
    if (!vert.HasRange() && horz.HasRange()) {
        const int step = page ? horz.LargeChange() : horz.SmallChange();
        horz.SetPosition(horz.Position() + (down ? step : -step));
        return;
    }
    const int step = page ? vert.LargeChange() : vert.SmallChange();
    vert.SetPosition(vert.Position() + (down ? step : -step));
}

void TDgCustomGridControl::RollStep(bool down)
{
    VertScrollBar().SetPosition(VertScrollBar().Position() + (down ? 1 : -1));
}

void TDgCustomGridControl::ScrollRowIntoView(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    if (row < firstVisibleRow_) {
        SetFirstVisibleRow(row);
        return;
    }
    int top = RowTop(row);
    int first = firstVisibleRow_;
    // Advance the top row until the row's bottom is inside the data area.
    while (top + RowHeight(row) > DataBottom() && first < row) {
        const int next = NextShown(first);
        if (next < 0)
            break;
        top -= RowHeight(first) + lines_.Top + lines_.Bottom;
        first = next;
    }
    if (first != firstVisibleRow_)
        SetFirstVisibleRow(first);
}

void TDgCustomGridControl::ScrollColumnIntoView(int col)
{
    if (col < 0 || col >= columns_.Count() || !columns_[col]->Visible()
        || columns_[col]->Position() < fixedCols_)
        return;
    const TDgCustomColumn* column = columns_[col];
    const int fixedRight = DataLeft() + columns_.FixedWidth();
    const int left = column->Left() - HorzScroll();
    const int right = left + column->Width();
    if (left < fixedRight)
        HorzScrollBar().SetPosition(HorzScroll() - (fixedRight - left));
    else if (right > ClientWidth())
        HorzScrollBar().SetPosition(HorzScroll() + std::min(right - ClientWidth(), left - fixedRight));
}

// --- automatic widths -------------------------------------------------------------

void TDgCustomGridControl::DistributeAutoWidths(const TDgCustomColumn* start, bool includeStart)
{
    if (Loading() || distributing_)
        return;
    const int indicator = (options_ & goIndicator) ? IndicatorWidth : 0;
    int place = 0;
    int offset = 0;
    if (start) {
        place = start->Position() + (includeStart ? 0 : 1);
        offset = start->Left() + ((includeStart || !start->Visible()) ? 0 : start->Width()) - indicator;
    }
    const int available = ClientWidth() - (gridStyle_ == gsReport ? indicator : 0);
    long long total = 0;
    int fixed = 0;
    for (int p = place; p < columns_.Count(); ++p) {
        const TDgCustomColumn* c = columns_.ByPosition(p);
        if (!c->Visible())
            continue;
        if (c->Options() & coAutoSize)
            total += c->Width();
        else
            fixed += c->Width();
    }
    if (total <= 0)
        return;
    const double room = double(available - offset - fixed);
    std::vector<std::pair<TDgCustomColumn*, int>> widths;
    for (int p = place; p < columns_.Count(); ++p) {
        TDgCustomColumn* c = columns_.ByPosition(p);
        if (c->Visible() && (c->Options() & coAutoSize))
            widths.emplace_back(c, DgConvert::RoundHalfEven(c->Width() / double(total) * room));
    }
    distributing_ = true;
    for (auto& [column, width] : widths)
        column->SetWidth(width);
    distributing_ = false;
}

// --- column notifications -----------------------------------------------------------

void TDgCustomGridControl::ColumnChanged(TDgCustomColumn* column, TColumnChange change,
                                         std::uint32_t oldValue)
{
    const int index = column->Index();
    switch (change) {
    case TColumnChange::Strip: InvalidateColumn(index); break;
    case TColumnChange::HeaderCell: InvalidateHeader(index); break;
    case TColumnChange::DataCells:
    case TColumnChange::InputCell: InvalidateColumn(index); break;
    case TColumnChange::Position:
        RecalcColumns();
        if (OnColumnMove)
            OnColumnMove(this, index, int(oldValue), column->Position());
        InvalidateGrid();
        break;
    case TColumnChange::Visible:
        RecalcColumns();
        DistributeAutoWidths();
        UpdateHorzScrollBar();
        InvalidateGrid();
        break;
    case TColumnChange::Width:
        RecalcColumns();
        InvalidateGrid();
        if (OnColumnResize)
            OnColumnResize(this, index);
        UpdateHorzScrollBar();
        DistributeAutoWidths(column, false);
        break;
    case TColumnChange::Options:
        if (!((oldValue & coAutoSize) && (column->Options() & coAutoSize)))
            DistributeAutoWidths(column, true);
        InvalidateColumn(index);
        break;
    case TColumnChange::Sort:
        sortedColumn_ = column;
        InvalidateHeader(index);
        break;
    case TColumnChange::Unsorted:
        if (sortedColumn_ == column)
            sortedColumn_ = nullptr;
        InvalidateHeader(index);
        if (appearance_ & aoIndicateSortedColumn)
            InvalidateColumn(index);
        break;
    }
}

void TDgCustomGridControl::ColumnInserted(TDgCustomColumn*)
{
    RecalcColumns();
    DistributeAutoWidths();
    UpdateHorzScrollBar();
    InvalidateGrid();
}

void TDgCustomGridControl::ColumnRemoved(int)
{
    if (destroying_)
        return;
    if (sortedColumn_ && sortedColumn_->Index() < 0)
        sortedColumn_ = nullptr;
    if (selectedColumn_ >= columns_.Count())
        selectedColumn_ = std::max(0, columns_.Count() - 1);
    RecalcColumns();
    DistributeAutoWidths();
    UpdateHorzScrollBar();
    InvalidateGrid();
}

// --- invalidation ---------------------------------------------------------------------

void TDgCustomGridControl::InvalidateCell(int col, int row)
{
    if (col < 0 || col >= columns_.Count())
        return;
    const QRect r = CellRect(col, row).adjusted(-lines_.Left, -lines_.Top, 0, lines_.Bottom);
    viewport()->update(r);
}

void TDgCustomGridControl::InvalidateRow(int row)
{
    const int top = RowTop(row);
    viewport()->update(QRect(0, top - lines_.Top, ClientWidth(), RowHeight(row) + lines_.Top + lines_.Bottom));
}

void TDgCustomGridControl::InvalidateColumn(int col)
{
    if (col < 0 || col >= columns_.Count())
        return;
    const QRect h = HeaderRect(col);
    viewport()->update(QRect(h.left() - lines_.Left, 0, h.width() + lines_.Left, ClientHeight()));
}

void TDgCustomGridControl::InvalidateHeader(int col)
{
    if (col >= 0 && col < columns_.Count())
        viewport()->update(HeaderRect(col));
}

void TDgCustomGridControl::InvalidateData()
{
    viewport()->update(QRect(0, DataTop(), ClientWidth(), ClientHeight() - DataTop()));
}

void TDgCustomGridControl::InvalidateGrid()
{
    viewport()->update();
}

// --- selection -------------------------------------------------------------------------

bool TDgCustomGridControl::ShowsFocus() const
{
    return hasFocus();
}

bool TDgCustomGridControl::IsCellSelected(int col, int row) const
{
    if (columns_[col]->Options() & coDontHighlight)
        return false;
    if (!ShowsFocus() && (appearance_ & aoHideSelection))
        return false;
    if (gridStyle_ == gsSlides && !(appearance_ & aoHighlightSlideCells))
        return false;
    if (options_ & goSelectFullRow) {
        if (!store_->RowRecord(row).Selected)
            return false;
        return !(col == selectedColumn_ && row == selectedRow_ && (appearance_ & aoIndicateSelectedCell));
    }
    return col == selectedColumn_ && row == selectedRow_;
}

void TDgCustomGridControl::SelectCell(int col, int row, Qt::KeyboardModifiers)
{
    bool accept = true;
    if (OnBeforeSelect)
        OnBeforeSelect(this, col, row, accept);
    if (!accept || col < 0 || col >= columns_.Count() || !columns_[col]->Enabled())
        return;
    const int oldCol = selectedColumn_;
    const int oldRow = selectedRow_;
    selectedColumn_ = col;
    selectedRow_ = row;
    if ((oldCol != col || oldRow != row) && OnDeselectCell && oldCol >= 0 && oldCol < columns_.Count()
        && oldRow >= 0 && oldRow < RowCount())
        OnDeselectCell(this, oldCol, oldRow);
    if (autoScroll_ && row >= 0 && row < RowCount())
        ScrollRowIntoView(row);
    if (RowCount() == 0)
        return;
    if (!(options_ & goSelectFullRow)) {
        InvalidateCell(oldCol, oldRow);
        InvalidateCell(col, row);
    } else {
        if (oldRow == row && (appearance_ & aoIndicateSelectedCell) && oldCol != col) {
            InvalidateCell(oldCol, oldRow);
            InvalidateCell(col, row);
        }
        if (oldRow != row && oldRow >= 0 && oldRow < RowCount())
            store_->RowRecord(oldRow).Selected = false;
        if (row >= 0 && row < RowCount())
            store_->RowRecord(row).Selected = true;
        if (updateCount_ == 0) {
            InvalidateRow(oldRow);
            InvalidateRow(row);
        }
    }
    if (oldCol != col || oldRow != row)
        DgAccessibility::FocusMoved(this, col, row);
    if (OnSelectCell)
        OnSelectCell(this, col, row);
}

QString TDgCustomGridControl::CellHintText(int col, int row)
{
    if (!store_ || col < 0 || col >= columns_.Count() || row < 0 || row >= RowCount())
        return {};
    QString value = store_->Column(col).Hint(row);
    if (OnCellHint)
        OnCellHint(this, col, row, value);
    return value;
}

// --- events ------------------------------------------------------------------------------

bool TDgCustomGridControl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        QPainter painter(viewport());
        PaintGrid(painter, static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    return TDgScrollControl::viewportEvent(event);
}

void TDgCustomGridControl::resizeEvent(QResizeEvent* event)
{
    TDgScrollControl::resizeEvent(event);
    gotClientWidth_ = true;
    if (ClientWidth() != lastClientWidth_) {
        lastClientWidth_ = ClientWidth();
        DistributeAutoWidths();
        UpdateHorzScrollBar();
    }
    UpdateVertScrollBar();
    InvalidateGrid();
}

void TDgCustomGridControl::focusInEvent(QFocusEvent* event)
{
    TDgScrollControl::focusInEvent(event);
    InvalidateData();
}

void TDgCustomGridControl::focusOutEvent(QFocusEvent* event)
{
    TDgScrollControl::focusOutEvent(event);
    InvalidateData();
}
