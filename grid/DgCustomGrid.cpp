#include "grid/DgCustomGrid.h"

#include "grid/DgCellClasses.h"
#include "grid/DgColumnClasses.h"
#include "toolkit/Resources.h"

#include <QCursor>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {

// Each channel times 245/256, truncated.
TColor Darker(TColor c)
{
    const QColor q = ColorToQColor(c);
    return QColorToColor(QColor(q.red() * 245 / 256, q.green() * 245 / 256, q.blue() * 245 / 256));
}

int BlendChannel(int highlight, int background)
{
    return int(std::nearbyint(highlight * 0.25 + background * 0.75));
}

// The platform's dotted focus rectangle: every other pixel inverted.
void DrawFocusRect(QPainter& painter, const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    const int right = r.left() + r.width() - 1;
    const int bottom = r.top() + r.height() - 1;
    for (int x = r.left(); x <= right; x += 2) {
        painter.drawPoint(x, r.top());
        if (bottom != r.top() && ((bottom - r.top()) % 2 == 0 || x + 1 <= right))
            painter.drawPoint(x + (bottom - r.top()) % 2, bottom);
    }
    for (int y = r.top() + 2; y < bottom; y += 2) {
        painter.drawPoint(r.left(), y);
        painter.drawPoint(right, y + (right - r.left()) % 2);
    }
    painter.restore();
}

}  // namespace

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
    if (OnSelectCell)
        OnSelectCell(this, col, row);
}

