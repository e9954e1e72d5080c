#include "grid/DgDisplays.h"

#include "grid/DgColumnClasses.h"
#include "toolkit/ImageList.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

namespace {

// Plots a platform-style polyline: one-pixel steps along horizontal, vertical
// or diagonal segments, the last point left out.
void GdiPolyline(QPainter& painter, std::initializer_list<QPoint> points, const QColor& color)
{
    const QPoint* prev = nullptr;
    for (const QPoint& p : points) {
        if (prev) {
            const int sx = (p.x() > prev->x()) - (p.x() < prev->x());
            const int sy = (p.y() > prev->y()) - (p.y() < prev->y());
            for (QPoint q = *prev; q != p; q += QPoint(sx, sy))
                painter.fillRect(q.x(), q.y(), 1, 1, color);
        }
        prev = &p;
    }
}

Qt::TextElideMode ElideMode(TTextFlags flags)
{
    if (flags & tfEndEllipsis)
        return Qt::ElideRight;
    if (flags & tfPathEllipsis)
        return Qt::ElideMiddle;
    return Qt::ElideNone;
}

int QtAlignment(TTextFlags flags)
{
    int align = (flags & tfCenter) ? Qt::AlignHCenter : (flags & tfRight) ? Qt::AlignRight : Qt::AlignLeft;
    return align | Qt::AlignTop;
}

QString Reading(const QString& text, TTextFlags flags)
{
    // Right-to-left embedding for right-to-left reading order.
    return (flags & tfRtlReading) ? QChar(0x202B) + text + QChar(0x202C) : text;
}

}  // namespace

int MeasureFormattedText(const QFont& font, int width, const QString& text, TTextFlags flags)
{
    const QFontMetrics fm(font);
    if (flags & tfSingleLine)
        return fm.height();
    const int wrap = (flags & tfWordBreak) ? Qt::TextWordWrap : 0;
    return fm.boundingRect(QRect(0, 0, std::max(1, width), 1 << 20), wrap | QtAlignment(flags), text).height();
}

int DrawFormattedText(QPainter& painter, const QRect& rect, const QString& text, TTextFlags flags)
{
    if (text.isEmpty() || rect.width() <= 0)
        return 0;
    const QFontMetrics fm(painter.font());
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    int height;
    if (flags & tfSingleLine) {
        QString line = text;
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (ElideMode(flags) != Qt::ElideNone)
            line = fm.elidedText(line, ElideMode(flags), rect.width());
        line = Reading(line, flags);
        const int w = fm.horizontalAdvance(line);
        int x = rect.left();
        if (flags & tfCenter)
            x += (rect.width() - w) / 2;
        else if (flags & tfRight)
            x += rect.width() - w;
        height = fm.height();
        int y = rect.top();
        if (flags & tfVCenter)
            y += (rect.height() - height) / 2;
        else if (flags & tfBottom)
            y += rect.height() - height;
        painter.drawText(QPoint(x, y + fm.ascent()), line);
    } else {
        height = MeasureFormattedText(painter.font(), rect.width(), text, flags);
        QRect r = rect;
        if (flags & tfBottom)
            r.setTop(rect.bottom() + 1 - height);
        else if (flags & tfVCenter)
            r.setTop(rect.top() + (rect.height() - height) / 2);
        const int wrap = (flags & tfWordBreak) ? Qt::TextWordWrap : 0;
        painter.drawText(r, wrap | QtAlignment(flags), Reading(text, flags));
    }
    painter.restore();
    return height;
}

// --- cell painters ----------------------------------------------------------

QPoint TColumnDisplay::PlaceBox(const QRect& r, int w, int h) const
{
    const int left = r.left();
    const int right = r.left() + r.width();
    const int top = r.top();
    const int bottom = r.top() + r.height();
    int x = left + 2;
    if (column_->Alignment() == taRightJustify)
        x = right - w - 2;
    else if (column_->Alignment() == taCenter)
        x = (left + right) / 2 - w / 2;
    int y = top + 2;
    if (column_->VerticalAlignment() == taAlignBottom)
        y = bottom - h - 2;
    else if (column_->VerticalAlignment() == taVerticalCenter)
        y = (top + bottom) / 2 - h / 2;
    return {x, y};
}

