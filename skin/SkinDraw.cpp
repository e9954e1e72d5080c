#include "skin/SkinDraw.h"

#include <QPainter>
#include <algorithm>

namespace {

QRect InPicture(const QImage& picture, const QRect& piece)
{
    return piece.intersected(picture.rect());
}

// Largest multiple of `step` not above `value` (step > 0, any sign of value).
int FloorToStep(int value, int step)
{
    const int q = value / step;
    return (value % step != 0 && value < 0) ? (q - 1) * step : q * step;
}

// One strip, seen as a line: positions along it, thickness across it.
struct StripAxis {
    Qt::Orientation o;
    QRect piece;
    QRect dest;
    int PieceStart() const { return o == Qt::Horizontal ? piece.x() : piece.y(); }
    int PieceLength() const { return o == Qt::Horizontal ? piece.width() : piece.height(); }
    int DestStart() const { return o == Qt::Horizontal ? dest.x() : dest.y(); }
    int DestLength() const { return o == Qt::Horizontal ? dest.width() : dest.height(); }
    QRect Source(int from, int length) const
    {
        return o == Qt::Horizontal ? QRect(from, piece.y(), length, piece.height())
                                   : QRect(piece.x(), from, piece.width(), length);
    }
    QRect Target(int from, int length) const
    {
        return o == Qt::Horizontal ? QRect(from, dest.y(), length, dest.height())
                                   : QRect(dest.x(), from, dest.width(), length);
    }

    // Source columns [src, src + length) placed at `at`, clipped to [lo, hi);
    // across the strip the piece is stretched to the destination's thickness.
    void Place(QPainter& p, const QImage& picture, int src, int length, int at, int lo,
               int hi) const
    {
        const int from = std::max(at, lo);
        const int to = std::min(at + length, hi);
        if (to <= from)
            return;
        p.drawImage(Target(from, to - from), picture, Source(src + from - at, to - from));
    }
};

}  // namespace

void DrawSkinPiece(QPainter& p, const QImage& picture, const QRect& piece, const QRect& dest)
{
    const QRect source = InPicture(picture, piece);
    if (source.isEmpty() || dest.isEmpty())
        return;
    p.drawImage(dest, picture, source);
}

void TileSkinPiece(QPainter& p, const QImage& picture, const QRect& piece, const QRect& dest,
                   QPoint origin)
{
    const QRect source = InPicture(picture, piece);
    if (source.isEmpty() || dest.isEmpty())
        return;
    const int w = source.width();
    const int h = source.height();
    const int firstX = origin.x() + FloorToStep(dest.left() - origin.x(), w);
    const int firstY = origin.y() + FloorToStep(dest.top() - origin.y(), h);
    for (int y = firstY; y <= dest.bottom(); y += h) {
        for (int x = firstX; x <= dest.right(); x += w) {
            const QRect target = QRect(x, y, w, h).intersected(dest);
            p.drawImage(target, picture, target.translated(source.x() - x, source.y() - y));
        }
    }
}

void FillSkinPiece(QPainter& p, const QImage& picture, const QRect& piece, const QRect& dest,
                   bool stretch)
{
    if (stretch)
        DrawSkinPiece(p, picture, piece, dest);
    else
        TileSkinPiece(p, picture, piece, dest, dest.topLeft());
}

void DrawSkinStrip(QPainter& p, const QImage& picture, const TskStrip& strip, const QRect& dest,
                   Qt::Orientation orientation)
{
    const StripAxis axis{orientation, InPicture(picture, strip.piece), dest};
    if (axis.piece.isEmpty() || dest.isEmpty())
        return;
    const int length = axis.PieceLength();
    const int head = std::clamp(strip.head, 0, length);
    const int tail = std::clamp(strip.tail, 0, length - head);
    const int middle = length - head - tail;
    const int start = axis.DestStart();
    const int end = start + axis.DestLength();
    const int middleFrom = start + head;
    const int middleTo = end - tail;

    if (middle > 0 && middleTo > middleFrom) {
        const int source = axis.PieceStart() + head;
        if (strip.stretch) {
            p.drawImage(axis.Target(middleFrom, middleTo - middleFrom), picture,
                        axis.Source(source, middle));
        } else {
            const int origin = strip.tileFromStart ? start : middleFrom;
            for (int at = origin + FloorToStep(middleFrom - origin, middle); at < middleTo;
                 at += middle)
                axis.Place(p, picture, source, middle, at, middleFrom, middleTo);
        }
    }
    axis.Place(p, picture, axis.PieceStart(), head, start, start, end);
    axis.Place(p, picture, axis.PieceStart() + length - tail, tail, end - tail, start, end);
}