QString TDgCustomGridControl::CellHintText(int col, int row)
{
    if (!store_ || col < 0 || col >= columns_.Count() || row < 0 || row >= RowCount())
        return {};
    QString value = store_->Column(col).Base(row).Hint();
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

// --- painting -----------------------------------------------------------------------------

bool TDgCustomGridControl::SkipColumn(const TDgCustomColumn* column, int clientWidth) const
{
    if (!column->Visible())
        return true;
    const bool fixed = column->Position() < fixedCols_;
    const int scroll = fixed ? 0 : HorzScroll();
    const int left = column->Left() - scroll;
    const int right = left + column->Width();
    if (!fixed && right < DataLeft() + columns_.FixedWidth())
        return true;
    return left > clientWidth || right < 0;
}

QColor TDgCustomGridControl::SelectionBackground(TColor background) const
{
    if (!ShowsFocus())
        return ColorToQColor(inactiveSelectionColor_);
    if (appearance_ & aoAlphaBlendedSelection) {
        const QColor h = ColorToQColor(clHighlight);
        const QColor b = ColorToQColor(background);
        return QColor(BlendChannel(h.red(), b.red()), BlendChannel(h.green(), b.green()),
                      BlendChannel(h.blue(), b.blue()));
    }
    return ColorToQColor(selectionColor_);
}

void TDgCustomGridControl::PaintGrid(QPainter& painter, const QRect& clip)
{
    canvas_ = &painter;
    fontCache_.clear();
    paintFont_ = nullptr;
    paintPenSet_ = false;
    lastVisibleColumn_ = -1;
    for (int p = columns_.Count() - 1; p >= 0 && lastVisibleColumn_ < 0; --p)
        if (columns_.ByPosition(p)->Visible())
            lastVisibleColumn_ = columns_.ByPosition(p)->Index();
    PaintRows(painter, clip);
    PaintHeader(painter, clip);
    const int width = ClientWidth();
    const int lastRight = DataLeft() + columns_.TotalWidth() - HorzScroll();
    if (lastRight < width)
        painter.fillRect(QRect(lastRight, 0, width - lastRight, ClientHeight()), ColorToQColor(color_));
    if (options_ & goIndicator)
        painter.fillRect(QRect(0, 0, IndicatorWidth, ClientHeight()), ColorToQColor(clBtnFace));
    if (options_ & goFooter)
        painter.fillRect(QRect(0, DataBottom(), width, ClientHeight() - DataBottom()), ColorToQColor(clBtnFace));
    if (!store_ || store_->ShownCount() == 0) {
        painter.setFont(MakeFont(font_));
        painter.setPen(ColorToQColor(isEnabled() ? font_.Color : clGrayText));
        const int h = QFontMetrics(painter.font()).height();
        const QRect r(QPoint(DataLeft() - HorzScroll(), DataTop() + 4),
                      QPoint(width - HorzScroll() - 1, DataTop() + 4 + h - 1));
        DrawFormattedText(painter, r, caption_, tfCenter | tfSingleLine | tfEndEllipsis);
    }
    PaintOverlay(painter);
    if (OnPostDraw)
        OnPostDraw(this);
    canvas_ = nullptr;
}

void TDgCustomGridControl::PaintOverlay(QPainter&) {}

const QFont& TDgCustomGridControl::CachedFont(const TFontDesc& desc, TFontStyles style)
{
    for (auto& [key, font] : fontCache_)
        if (key.first == desc && key.second == style)
            return font;
    fontCache_.emplace_back(std::make_pair(desc, style), MakeFont(desc.Name, desc.Height, style));
    return fontCache_.back().second;
}

void TDgCustomGridControl::SetPaintFont(QPainter& painter, const QFont& font)
{
    if (paintFont_ == &font)
        return;
    painter.setFont(font);
    paintFont_ = &font;
}

void TDgCustomGridControl::SetPaintPen(QPainter& painter, const QColor& color)
{
    if (paintPenSet_ && paintPen_ == color.rgb())
        return;
    painter.setPen(color);
    paintPen_ = color.rgb();
    paintPenSet_ = true;
}

QRect TDgCustomGridControl::CellRectAt(const TDgCustomColumn* column, int row, int top) const
{
    const int scroll = column->Position() < fixedCols_ ? 0 : HorzScroll();
    return QRect(column->Left() - scroll, top, column->Width(), RowHeight(row));
}

bool TDgCustomGridControl::ClipCell(QPainter& painter, QRect& rect, const TDgCustomColumn* column)
{
    const int fixedRight = DataLeft() + columns_.FixedWidth();
    const bool overFixed = column->Position() >= fixedCols_ && rect.left() < fixedRight;
    if (overFixed)
        rect.setLeft(fixedRight);
    QRect clipRect = rect.adjusted(-lines_.Left, -lines_.Top, 0, lines_.Bottom);
    const bool pastBottom = clipRect.bottom() >= DataBottom();
    if (!overFixed && !pastBottom)
        return false;
    clipRect.setBottom(std::min(clipRect.bottom(), DataBottom() - 1));
    painter.setClipRect(clipRect);
    return true;
}

void TDgCustomGridControl::PaintRows(QPainter& painter, const QRect& clip)
{
    const int width = ClientWidth();
    const int bottom = DataBottom();
    const int pitchExtra = lines_.Top + lines_.Bottom;
    int y = DataTop();
    for (int r = firstVisibleRow_; y < bottom; ++r) {
        const bool real = r < RowCount();
        if (real && !IsShown(r))
            continue;
        const int height = RowHeight(r);
        const QRect band(0, y, width, height + pitchExtra);
        if (band.intersects(clip)) {
            for (int p = 0; p < columns_.Count(); ++p) {
                TDgCustomColumn* column = columns_.ByPosition(p);
                if (SkipColumn(column, width))
                    continue;
                if (real)
                    PaintCell(painter, clip, column, r, y + lines_.Top);
                else
                    PaintEmptyCell(painter, clip, column, r, y + lines_.Top);
            }
        }
        y += height + pitchExtra;
    }
    if (options_ & goSelectFullRow)
        PaintFocusRect(painter);
}

void TDgCustomGridControl::PaintCellLines(QPainter& painter, const QRect& r, int col, int row,
                                          TColor gridColor, bool realRow)
{
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const QColor grid = ColorToQColor(gridColor);
    const QColor black(Qt::black);
    if (lines_.Bottom > 0) {
        const bool framed = gridLinesStyle_ == lsFramed && realRow && row == RowCount() - 1;
        painter.fillRect(left, bottom, r.width(), 1, framed ? black : grid);
    }
    if (lines_.Top > 0)
        painter.fillRect(left, top - 1, r.width(), 1, ColorToQColor(clBtnHighlight));
    if (lines_.Left > 0)
        painter.fillRect(left, top - 1, 1, bottom - top + 1, ColorToQColor(clBtnHighlight));
    if (lines_.Right > 0) {
        const bool framed = gridLinesStyle_ == lsFramed && col == lastVisibleColumn_ && realRow;
        painter.fillRect(right - 1, top - 1, 1, bottom - top + 1, framed ? black : grid);
    }
}

void TDgCustomGridControl::PaintCell(QPainter& painter, const QRect& clip, TDgCustomColumn* column, int row,
                                     int top)
{
    const int col = column->Index();
    QRect rect = CellRectAt(column, row, top);
    if (!rect.adjusted(-lines_.Left, -lines_.Top, 0, lines_.Bottom).intersects(clip))
        return;
    const TCellList& cells = store_->Column(col);
    const TCellBase& cell = cells.Base(row);

    TColor background = column->ParentCellColor() ? column->Color() : cell.Color;
    if ((appearance_ & aoIndicateSortedColumn) && column->Sorted())
        background = Darker(background);
    const bool selected = IsCellSelected(col, row);
    TCellState state = 0;
    if (selected)
        state |= csSelected | ((appearance_ & aoBoldTextSelection) ? csBoldTextSelection : 0);
    if (ShowsFocus() && !(appearance_ & aoHideFocus))
        state |= csFocused;

    TColor cellColor = background;
    TColor gridColor = gridLinesColor_;
    if (OnCellColoring)
        OnCellColoring(this, col, row, cellColor, gridColor, state);
    QColor fill = selected ? SelectionBackground(cellColor) : ColorToQColor(cellColor);
    if (column->Sorted() && !selected) {
        if (sortedStyle_ == soDarker)
            fill = ColorToQColor(Darker(cellColor));
        else if (sortedStyle_ == soWhite)
            fill = Qt::white;
    }

    const bool clipped = ClipCell(painter, rect, column);
    if (options_ & goGrid)
        PaintCellLines(painter, rect, col, row, gridColor, true);
    QRect content = rect.adjusted(lines_.Left, 0, -lines_.Right, 0);
    bool doFill = !(appearance_ & aoDontFillCells) && column->DrawingOptions() != doCustomOnly;
    if (OnDrawCellBackground)
        OnDrawCellBackground(this, col, row, content, state, doFill);
    if (doFill)
        painter.fillRect(content, fill);
    content.adjust(column->Padding(), 0, -column->Padding(), 0);

    const TDrawingOptions drawing = column->DrawingOptions();
    if ((drawing == doNormal || drawing == doCustom) && !(cell.State & cfEmpty)) {
        TColor textColor = !isEnabled() ? clGrayText
            : (selected && ShowsFocus()) ? highlightedTextColor_
                                          : column->Font().Color;
        TFontStyles style = cell.FontStyle | ((state & csBoldTextSelection) ? fsBold : 0);
        if (OnCellFormating)
            OnCellFormating(this, col, row, textColor, style, state);
        SetPaintFont(painter, CachedFont(column->Font(), style));
        SetPaintPen(painter, ColorToQColor(textColor));
        TCellPaint paint;
        paint.Canvas = &painter;
        paint.Window = viewport();
        paint.CellRect = rect;
        paint.ContentRect = content;
        paint.Column = column;
        paint.Row = row;
        paint.Selected = selected;
        paint.Focused = col == selectedColumn_ && row == selectedRow_;
        paint.HighlightedTextColor = highlightedTextColor_;
        column->Display().Paint(paint, cells.Info(row));
    }
    if ((appearance_ & aoHintMarks) && !CellHintText(col, row).isEmpty()) {
        const int r = content.left() + content.width();
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xFF, 0, 0));
        painter.drawPolygon(QPolygon({QPoint(r - 5, content.top()), QPoint(r - 1, content.top()),
                                      QPoint(r - 1, content.top() + 4)}));
        painter.restore();
        paintPenSet_ = false;
    }
    if (drawing != doNormal && OnCustomDrawCell)
        OnCustomDrawCell(this, col, row, content, state);
    if (!(options_ & goSelectFullRow) && col == selectedColumn_ && row == selectedRow_ && ShowsFocus()
        && !(appearance_ & aoHideFocus))
        DrawFocusRect(painter, content);
    if (clipped)
        painter.setClipping(false);
}

