// Painting of the grid: rows, cells, header, focus rectangle and the resize lines.
#include "grid/DgCustomGrid.h"

#include "grid/DgCellClasses.h"
#include "grid/DgColumnClasses.h"

#include <QFontMetrics>
#include <QPainter>
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
    const auto [fill, gridColor, state, selected] = CellColors(column, row, cell);

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

TDgCustomGridControl::TCellColors TDgCustomGridControl::CellColors(const TDgCustomColumn* column, int row,
                                                                   const TCellBase& cell)
{
    const int col = column->Index();
    TColor cellColor = column->ParentCellColor() ? column->Color() : cell.Color;
    if ((appearance_ & aoIndicateSortedColumn) && column->Sorted())
        cellColor = Darker(cellColor);
    const bool selected = IsCellSelected(col, row);
    TCellState state = 0;
    if (selected)
        state |= csSelected | ((appearance_ & aoBoldTextSelection) ? csBoldTextSelection : 0);
    if (ShowsFocus() && !(appearance_ & aoHideFocus))
        state |= csFocused;

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
    return {fill, gridColor, state, selected};
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
        painter.setFont(font);
        painter.setPen(ColorToQColor(isEnabled() ? font_.Color : clGrayText));
        THeaderPaint header;
        header.Canvas = &painter;
        header.Rect = r;
        header.Column = column;
        header.Pressed = pressedHeader_ == column->Index() && (display.Capabilities() & dcPressedLook);
        display.PaintHeaderCell(header);
        painter.setClipping(false);
    }
    if (options_ & goIndicator)
        painter.fillRect(QRect(0, 0, IndicatorWidth, headerSize_), ColorToQColor(clBtnFace));
}

// ===========================================================================
// TDgCustomGrid
// ===========================================================================

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
