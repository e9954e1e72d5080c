// The compositor: every destination pixel tells which picture pixel it came
// from, so tiling phase, clipping and stretching show in plain strings.
#include "skin/SkinDraw.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

// Pixel (x, y) of the picture has red 10 + x, green 10 + y and blue 200.
QImage CodedPicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(10 + x, 10 + y, 200));
    return img;
}

const QRgb kUntouched = qRgb(0, 0, 0);

QImage Canvas(int w, int h, qreal dpr = 1)
{
    QImage img(int(w * dpr), int(h * dpr), QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(kUntouched);
    return img;
}

QImage Draw(int w, int h, const std::function<void(QPainter&)>& draw, qreal dpr = 1)
{
    QImage img = Canvas(w, h, dpr);
    QPainter p(&img);
    draw(p);
    return img;
}

// The picture x (or y) each pixel of a canvas row (or column) came from; "." untouched.
std::string Sources(const QImage& img, int fixed, bool row)
{
    std::string out;
    const int n = row ? img.width() : img.height();
    for (int i = 0; i < n; ++i) {
        const QRgb c = row ? img.pixel(i, fixed) : img.pixel(fixed, i);
        if (!out.empty())
            out += ' ';
        out += qBlue(c) == 200 ? std::to_string((row ? qRed(c) : qGreen(c)) - 10) : ".";
    }
    return out;
}
std::string Row(const QImage& img, int y) { return Sources(img, y, true); }
std::string Column(const QImage& img, int x) { return Sources(img, x, false); }

const QImage kPicture = CodedPicture(10, 8);

TEST(SkinDraw, TilesFromTheOriginAndClipsToTheDestination)
{
    // Piece: columns 1..3, rows 1..2. Destination: columns 2..8 of a 10-wide canvas.
    struct Case {
        const char* name;
        QPoint origin;
        const char* row;
        const char* column;
    };
    const Case cases[] = {
        {"from the corner", {2, 1}, ". . 1 2 3 1 2 3 1 . .", ". 1 2 1 2 1 ."},
        {"origin left and above", {1, 0}, ". . 2 3 1 2 3 1 2 . .", ". 2 1 2 1 2 ."},
        {"origin inside, right", {6, 4}, ". . 3 1 2 3 1 2 3 . .", ". 2 1 2 1 2 ."},
    };
    for (const Case& c : cases) {
        const QImage img = Draw(11, 7, [&](QPainter& p) {
            TileSkinPiece(p, kPicture, QRect(1, 1, 3, 2), QRect(2, 1, 7, 5), c.origin);
        });
        EXPECT_EQ(Row(img, 1), c.row) << c.name;
        EXPECT_EQ(Column(img, 4), c.column) << c.name;
    }
}

TEST(SkinDraw, StripsKeepHeadAndTailAndFillTheMiddle)
{
    // Piece: columns 2..7 (head 2..3, middle 4..6, tail 7), drawn from x = 1.
    struct Case {
        const char* name;
        TskStrip strip;
        int width;
        const char* row;
    };
    const QRect piece(2, 1, 6, 2);
    const Case cases[] = {
        {"own length", {piece, 2, 1}, 6, ". 2 3 4 5 6 7 . . . . . ."},
        {"tiled from the head's end", {piece, 2, 1}, 11, ". 2 3 4 5 6 4 5 6 4 5 7 ."},
        {"tiled from the strip's start",
         {piece, 2, 1, false, true},
         11,
         ". 2 3 6 4 5 6 4 5 6 4 7 ."},
        {"stretched", {piece, 2, 1, true}, 9, ". 2 3 4 4 5 5 6 6 7 . . ."},
        {"shorter than head and tail", {piece, 2, 1}, 2, ". 2 7 . . . . . . . . . ."},
        {"empty", {piece, 2, 1}, 0, ". . . . . . . . . . . . ."},
        {"head and tail beyond the piece", {piece, 5, 4}, 5, ". 2 3 4 5 7 . . . . . . ."},
        {"piece partly outside the picture",
         {QRect(6, 1, 8, 2), 2, 1},
         6,
         ". 6 7 8 8 8 9 . . . . . ."},
    };
    for (const Case& c : cases) {
        const QImage img = Draw(13, 4, [&](QPainter& p) {
            DrawSkinStrip(p, kPicture, c.strip, QRect(1, 1, c.width, 2), Qt::Horizontal);
        });
        EXPECT_EQ(Row(img, 1), c.row) << c.name;
        EXPECT_EQ(Row(img, 0), ". . . . . . . . . . . . .") << c.name;
    }
}

TEST(SkinDraw, VerticalStripsAndStretchAcross)
{
    // Rows 1..5 (head 1, middle 2..3, tail 4..5), two columns wide.
    const TskStrip strip{QRect(3, 1, 2, 5), 1, 2};
    const QImage down = Draw(4, 9, [&](QPainter& p) {
        DrawSkinStrip(p, kPicture, strip, QRect(1, 0, 2, 8), Qt::Vertical);
    });
    EXPECT_EQ(Column(down, 1), "1 2 3 2 3 2 4 5 .");
    EXPECT_EQ(Row(down, 0), ". 3 4 .");

    // A strip 2 pixels thick drawn 4 thick repeats each of its rows.
    const QImage thick = Draw(5, 4, [&](QPainter& p) {
        DrawSkinStrip(p, kPicture, {QRect(2, 1, 4, 2), 1, 1}, QRect(0, 0, 5, 4), Qt::Horizontal);
    });
    EXPECT_EQ(Column(thick, 0), "1 1 2 2");
    EXPECT_EQ(Column(thick, 2), "1 1 2 2");
    EXPECT_EQ(Row(thick, 3), "2 3 4 3 5");
}

// A 7 x 6 rect at 1,1: client 2..4 x 1..3 (relative), so the frame is 2 wide at
// the left and right, 1 high at the top and 2 at the bottom.
TskNinePiece Cut()
{
    TskNinePiece cut;
    cut.rect = QRect(1, 1, 7, 6);
    cut.leftTop = {3, 2};
    cut.rightTop = {5, 3};
    cut.leftBottom = {2, 3};
    cut.rightBottom = {4, 4};
    cut.client = QRect(2, 1, 3, 3);
    return cut;
}

TEST(SkinDraw, NinePieceAtItsOwnSizeIsAPlainCopy)
{
    const QImage img =
        Draw(9, 8, [&](QPainter& p) { DrawSkinNinePiece(p, kPicture, Cut(), QRect(1, 1, 7, 6)); });
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool inside = x >= 1 && x < 8 && y >= 1 && y < 7;
            EXPECT_EQ(img.pixel(x, y), inside ? kPicture.pixel(x, y) : kUntouched) << x << "," << y;
        }
}