void TDgCustomGridControl::PaintEmptyCell(QPainter& painter, const QRect& clip, TDgCustomColumn* column,
                                          int row, int top)
{
    const int col = column->Index();
    QRect rect = CellRectAt(column, row, top);
    if (!rect.adjusted(-lines_.Left, -lines_.Top, 0, lines_.Bottom).intersects(clip))
        return;
    TColor cellColor = color_;
    if ((appearance_ & aoIndicateSortedColumn) && column->Sorted())
        cellColor = Darker(cellColor);
    TColor gridColor = (gridLinesStyle_ == lsActiveRows || gridLinesStyle_ == lsActiveHorzOnly)
        ? cellColor
        : gridLinesColor_;
    if (OnCellColoring)
        OnCellColoring(this, col, row, cellColor, gridColor, csEmpty);
    const bool clipped = ClipCell(painter, rect, column);
    if (options_ & goGrid)
        PaintCellLines(painter, rect, col, row, gridColor, false);
    const QRect content = rect.adjusted(lines_.Left, 0, -lines_.Right, 0);
    bool doFill = true;
    if (OnDrawCellBackground)
        OnDrawCellBackground(this, col, row, content, csEmpty, doFill);
    if (doFill)
        painter.fillRect(content, ColorToQColor(cellColor));
    if (clipped)
        painter.setClipping(false);
}