TskFrameLayout LayoutSkinFrame(const TskNinePiece& cut, QSize size)
{
    const int pw = cut.rect.width();
    const int ph = cut.rect.height();
    const int topH = std::clamp(cut.client.top(), 0, ph);
    const int bottomH = std::clamp(ph - cut.client.top() - cut.client.height(), 0, ph - topH);
    const int leftW = std::clamp(cut.client.left(), 0, pw);
    const int rightW = std::clamp(pw - cut.client.left() - cut.client.width(), 0, pw - leftW);
    const int sideH = ph - topH - bottomH;
    const int W = size.width();
    const int H = size.height();
    const int middleH = std::max(0, H - topH - bottomH);
    const int x = cut.rect.x();
    const int y = cut.rect.y();

    TskFrameLayout f;
    f.top = {QRect(x, y, pw, topH), cut.leftTop.x(), pw - cut.rightTop.x(), cut.topStretch,
             cut.tileFromStart};
    f.bottom = {QRect(x, y + ph - bottomH, pw, bottomH), cut.leftBottom.x(),
                pw - cut.rightBottom.x(), cut.bottomStretch, cut.tileFromStart};
    f.left = {QRect(x, y + topH, leftW, sideH), cut.leftTop.y() - topH,
              ph - bottomH - cut.leftBottom.y(), cut.leftStretch, cut.tileFromStart};
    f.right = {QRect(x + pw - rightW, y + topH, rightW, sideH), cut.rightTop.y() - topH,
               ph - bottomH - cut.rightBottom.y(), cut.rightStretch, cut.tileFromStart};
    f.topDest = QRect(0, 0, W, topH);
    f.bottomDest = QRect(0, H - bottomH, W, bottomH);
    f.leftDest = QRect(0, topH, leftW, middleH);
    f.rightDest = QRect(W - rightW, topH, rightW, middleH);
    f.client = QRect(leftW, topH, std::max(0, W - leftW - rightW), middleH);
    return f;
}

void DrawSkinFrame(QPainter& p, const QImage& picture, const TskNinePiece& cut, const QRect& dest)
{
    if (dest.isEmpty())
        return;
    const TskFrameLayout f = LayoutSkinFrame(cut, dest.size());
    const QPoint at = dest.topLeft();
    // Below the frame's own size the strips overlap and stick out: cut them off.
    const bool clip = dest.width() < f.leftDest.width() + f.rightDest.width() ||
                      dest.height() < f.topDest.height() + f.bottomDest.height();
    if (clip) {
        p.save();
        p.setClipRect(dest, Qt::IntersectClip);
    }
    DrawSkinStrip(p, picture, f.left, f.leftDest.translated(at), Qt::Vertical);
    DrawSkinStrip(p, picture, f.right, f.rightDest.translated(at), Qt::Vertical);
    DrawSkinStrip(p, picture, f.top, f.topDest.translated(at), Qt::Horizontal);
    DrawSkinStrip(p, picture, f.bottom, f.bottomDest.translated(at), Qt::Horizontal);
    if (clip)
        p.restore();
}

void DrawSkinNinePiece(QPainter& p, const QImage& picture, const TskNinePiece& cut,
                       const QRect& dest)
{
    const QRect client = LayoutSkinFrame(cut, dest.size()).client.translated(dest.topLeft());
    FillSkinPiece(p, picture, cut.client.translated(cut.rect.topLeft()), client, cut.clientStretch);
    DrawSkinFrame(p, picture, cut, dest);
}

QImage SkinPieceWithTransparentColor(const QImage& picture, const QRect& piece, QRgb transparent)
{
    const QRect source = InPicture(picture, piece);
    if (source.isEmpty())
        return {};
    QImage out = picture.copy(source).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & RGB_MASK;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    return out;
}
