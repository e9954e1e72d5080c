// The grid's input side: hints, mouse, keyboard.
#include "grid/DgCustomGrid.h"

#include "grid/DgAccessible.h"

#include "grid/DgCellClasses.h"
#include "grid/DgColumnClasses.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Resources.h"

#include <QCursor>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>

// ===========================================================================
// TDgCustomGrid
// ===========================================================================

TDgCustomGrid::TDgCustomGrid(QWidget* parent) : TDgCustomGridControl(parent)
{
    InstallGridAccessibility();
}

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
    // X11 only makes the window transparent when the flag changes on a mapped window:
    // without this the server hands the clicks over the cell to the hint.
    hint_->windowHandle()->setFlag(Qt::WindowTransparentForInput, false);
    hint_->windowHandle()->setFlag(Qt::WindowTransparentForInput, true);
}

void TDgCustomGrid::HideHint()
{
    if (hint_)
        hint_->hide();
    hintMode_ = THintMode::None;
}

void TDgCustomGrid::DropHover()
{
    HideHint();
    hoverCell_ = QPoint(-2, -2);
    hoverHeader_ = -1;
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
        ShowMessage(error.Message(), mkError);  // the value came from a document: plain text, cut short
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
        if (resizeDelta_ != 0 && OnColumnResizedByUser)
            OnColumnResizedByUser(this, column->Index());
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
            if (OnColumnResizedByUser)
                OnColumnResizedByUser(this, handle);
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
        // Mapping the hint under the pointer takes the pointer for a moment; it has not left the grid.
        if (hint_ && hint_->isVisible() && viewport()->rect().contains(viewport()->mapFromGlobal(QCursor::pos())))
            break;
        DropHover();
        if (OnMouseLeave)
            OnMouseLeave(this);
        break;
    default:
        break;
    }
    return TDgCustomGridControl::viewportEvent(event);
}

void TDgCustomGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        DropHover();
    TDgCustomGridControl::changeEvent(event);
}

void TDgCustomGrid::hideEvent(QHideEvent* event)
{
    DropHover();
    TDgCustomGridControl::hideEvent(event);
}

void TDgCustomGrid::HorzScrolled(int oldPos, int newPos)
{
    DropHover();
    TDgCustomGridControl::HorzScrolled(oldPos, newPos);
}

void TDgCustomGrid::VertScrolled(int oldPos, int newPos)
{
    DropHover();
    TDgCustomGridControl::VertScrolled(oldPos, newPos);
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