void TDgCustomGridControl::PaintFocusRect(QPainter& painter)
{
    if (!ShowsFocus() || RowCount() < 1 || (appearance_ & aoHideFocus) || selectedRow_ < 0
        || selectedRow_ >= RowCount() || selectedRow_ < firstVisibleRow_ || !IsShown(selectedRow_))
        return;
    const int left = DataLeft() - HorzScroll();
    const int top = RowTop(selectedRow_);
    if (top > DataBottom())
        return;
    const QRect r(left, top, columns_.TotalWidth() - lines_.Right, RowHeight(selectedRow_));
    painter.setClipRect(DataRect());
    if (appearance_ & aoAlphaBlendedSelection) {
        painter.setPen(ColorToQColor(clHighlight));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        DrawFocusRect(painter, r);
    }
    painter.setClipping(false);
}

void TDgCustomGridControl::PaintHeader(QPainter& painter, const QRect& clip)
{
    if (!(options_ & goHeader))
        return;
    const int width = ClientWidth();
    const int fixedRight = DataLeft() + columns_.FixedWidth();
    TStyleDisplay& display = *displays_[headerStyle_];
    const QFont font = MakeFont(font_);
    for (int p = 0; p < columns_.Count(); ++p) {
        TDgCustomColumn* column = columns_.ByPosition(p);
        if (!column->Visible())
            continue;
        const QRect r = HeaderRect(column->Index());
        if (r.left() > width)
            break;
        if (SkipColumn(column, width) || !r.intersects(clip))
            continue;
        if (p >= fixedCols_)
            painter.setClipRect(QRect(fixedRight, 0, width - fixedRight, headerSize_));
        else
            painter.setClipRect(r);
        display.VisualStyles = false;  // visual styles are reported inactive
        painter.setFont(font);
        painter.setPen(ColorToQColor(isEnabled() ? font_.Color : clGrayText));
        THeaderPaint header;
        header.Canvas = &painter;
        header.Rect = r;
        header.Column = column;
        header.Pressed = pressedHeader_ == column->Index() && (display.Capabilities() & 2);
        display.PaintHeaderCell(header);
        painter.setClipping(false);
    }
    if (options_ & goIndicator)
        painter.fillRect(QRect(0, 0, IndicatorWidth, headerSize_), ColorToQColor(clBtnFace));
}

// ===========================================================================
// TDgCustomGrid
// ===========================================================================

TDgCustomGrid::TDgCustomGrid(QWidget* parent) : TDgCustomGridControl(parent) {}

TDgCustomGrid::~TDgCustomGrid()
{
    delete hint_;
}

QWidget* TDgCustomGrid::HintWindow() const
{
    return hint_ && hint_->isVisible() ? hint_ : nullptr;
}

QString TDgCustomGrid::HintText() const
{
    return HintWindow() ? hint_->text() : QString();
}

// --- hints -------------------------------------------------------------------------------

