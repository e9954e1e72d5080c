#pragma once
// The one compositor of skin pictures: copying, tiling and stretching pieces,
// three-part strips and nine-piece frames. Every skinned element picks its
// state rect and calls these; none of them cuts pictures on its own.
//
// Rectangles are QRect (x, y, width, height). Destination coordinates are
// integer logical pixels, so on a high-density screen every piece lands on
// whole device pixels and neighbouring pieces meet without seams. Scaling is
// nearest-neighbour: a pixel of the skin never bleeds across a piece border.
// Parts of a piece that lie outside its picture are dropped, so a bad rect
// from a skin reads nothing outside the picture.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <Qt>

class QPainter;

// Copies `piece` of `picture` into `dest`, stretching it when the sizes differ.
void DrawSkinPiece(QPainter& p, const QImage& picture, const QRect& piece, const QRect& dest);

// Repeats `piece` over `dest` with one copy's top-left corner at `origin`
// (which may lie outside `dest`); copies are clipped to `dest`.
void TileSkinPiece(QPainter& p, const QImage& picture, const QRect& piece, const QRect& dest,
                   QPoint origin);

// Stretches `piece` over `dest`, or tiles it from the top-left corner of `dest`.
void FillSkinPiece(QPainter& p, const QImage& picture, const QRect& piece, const QRect& dest,
                   bool stretch);

// A piece cut across its length into a fixed head, a middle and a fixed tail.
// Along the length the middle is tiled or stretched between head and tail;
// across it the whole strip is stretched to the destination's thickness.
struct TskStrip {
    QRect piece;
    int head = 0;  // fixed pixels at the start (left or top)
    int tail = 0;  // fixed pixels at the end (right or bottom)
    bool stretch = false;
    // Tiles start where the destination starts (head copied over them)
    // instead of where the middle starts.
    bool tileFromStart = false;
};

// Draws the strip along `orientation` (Qt::Horizontal: left to right) into
// `dest`. A destination shorter than head + tail shows the tail over the head.
void DrawSkinStrip(QPainter& p, const QImage& picture, const TskStrip& strip, const QRect& dest,
                   Qt::Orientation orientation);

// A picture rect cut by four inner corner points and a client rect, all
// relative to `rect`'s top-left corner. The frame around the client rect is
// four strips: top and bottom over the whole width, left and right between
// them; the corner points' x fix the ends of the top and bottom strips, their
// y the ends of the left and right strips.
struct TskNinePiece {
    QRect rect;
    QPoint leftTop, rightTop, leftBottom, rightBottom;
    QRect client;
    bool leftStretch = false, topStretch = false, rightStretch = false, bottomStretch = false;
    bool clientStretch = false;
    bool tileFromStart = false;  // see TskStrip
};

// Where the four strips and the client area go for a destination of `size`
// at 0,0: the client rect keeps its distance to every edge of the picture.
struct TskFrameLayout {
    TskStrip top, bottom, left, right;
    QRect topDest, bottomDest, leftDest, rightDest;
    QRect client;  // in the destination
};
TskFrameLayout LayoutSkinFrame(const TskNinePiece& cut, QSize size);

// The four frame strips around `dest`; the client area is left untouched.
void DrawSkinFrame(QPainter& p, const QImage& picture, const TskNinePiece& cut, const QRect& dest);

// The frame plus the client piece, stretched into the client area or tiled
// from its top-left corner.
void DrawSkinNinePiece(QPainter& p, const QImage& picture, const TskNinePiece& cut,
                       const QRect& dest);

// A copy of `piece` in which every pixel of colour `transparent` is clear.
QImage SkinPieceWithTransparentColor(const QImage& picture, const QRect& piece, QRgb transparent);