TEST(SkinDraw, NinePieceGrowsByTilingEdgesAndClient)
{
    TskNinePiece cut = Cut();
    const QImage tiled = Draw(
        12, 10, [&](QPainter& p) { DrawSkinNinePiece(p, kPicture, cut, QRect(0, 0, 12, 10)); });
    // Top strip: head 3 columns (1..3), middle 4..5, tail 2 columns (6..7).
    EXPECT_EQ(Row(tiled, 0), "1 2 3 4 5 4 5 4 5 4 6 7");
    // Left strip (rows below the 1-pixel top): head 1 row, middle rows 3, tail rows 4..6.
    EXPECT_EQ(Column(tiled, 0), "1 2 3 3 3 3 3 4 5 6");
    // Client piece 3..5 x 2..4, tiled from the client area's corner (2,1).
    EXPECT_EQ(Row(tiled, 1), "1 2 3 4 5 3 4 5 3 4 6 7");
    EXPECT_EQ(Column(tiled, 2), "1 2 3 4 2 3 4 2 5 6");
    // Right strip: head rows 2..3, middle row 4, no tail; then the bottom strip.
    EXPECT_EQ(Column(tiled, 11), "1 2 3 4 4 4 4 4 5 6");

    cut.clientStretch = cut.topStretch = true;
    const QImage stretched =
        Draw(13, 9, [&](QPainter& p) { DrawSkinNinePiece(p, kPicture, cut, QRect(0, 0, 13, 9)); });
    EXPECT_EQ(Row(stretched, 0), "1 2 3 4 4 4 4 5 5 5 5 6 7");
    EXPECT_EQ(Row(stretched, 2), "1 2 3 3 3 4 4 4 5 5 5 6 7");
}

TEST(SkinDraw, FrameLeavesTheClientAreaAndFitsSmallDestinations)
{
    const QImage frame =
        Draw(12, 10, [&](QPainter& p) { DrawSkinFrame(p, kPicture, Cut(), QRect(0, 0, 12, 10)); });
    EXPECT_EQ(Row(frame, 3), "1 2 . . . . . . . . 6 7");
    EXPECT_EQ(LayoutSkinFrame(Cut(), {12, 10}).client, QRect(2, 1, 8, 7));

    // Smaller than the frame: nothing leaves the destination, nothing crashes.
    for (const QSize size : {QSize(3, 2), QSize(1, 1), QSize(1, 9), QSize(0, 5), QSize(5, 0)}) {
        const QImage img = Draw(9, 9, [&](QPainter& p) {
            DrawSkinNinePiece(p, kPicture, Cut(), QRect(QPoint(2, 2), size));
        });
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                if (!QRect(QPoint(2, 2), size).contains(x, y)) {
                    ASSERT_EQ(img.pixel(x, y), kUntouched) << size.width() << "x" << size.height();
                }
            }
    }
}