void TDgCustomGrid::ShowHint(const QString& text, const QPoint& clientPos, int maxWidth)
{
    if (text.isEmpty()) {
        HideHint();
        return;
    }
    if (!hint_) {
        // Transparent for input: a hint placed over the cell must not take the pointer from the grid.
        hint_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
        hint_->setAttribute(Qt::WA_ShowWithoutActivating);
        hint_->setTextFormat(Qt::PlainText);
        hint_->setWordWrap(true);
        hint_->setMargin(2);
        hint_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid black; }")
                                 .arg(ColorToQColor(clInfoBk).name(), ColorToQColor(clInfoText).name()));
    }
    hint_->setFont(MakeFont(font_));
    // CR ends a line in hint texts.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    hint_->setText(shown);
    const QFontMetrics fm(hint_->font());
    const QRect bounds = fm.boundingRect(QRect(0, 0, std::max(1, maxWidth), 1 << 20), Qt::TextWordWrap, shown);
    hint_->resize(bounds.width() + 8, bounds.height() + 6);
    hint_->move(viewport()->mapToGlobal(clientPos));
    hint_->show();
}

void TDgCustomGrid::HideHint()
{
    if (hint_)
        hint_->hide();
    hintMode_ = THintMode::None;
}

void TDgCustomGrid::UpdateHover(const QPoint& p)
{
    if (!window()->isActiveWindow()) {
        HideHint();
        return;
    }
    if ((options_ & goHeader) && p.y() >= 0 && p.y() < headerSize_) {
        hoverCell_ = QPoint(-2, -2);
        const int col = ColumnAt(p.x());
        if (col == hoverHeader_)
            return;
        hoverHeader_ = col;
        if (col < 0 || columns_[col]->Header().Hint().isEmpty()) {
            HideHint();
            return;
        }
        const TDgCustomColumn* column = columns_[col];
        const int scroll = column->Position() < fixedCols_ ? 0 : HorzScroll();
        ShowHint(column->Header().Hint(), QPoint(column->Left() - scroll, headerSize_ + 2), ClientWidth());
        hintMode_ = THintMode::Header;
        return;
    }
    hoverHeader_ = -1;
    const QPoint cell(ColumnAt(p.x()), RowAt(p.y()));
    if (cell == hoverCell_)
        return;
    hoverCell_ = cell;
    if (cell.x() < 0 || cell.y() < 0) {
        HideHint();
        return;
    }
    const TDgCustomColumn* column = columns_[cell.x()];
    const TCellInfo info = store_->Column(cell.x()).Info(cell.y());
    const QFont font = MakeFont(column->Font().Name, column->Font().Height,
                                store_->Column(cell.x()).Base(cell.y()).FontStyle);
    const QRect rect = CellRect(cell.x(), cell.y());
    if ((column->Options() & coShowTextFitHint)
        && column->Display().ContentWidth(info, font) > column->Width() - 5) {
        QString text = column->GetDrawText(info);
        if (OnApplyCell)
            OnApplyCell(this, cell.x(), cell.y(), text);
        // The cell's own hint would otherwise never be seen on a cell too narrow for its text.
        const QString own = CellHintText(cell.x(), cell.y());
        if (!text.isEmpty() && !own.isEmpty())
            text += QLatin1Char('\r') + own;
        ShowHint(text, rect.topLeft(), ClientWidth());
        hintMode_ = text.isEmpty() ? THintMode::None : THintMode::TextFit;
        if (!text.isEmpty())
            return;
    }
    const QString hint = CellHintText(cell.x(), cell.y());
    ShowHint(hint, QPoint(rect.left() + column->Width(), rect.top() - 20), 250);
    hintMode_ = hint.isEmpty() ? THintMode::None : THintMode::Cell;
}

// --- mouse ---------------------------------------------------------------------------------