TTextFlags TTextColumnDisplay::Flags() const
{
    TTextFlags flags = 0;
    if (column_->BiDiMode() != bdLeftToRight)
        flags |= tfRtlReading;
    if (column_->Alignment() == taCenter)
        flags |= tfCenter;
    else if (column_->Alignment() == taRightJustify)
        flags |= tfRight;
    if (column_->VerticalAlignment() == taVerticalCenter)
        flags |= tfVCenter;
    else if (column_->VerticalAlignment() == taAlignBottom)
        flags |= tfBottom;
    switch (column_->WrapKind()) {
    case wkEllipsis: flags |= tfEndEllipsis; break;
    case wkPathEllipsis: flags |= tfPathEllipsis; break;
    case wkWordWrap: flags |= tfWordBreak; break;
    case wkNone: break;
    }
    if (column_->WrapKind() != wkWordWrap && !column_->IsMultiLine())
        flags |= tfSingleLine;
    return flags;
}

const QStaticText& TTextColumnDisplay::Line(const QFont& font, const QString& text, int width,
                                            TTextFlags flags) const
{
    constexpr int MaxLines = 4096;  // a few screens of cells
    if (!(font == linesFont_) || lines_.size() > MaxLines) {
        lines_.clear();
        linesFont_ = font;
    }
    const TLineKey key{text, width, flags};
    auto it = lines_.constFind(key);
    if (it != lines_.constEnd())
        return *it;
    const QFontMetrics fm(font);
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (ElideMode(flags) != Qt::ElideNone && fm.horizontalAdvance(line) > width)
        line = fm.elidedText(line, ElideMode(flags), width);
    QStaticText laidOut(line);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut.prepare(QTransform(), font);
    return *lines_.insert(key, laidOut);
}

void TTextColumnDisplay::Paint(const TCellPaint& cell, const TCellInfo& values) const
{
    const QString text = column_->GetDrawText(values);
    const QRect r = cell.ContentRect.adjusted(2, 0, -2, 0);
    const TTextFlags flags = Flags();
    if (text.isEmpty() || r.width() <= 0)
        return;
    if (!(flags & tfSingleLine) || (flags & tfRtlReading)) {
        DrawFormattedText(*cell.Canvas, r, text, flags);
        return;
    }
    QPainter& painter = *cell.Canvas;
    const QStaticText& line = Line(painter.font(), text, r.width(), flags);
    const int w = int(std::ceil(line.size().width()));
    const int h = QFontMetrics(painter.font()).height();
    int x = r.left();
    if (flags & tfCenter)
        x += (r.width() - w) / 2;
    else if (flags & tfRight)
        x += r.width() - w;
    int y = r.top();
    if (flags & tfVCenter)
        y += (r.height() - h) / 2;
    else if (flags & tfBottom)
        y += r.height() - h;
    painter.drawStaticText(QPoint(x, y), line);
}