TEST(SkinDraw, BadPiecesDrawNothing)
{
    TskNinePiece outside = Cut();
    outside.rect = QRect(40, 40, 7, 6);
    TskNinePiece bogus = Cut();
    bogus.client = QRect(-5, 9, 30, -4);
    bogus.leftTop = {-8, 99};
    const std::function<void(QPainter&)> draws[] = {
        [](QPainter& p) { DrawSkinPiece(p, QImage(), QRect(0, 0, 2, 2), QRect(0, 0, 4, 4)); },
        [](QPainter& p) { DrawSkinPiece(p, kPicture, QRect(10, 0, 2, 2), QRect(0, 0, 4, 4)); },
        [](QPainter& p) { TileSkinPiece(p, kPicture, QRect(-3, 0, 3, 2), QRect(0, 0, 4, 4), {}); },
        [](QPainter& p) {
            FillSkinPiece(p, kPicture, QRect(2, 2, 0, 3), QRect(0, 0, 4, 4), false);
        },
        [&](QPainter& p) { DrawSkinNinePiece(p, kPicture, outside, QRect(0, 0, 4, 4)); },
    };
    for (const auto& draw : draws) {
        const QImage img = Draw(4, 4, draw);
        EXPECT_EQ(Row(img, 1), ". . . .");
    }
    // Nonsense corner points and client rect still draw only inside.
    const QImage img =
        Draw(8, 8, [&](QPainter& p) { DrawSkinNinePiece(p, kPicture, bogus, QRect(1, 1, 6, 6)); });
    EXPECT_EQ(Row(img, 0), ". . . . . . . .");
    EXPECT_EQ(Column(img, 7), ". . . . . . . .");
    EXPECT_TRUE(SkinPieceWithTransparentColor(kPicture, QRect(20, 0, 2, 2), 0).isNull());
}

TEST(SkinDraw, DoubleDensityDoublesEveryPixelWithoutSeams)
{
    // Stretching keeps exact doubling at whole ratios (here the client, 3 to 6).
    TskNinePiece stretched = Cut();
    stretched.clientStretch = true;
    const std::function<void(QPainter&)> draws[] = {
        [](QPainter& p) { DrawSkinNinePiece(p, kPicture, Cut(), QRect(1, 1, 15, 11)); },
        [&](QPainter& p) { DrawSkinNinePiece(p, kPicture, stretched, QRect(0, 2, 10, 9)); },
        [](QPainter& p) {
            DrawSkinStrip(p, kPicture, {QRect(2, 1, 6, 2), 2, 1}, QRect(1, 3, 13, 4),
                          Qt::Horizontal);
        },
        [](QPainter& p) {
            TileSkinPiece(p, kPicture, QRect(1, 1, 3, 2), QRect(2, 1, 13, 9), {0, 0});
        },
    };
    for (size_t i = 0; i < std::size(draws); ++i) {
        const QImage single = Draw(16, 14, draws[i]);
        const QImage twice = Draw(16, 14, draws[i], 2);
        ASSERT_EQ(twice.size(), QSize(32, 28));
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                ASSERT_EQ(twice.pixel(x, y), single.pixel(x / 2, y / 2))
                    << "draw " << i << " at " << x << "," << y;
    }
}

TEST(SkinDraw, TransparentColourClearsOnlyThatColour)
{
    QImage picture = CodedPicture(4, 3);
    picture.setPixel(1, 2, qRgb(255, 0, 255));
    picture.setPixel(3, 2, qRgb(255, 0, 255));
    const QImage piece =
        SkinPieceWithTransparentColor(picture, QRect(1, 1, 3, 2), qRgb(255, 0, 255));
    ASSERT_EQ(piece.size(), QSize(3, 2));
    EXPECT_EQ(qAlpha(piece.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(piece.pixel(2, 1)), 0);
    EXPECT_EQ(piece.pixel(1, 1), picture.pixel(2, 2));
    EXPECT_EQ(piece.pixel(0, 0), picture.pixel(1, 1));
}

}  // namespace