int TDgCustomGrid::ResizeHandleAt(const QPoint& p) const
{
    if (!(options_ & goHeader) || p.y() < 0 || p.y() >= headerSize_)
        return -1;
    const int fixedRight = DataLeft() + columns_.FixedWidth();
    for (int pos = 0; pos < columns_.Count(); ++pos) {
        const TDgCustomColumn* column = columns_.ByPosition(pos);
        if (!column->Visible() || (column->Options() & coFixedSize))
            continue;
        const bool fixed = pos < fixedCols_;
        const int edge = column->Left() + column->Width() - (fixed ? 0 : HorzScroll());
        if (!fixed && edge < fixedRight)
            continue;
        if (edge - 3 <= p.x() && p.x() <= edge + 2)
            return column->Index();
    }
    return -1;
}

void TDgCustomGrid::DataPress(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    int col = ColumnAt(p.x());
    int row = RowAt(p.y());
    if (row < 0)
        row = selectedRow_;
    if (col < 0)
        col = selectedColumn_;
    pressCell_ = QPoint(ColumnAt(p.x()), RowAt(p.y()));
    SelectCell(col, row, event->modifiers());
    if (row >= 0 && row < RowCount() && RowTop(row) + RowHeight(row) > DataBottom())
        ScrollRowIntoView(row);
}

void TDgCustomGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    pressPos_ = p;
    pressButton_ = event->button();
    if (event->button() == Qt::MiddleButton) {
        StartRoll(p);
        return;
    }
    if ((options_ & goHeader) && p.y() < headerSize_) {
        if (event->button() != Qt::LeftButton)
            return;
        const int handle = ResizeHandleAt(p);
        if (handle >= 0) {
            resizeColumn_ = handle;
            resizeStartX_ = p.x();
            resizeDelta_ = 0;
            DrawResizeLines();
            return;
        }
        const int col = ColumnAt(p.x());
        if (col >= 0 && (columns_[col]->Options() & coCanClick)) {
            pressedHeader_ = col;
            InvalidateHeader(col);
        }
        return;
    }
    if (p.y() >= DataTop() && p.y() < DataBottom()
        && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        DataPress(event);
}

void TDgCustomGrid::HeaderRelease(const QPoint& p)
{
    const int pressed = pressedHeader_;
    pressedHeader_ = -1;
    if (OnHeaderClick)
        OnHeaderClick(this, pressed);
    InvalidateHeader(pressed);
    if (pressed >= columns_.Count())
        return;
    const bool onSameHeader = (options_ & goHeader) && p.y() >= 0 && p.y() < headerSize_ && ColumnAt(p.x()) == pressed
        && ResizeHandleAt(p) != pressed;
    if (onSameHeader && (columns_[pressed]->Options() & coCanSort))
        HeaderSort(columns_[pressed]);
}

void TDgCustomGrid::HeaderSort(TDgCustomColumn* column)
{
    // A value that does not convert must not escape the event loop: it is
    // shown in an error box, as errors of user actions are.
    try {
        if (column->Sorted())
            column->SetSortKind(column->SortKind() == skAscending ? skDescending : skAscending);
        else
            column->SetSorted(true);
    } catch (const EGridError& error) {
        QMessageBox::critical(window(), QGuiApplication::applicationDisplayName(), error.Message());
    }
}

void TDgCustomGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::MiddleButton) {
        StopRoll();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (resizeColumn_ >= 0) {
        TDgCustomColumn* column = columns_[resizeColumn_];
        DrawResizeLines();
        resizeColumn_ = -1;
        column->SetWidth(column->Width() + resizeDelta_);
        return;
    }
    if (pressedHeader_ >= 0) {
        HeaderRelease(p);
        return;
    }
    if (doubleClickPress_) {
        doubleClickPress_ = false;
        return;
    }
    const QPoint cell(ColumnAt(p.x()), RowAt(p.y()));
    if (cell.x() < 0 || cell.y() < 0 || cell != pressCell_)
        return;
    if (OnCellClick)
        OnCellClick(this, cell.x(), cell.y());
    if (TColumnPlay* play = columns_[cell.x()]->Play())
        play->Click(*this, cell.x(), cell.y(), p);
}

void TDgCustomGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    doubleClickPress_ = true;
    if ((options_ & goHeader) && p.y() >= 0 && p.y() < headerSize_) {
        const int handle = ResizeHandleAt(p);
        if (handle >= 0) {
            FitColumnToContent(handle);
            return;
        }
        const int col = ColumnAt(p.x());
        if (col >= 0 && OnHeaderDblClick)
            OnHeaderDblClick(this, col);
        return;
    }
    const int col = ColumnAt(p.x());
    const int row = RowAt(p.y());
    if (col >= 0 && row >= 0 && OnCellDblClick)
        OnCellDblClick(this, col, row);
}

void TDgCustomGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (Rolling()) {
        RollMove(p);
        return;
    }
    if (resizeColumn_ >= 0) {
        const TDgCustomColumn* column = columns_[resizeColumn_];
        DrawResizeLines();
        resizeDelta_ = std::max(p.x() - resizeStartX_, column->MinWidth() - column->Width());
        DrawResizeLines();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (ResizeHandleAt(p) >= 0) {
            viewport()->setCursor(LoadResourceCursor(QStringLiteral("HORZSPLIT")));
        } else {
            const int col = ColumnAt(p.x());
            const bool overCell = col >= 0 && RowAt(p.y()) >= 0;
            viewport()->setCursor(StockCursor(overCell ? columns_[col]->Cursor() : crDefault));
        }
    }
    UpdateHover(p);
}

void TDgCustomGrid::DrawResizeLines()
{
    // The lines are drawn by the paint pass; repaint the strips they cover.
    if (resizeColumn_ < 0)
        return;
    const QRect header = HeaderRect(resizeColumn_);
    viewport()->update(QRect(header.left() - 1, 0, 3, ClientHeight()));
    const int right = header.left() + header.width() + resizeDelta_;
    viewport()->update(QRect(right - 2, 0, 3, ClientHeight()));
}

void TDgCustomGrid::PaintOverlay(QPainter& painter)
{
    if (resizeColumn_ < 0)
        return;
    const QRect header = HeaderRect(resizeColumn_);
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const int right = header.left() + header.width() + resizeDelta_ - 1;
    painter.fillRect(QRect(header.left(), 0, 1, ClientHeight()), Qt::white);
    painter.fillRect(QRect(right, 0, 1, ClientHeight()), Qt::white);
    painter.restore();
}

void TDgCustomGrid::FitColumnToContent(int col)
{
    if (col < 0 || col >= columns_.Count() || !store_)
        return;
    TDgCustomColumn* column = columns_[col];
    const TCellList& cells = store_->Column(col);
    int widest = 8;
    for (int r = 0; r < RowCount(); ++r) {
        if (!IsShown(r))
            continue;
        const QFont& font = CachedFont(column->Font(), cells.Base(r).FontStyle);
        widest = std::max(widest, column->Display().ContentWidth(cells.Info(r), font));
    }
    column->SetWidth(widest + 2 * column->Padding() + 5);
}

bool TDgCustomGrid::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        if (OnMouseEnter)
            OnMouseEnter(this);
        break;
    case QEvent::Leave:
        // A hint shown over the cell may take the pointer for a moment; it has not left the grid.
        if (hint_ && hint_->isVisible() && viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos())))
            break;
        HideHint();
        hoverCell_ = QPoint(-2, -2);
        hoverHeader_ = -1;
        if (OnMouseLeave)
            OnMouseLeave(this);
        break;
    default:
        break;
    }
    return TDgCustomGridControl::viewportEvent(event);
}

void TDgCustomGrid::focusOutEvent(QFocusEvent* event)
{
    HideHint();
    pressedHeader_ = -1;
    if (resizeColumn_ >= 0) {
        DrawResizeLines();
        resizeColumn_ = -1;
    }
    TDgCustomGridControl::focusOutEvent(event);
}

// --- keyboard -----------------------------------------------------------------------------------

bool TDgCustomGrid::focusNextPrevChild(bool next)
{
    if (wantTabs_ && RowCount() > 0 && columns_.TotalWidth() > 0)
        return false;
    return TDgCustomGridControl::focusNextPrevChild(next);
}

void TDgCustomGrid::MoveFocusTo(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    SelectCell(selectedColumn_, row);
    ScrollRowIntoView(selectedRow_);
}