int TTextColumnDisplay::ContentWidth(const TCellInfo& values, const QFont& font) const
{
    const QFontMetrics fm(font);
    int widest = 0;
    for (const QString& line : column_->GetDrawText(values).split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

void TImageColumnDisplay::Paint(const TCellPaint& cell, const TCellInfo& values) const
{
    const auto* column = static_cast<const TDgImageColumn*>(column_);
    const TImageList* images = column->Images();
    if (!images || values.AsInteger < 0 || values.AsInteger >= images->Count())
        return;
    const QPoint at = PlaceBox(cell.ContentRect, images->Width(), images->Height());
    images->Draw(*cell.Canvas, at.x(), at.y(), values.AsInteger);
}

int TImageColumnDisplay::ContentWidth(const TCellInfo&, const QFont&) const
{
    const TImageList* images = static_cast<const TDgImageColumn*>(column_)->Images();
    return images ? images->Width() : 0;
}

QRect TCheckBoxColumnDisplay::BoxRect(const QRect& cellRect) const
{
    const QPoint at = PlaceBox(cellRect, BoxSize, BoxSize);
    return {at.x(), at.y(), BoxSize, BoxSize};
}

void TCheckBoxColumnDisplay::DrawBox(QPainter& painter, int x, int y, bool checked)
{
    const QColor frame = ColorToQColor(clBtnShadow);
    painter.fillRect(x, y, BoxSize, BoxSize, ColorToQColor(clWindow));
    painter.fillRect(x, y, BoxSize, 1, frame);
    painter.fillRect(x, y + BoxSize - 1, BoxSize, 1, frame);
    painter.fillRect(x, y, 1, BoxSize, frame);
    painter.fillRect(x + BoxSize - 1, y, 1, BoxSize, frame);
    if (!checked)
        return;
    const QColor mark = ColorToQColor(clWindowText);
    for (int k = 0; k < 3; ++k)
        GdiPolyline(painter, {{x + 2, y + 4 + k}, {x + 4, y + 6 + k}, {x + 9, y + 1 + k}}, mark);
}

void TCheckBoxColumnDisplay::Paint(const TCellPaint& cell, const TCellInfo& values) const
{
    const QRect box = BoxRect(cell.ContentRect);
    DrawBox(*cell.Canvas, box.x(), box.y(), values.AsBoolean);
}

int TCheckBoxColumnDisplay::ContentWidth(const TCellInfo&, const QFont&) const
{
    return BoxSize;
}

// --- header style displays ------------------------------------------------------

void TStyleDisplay::PaintSortArrow(QPainter& painter, int left, int top, bool ascending, bool themed)
{
    if (themed) {
        const QPolygon triangle = ascending
            ? QPolygon({QPoint(left, top + 4), QPoint(left + 4, top), QPoint(left + 8, top + 4)})
            : QPolygon({QPoint(left, top), QPoint(left + 4, top + 4), QPoint(left + 8, top)});
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(ColorToQColor(clGrayText));
        painter.drawPolygon(triangle);
        painter.restore();
        return;
    }
    const QColor shadow = ColorToQColor(clBtnShadow);
    const QColor light = ColorToQColor(clBtnHighlight);
    const int l = left;
    const int t = top;
    if (ascending) {
        GdiPolyline(painter, {{l + 7, t + 6}, {l, t + 6}, {l, t + 5}, {l + 1, t + 5}, {l + 1, t + 3},
                              {l + 2, t + 3}, {l + 2, t + 1}, {l + 3, t + 1}, {l + 3, t - 1}},
                    shadow);
        GdiPolyline(painter, {{l + 7, t + 5}, {l + 6, t + 5}, {l + 6, t + 3}, {l + 5, t + 3},
                              {l + 5, t + 1}, {l + 4, t + 1}, {l + 4, t - 1}},
                    light);
    } else {
        GdiPolyline(painter, {{l + 7, t}, {l, t}, {l, t + 1}, {l + 1, t + 1}, {l + 1, t + 3},
                              {l + 2, t + 3}, {l + 2, t + 5}, {l + 3, t + 5}, {l + 3, t + 7}},
                    shadow);
        GdiPolyline(painter, {{l + 7, t + 1}, {l + 6, t + 1}, {l + 6, t + 3}, {l + 5, t + 3},
                              {l + 5, t + 5}, {l + 4, t + 5}, {l + 4, t + 7}},
                    light);
    }
}

void TStyleDisplay::PaintHeaderContent(const THeaderPaint& header) const
{
    QPainter& painter = *header.Canvas;
    const TDgCustomColumn& column = *header.Column;
    const TColumnHeader& part = column.Header();
    const QRect& r = header.Rect;
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width();
    const int w = r.width();
    const int h = r.height();
    const int sortedShift = column.Sorted() ? 31 : 0;
    const QFontMetrics fm(painter.font());

    int extent = 0;
    if (part.DisplayMode() != dmImageOnly)
        extent = (part.Orientation() == hoVertical ? fm.height() : fm.horizontalAdvance(part.Caption())) + 2;

    const QImage& glyph = part.MaskedGlyph();
    int x;
    if (glyph.isNull() || part.DisplayMode() == dmTextOnly) {
        switch (part.Alignment()) {
        case taRightJustify: x = right - extent - sortedShift; break;
        case taCenter: x = extent < w ? left + (w - extent) / 2 : left + 2; break;
        default: x = left + 2; break;
        }
    } else {
        const int gw = glyph.width();
        int gx;
        switch (part.Alignment()) {
        case taRightJustify: gx = right - gw - extent - 2 - sortedShift; break;
        case taCenter: gx = left + w / 2 - (gw + extent) / 2; break;
        default: gx = left + 3; break;
        }
        painter.drawImage(gx, top + h / 2 - glyph.height() / 2, glyph);
        x = gx + gw + 2;
    }

    if (part.DisplayMode() != dmImageOnly && !part.Caption().isEmpty()) {
        const QRect textRect(x, top, right - x, h);
        if (part.Orientation() == hoVertical) {
            painter.save();
            painter.translate(textRect.left(), textRect.bottom());
            painter.rotate(-90);
            DrawFormattedText(painter, QRect(0, 0, textRect.height(), textRect.width()), part.Caption(),
                              tfSingleLine | tfEndEllipsis | tfVCenter);
            painter.restore();
        } else {
            const TTextFlags flags = part.MultiLine() ? tfVCenter | tfWordBreak : tfVCenter | tfSingleLine | tfEndEllipsis;
            DrawFormattedText(painter, textRect, part.Caption(), flags);
        }
    }

    if (column.Sorted() && !(Capabilities() & dcNoSortArrow)) {
        const int arrowLeft = x + extent + 19;
        if (arrowLeft + 8 < right || !part.HideArrow())
            PaintSortArrow(painter, arrowLeft, top + h / 2 - 4, column.SortKind() == skAscending, VisualStyles);
    }
}

void TFlatStyleDisplay::PaintHeaderCell(const THeaderPaint& header) const
{
    QPainter& painter = *header.Canvas;
    const QRect& r = header.Rect;
    painter.fillRect(r, ColorToQColor(header.Column->Header().Color()));
    const QColor line = ColorToQColor(clGrayText);
    painter.fillRect(r.left() + r.width() - 1, r.top(), 1, r.height(), line);
    painter.fillRect(r.left(), r.top() + r.height() - 1, r.width(), 1, line);
    PaintHeaderContent(header);
}

void TDefaultStyleDisplay::PaintHeaderCell(const THeaderPaint& header) const
{
    QPainter& painter = *header.Canvas;
    const QRect& r = header.Rect;
    painter.fillRect(r, ColorToQColor(header.Column->Header().Color()));
    const int l = r.left();
    const int t = r.top();
    const int rr = l + r.width() - 1;
    const int b = t + r.height() - 1;
    if (header.Pressed) {
        const QColor shadow = ColorToQColor(clBtnShadow);
        painter.fillRect(l, t, r.width(), 1, shadow);
        painter.fillRect(l, t, 1, r.height(), shadow);
        painter.fillRect(rr, t, 1, r.height(), shadow);
        painter.fillRect(l, b, r.width(), 1, shadow);
    } else {
        const QColor light = ColorToQColor(clBtnHighlight);
        painter.fillRect(l, t, r.width() - 1, 1, light);
        painter.fillRect(l, t, 1, r.height() - 1, light);
        painter.fillRect(rr, t, 1, r.height(), ColorToQColor(cl3DDkShadow));
        painter.fillRect(l, b, r.width(), 1, ColorToQColor(cl3DDkShadow));
        painter.fillRect(rr - 1, t + 1, 1, r.height() - 2, ColorToQColor(clBtnShadow));
        painter.fillRect(l + 1, b - 1, r.width() - 2, 1, ColorToQColor(clBtnShadow));
    }
    THeaderPaint content = header;
    if (header.Pressed)
        content.Rect.translate(1, 1);
    PaintHeaderContent(content);
}