void TDgCustomGrid::KeyVertical(int key)
{
    // Home and End also work with no focused row; the others need one.
    const bool needsFocus = key != Qt::Key_Home && key != Qt::Key_End;
    if (RowCount() == 0 || (needsFocus && selectedRow_ < 0))
        return;
    const int page = std::max(1, FullyVisibleRows());
    auto step = [this](int from, bool down) { return down ? NextShown(from) : PrevShown(from); };
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const bool down = key == Qt::Key_Down;
        // Rows that OnBeforeSelect refuses are passed over.
        for (int r = step(selectedRow_, down); r >= 0; r = step(r, down)) {
            SelectCell(selectedColumn_, r);
            if (selectedRow_ == r) {
                ScrollRowIntoView(r);
                break;
            }
        }
        break;
    }
    case Qt::Key_PageDown: {
        const int lastVisible = std::min(RowCount() - 1, firstVisibleRow_ + page - 1);
        if (selectedRow_ < lastVisible) {
            MoveFocusTo(lastVisible);
        } else if (selectedRow_ + page >= RowCount()) {
            MoveFocusTo(RowCount() - 1);
        } else {
            const int target = selectedRow_ + page;
            SetFirstVisibleRow(firstVisibleRow_ + page);
            MoveFocusTo(target);
        }
        break;
    }
    case Qt::Key_PageUp: {
        if (firstVisibleRow_ < selectedRow_) {
            MoveFocusTo(firstVisibleRow_);
        } else {
            const int target = std::max(0, selectedRow_ - page);
            SetFirstVisibleRow(std::max(0, firstVisibleRow_ - page));
            MoveFocusTo(target);
        }
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End: {
        const int row = key == Qt::Key_Home ? FirstShown() : LastShown();
        if (row < 0)
            return;
        SelectCell(selectedColumn_, row);
        VertScrollBar().SetPosition(key == Qt::Key_Home ? 0 : VertScrollBar().Limit());
        break;
    }
    default: break;
    }
}

void TDgCustomGrid::KeyHorizontal(bool right)
{
    if ((options_ & goSelectFullRow) && !(appearance_ & aoIndicateSelectedCell)) {
        HorzScrollBar().SetPosition(HorzScroll() + (right ? 5 : -5));
        return;
    }
    const TDgCustomColumn* current = selectedColumn_ < columns_.Count() ? columns_[selectedColumn_] : nullptr;
    int p = current ? current->Position() : -1;
    for (p += right ? 1 : -1; p >= 0 && p < columns_.Count(); p += right ? 1 : -1) {
        const TDgCustomColumn* c = columns_.ByPosition(p);
        if (c->Visible() && c->Enabled()) {
            SelectCell(c->Index(), selectedRow_);
            ScrollColumnIntoView(c->Index());
            return;
        }
    }
}

void TDgCustomGrid::keyPressEvent(QKeyEvent* event)
{
    if (options_ & goDisableKeys) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        KeyVertical(event->key());
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (homeEnd_ == hebTopBottom) {
            KeyVertical(event->key());
        } else {
            const int first = event->key() == Qt::Key_Home ? 0 : columns_.Count() - 1;
            const int stepDir = event->key() == Qt::Key_Home ? 1 : -1;
            for (int p = first; p >= 0 && p < columns_.Count(); p += stepDir) {
                const TDgCustomColumn* c = columns_.ByPosition(p);
                if (c->Visible() && c->Enabled()) {
                    SelectCell(c->Index(), selectedRow_);
                    ScrollColumnIntoView(c->Index());
                    break;
                }
            }
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        KeyHorizontal(event->key() == Qt::Key_Right);
        break;
    case Qt::Key_Space:
        if (selectedColumn_ >= 0 && selectedColumn_ < columns_.Count() && selectedRow_ >= 0
            && selectedRow_ < RowCount())
            if (TColumnPlay* play = columns_[selectedColumn_]->Play())
                play->Space(*this, selectedColumn_, selectedRow_);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!wantReturns_) {
            event->ignore();
            return;
        }
        if (moveDirection_ == mdDown)
            KeyVertical(Qt::Key_Down);
        else if (moveDirection_ == mdUp)
            KeyVertical(Qt::Key_Up);
        else if (moveDirection_ == mdLeft || moveDirection_ == mdRight)
            KeyHorizontal(moveDirection_ == mdRight);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!wantTabs_) {
            event->ignore();
            return;
        }
        KeyHorizontal(event->key() == Qt::Key_Tab);
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}
