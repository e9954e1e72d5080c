#include "AssetGen.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <functional>

namespace {

constexpr int kIcon = 16;
constexpr int kScale = 4;   // icons are drawn large and scaled down for smooth edges

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Draws `paint` on a 64 x 64 canvas and reduces it to a masked 16 x 16 icon.
QImage SmallIcon(const std::function<void(QPainter&)>& paint)
{
    QImage big = Blank(kIcon * kScale, kIcon * kScale);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    return Binarize(big.scaled(kIcon, kIcon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void DrawPerson(QPainter& p, const QColor& shirt, const QColor& hair)
{
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.setBrush(shirt);
    QPainterPath body;
    body.moveTo(8, 62);
    body.cubicTo(8, 36, 56, 36, 56, 62);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(246, 204, 170));
    p.drawEllipse(QPointF(32, 22), 12, 13);
    p.setBrush(hair);
    p.setPen(Qt::NoPen);
    QPainterPath cap;
    cap.moveTo(19, 22);
    cap.cubicTo(18, 4, 46, 4, 45, 22);
    cap.cubicTo(40, 14, 26, 14, 19, 22);
    p.drawPath(cap);
}

void DrawSword(QPainter& p, double angle)
{
    p.save();
    p.translate(32, 32);
    p.rotate(angle);
    p.setPen(QPen(QColor(40, 40, 50), 2));
    p.setBrush(QColor(235, 238, 245));
    p.drawPolygon(QPolygonF({{-4, 12}, {-4, -24}, {0, -31}, {4, -24}, {4, 12}}));
    p.setBrush(QColor(240, 180, 30));
    p.drawRect(QRectF(-12, 12, 24, 5));
    p.setBrush(QColor(90, 45, 15));
    p.drawRect(QRectF(-3, 17, 6, 9));
    p.setBrush(QColor(240, 180, 30));
    p.drawEllipse(QPointF(0, 28.5), 3.5, 3.5);
    p.restore();
}

using IconPainter = std::function<void(QPainter&)>;

std::vector<IconPainter> TabIconPainters()
{
    const QColor ink(20, 20, 20);
    return {
        [](QPainter&) {},
        [ink](QPainter& p) {   // bar chart
            p.fillRect(QRectF(4, 58, 56, 4), ink);
            p.fillRect(QRectF(4, 4, 4, 56), ink);
            const double heights[] = {20, 36, 28, 48};
            for (int i = 0; i < 4; ++i)
                p.fillRect(QRectF(12 + i * 12, 56 - heights[i], 9, heights[i]), ink);
        },
        [](QPainter& p) {   // red glossy ball
            QRadialGradient g(QPointF(24, 22), 36);
            g.setColorAt(0, QColor(255, 140, 140));
            g.setColorAt(0.35, QColor(225, 20, 20));
            g.setColorAt(1, QColor(120, 0, 0));
            p.setPen(QPen(QColor(90, 0, 0), 2));
            p.setBrush(g);
            p.drawEllipse(QPointF(32, 32), 27, 27);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(QPointF(24, 19), 10, 6);
        },
        [](QPainter& p) {   // text document
            p.setPen(QPen(QColor(70, 70, 80), 3));
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({{10, 2}, {42, 2}, {56, 16}, {56, 62}, {10, 62}}));
            p.setBrush(QColor(200, 205, 215));
            p.drawPolygon(QPolygonF({{42, 2}, {42, 16}, {56, 16}}));
            p.setPen(QPen(QColor(60, 90, 160), 4));
            for (int y = 26; y <= 52; y += 9)
                p.drawLine(QPointF(18, y), QPointF(y == 52 ? 36 : 48, y));
        },
        [ink](QPainter& p) {   // satellite dish
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.save();
            p.translate(28, 30);
            p.rotate(-35);
            QPainterPath dish;
            dish.moveTo(-26, -4);
            dish.cubicTo(-20, 22, 20, 22, 26, -4);
            dish.closeSubpath();
            p.drawPath(dish);
            p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, 10), QPointF(0, -22));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(0, -24), 5, 5);
            p.restore();
            p.drawPolygon(QPolygonF({{26, 40}, {14, 62}, {44, 62}}));
        },
        [ink](QPainter& p) {   // flame
            QPainterPath flame;
            flame.moveTo(32, 2);
            flame.cubicTo(40, 18, 56, 26, 52, 44);
            flame.cubicTo(49, 58, 40, 62, 32, 62);
            flame.cubicTo(20, 62, 10, 54, 11, 42);
            flame.cubicTo(12, 32, 20, 28, 22, 18);
            flame.cubicTo(28, 26, 26, 34, 30, 36);
            flame.cubicTo(36, 26, 34, 14, 32, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPath(flame);
        },
        [ink](QPainter& p) {   // information sign
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(QPointF(32, 32), 30, 30);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(32, 17), 5.5, 5.5);
            p.drawRoundedRect(QRectF(26.5, 27, 11, 25), 2, 2);
        },
        [](QPainter& p) {   // video sign
            p.setPen(QPen(QColor(210, 20, 20), 6));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(5, 11, 54, 42), 6, 6);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 30, 30));
            p.drawPolygon(QPolygonF({{24, 20}, {24, 44}, {44, 32}}));
        },
        [](QPainter& p) {   // orange arrow on a blue square
            QLinearGradient g(0, 0, 0, 64);
            g.setColorAt(0, QColor(70, 130, 230));
            g.setColorAt(1, QColor(20, 60, 160));
            p.setPen(QPen(QColor(10, 35, 100), 3));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(3, 3, 58, 58), 8, 8);
            p.setPen(QPen(QColor(120, 50, 0), 2));
            p.setBrush(QColor(255, 150, 30));
            p.drawPolygon(QPolygonF({{32, 9}, {53, 32}, {40, 32}, {40, 55}, {24, 55}, {24, 32}, {11, 32}}));
        },
        [](QPainter& p) { DrawBasketball(p, QPointF(32, 32), 29, 3.5); },
        [](QPainter& p) { DrawPerson(p, QColor(40, 100, 200), QColor(90, 55, 25)); },
        [](QPainter& p) { DrawPerson(p, QColor(200, 50, 40), QColor(25, 25, 25)); },
        [](QPainter& p) {   // crossed swords
            DrawSword(p, 45);
            DrawSword(p, -45);
        },
    };
}

// Fixed-size glyph pictures, pixel by pixel: at 16 pixels smoothing would only blur.
QImage GlyphCanvas(const QColor& transparent, const std::function<void(QPainter&)>& paint)
{
    QImage image(kIcon, kIcon, QImage::Format_RGB32);
    image.fill(transparent);
    QPainter p(&image);
    paint(p);
    return image;
}

// Adds a one-pixel white border around the black shape so the cursor shows on dark ground.
QImage Outlined(const QImage& shape)
{
    QImage out = shape.copy();
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x) {
            if (qAlpha(shape.pixel(x, y)))
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    touches = shape.rect().contains(nx, ny) && qAlpha(shape.pixel(nx, ny));
                }
            if (touches)
                out.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
    return out;
}

QPolygon Poly(std::initializer_list<QPoint> points) { return QPolygon(QList<QPoint>(points)); }

} // namespace

QImage Binarize(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            line[x] = a < 100 ? 0 : qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), 255);
        }
    }
    return out;
}

void DrawBasketball(QPainter& p, const QPointF& c, double r, double seam)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0, QColor(255, 190, 110));
    g.setColorAt(0.45, QColor(240, 120, 25));
    g.setColorAt(1, QColor(160, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r, r);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(15, 10, 5), seam, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    // The two curved seams bow in towards the vertical one.
    p.drawEllipse(QPointF(c.x() - r * 1.25, c.y()), r * 0.9, r * 1.1);
    p.drawEllipse(QPointF(c.x() + r * 1.25, c.y()), r * 0.9, r * 1.1);
    p.restore();
    p.setPen(QPen(QColor(70, 25, 0), seam * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - seam * 0.4, r - seam * 0.4);
}

QImage Basketball(int size, double seamWidth)
{
    const int big = size * kScale;
    QImage image = Blank(big, big);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        DrawBasketball(p, QPointF(big / 2.0, big / 2.0), big / 2.0 - kScale * 0.6, seamWidth * kScale);
    }
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QByteArray BasketballSvg(int size, double seamWidth)
{
    // The geometry of DrawBasketball, written out instead of painted.
    const double c = size / 2.0, r = c - 0.6, seam = seamWidth;
    const auto n = [](double v) { return QByteArray::number(v, 'f', 2); };
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + QByteArray::number(size)
                     + "\" height=\"" + QByteArray::number(size) + "\" viewBox=\"0 0 " + QByteArray::number(size)
                     + " " + QByteArray::number(size) + "\">\n";
    svg += "  <defs>\n    <radialGradient id=\"skin\" gradientUnits=\"userSpaceOnUse\" cx=\"" + n(c - r * 0.35)
           + "\" cy=\"" + n(c - r * 0.4) + "\" r=\"" + n(r * 1.4) + "\">\n"
           "      <stop offset=\"0\" stop-color=\"#ffbe6e\"/>\n"
           "      <stop offset=\"0.45\" stop-color=\"#f07819\"/>\n"
           "      <stop offset=\"1\" stop-color=\"#a03c00\"/>\n    </radialGradient>\n";
    svg += "    <clipPath id=\"ball\"><circle cx=\"" + n(c) + "\" cy=\"" + n(c) + "\" r=\"" + n(r)
           + "\"/></clipPath>\n  </defs>\n";
    svg += "  <circle cx=\"" + n(c) + "\" cy=\"" + n(c) + "\" r=\"" + n(r) + "\" fill=\"url(#skin)\"/>\n";
    svg += "  <g clip-path=\"url(#ball)\" fill=\"none\" stroke=\"#0f0a05\" stroke-width=\"" + n(seam) + "\">\n";
    svg += "    <line x1=\"" + n(c) + "\" y1=\"" + n(c - r) + "\" x2=\"" + n(c) + "\" y2=\"" + n(c + r) + "\"/>\n";
    svg += "    <line x1=\"" + n(c - r) + "\" y1=\"" + n(c) + "\" x2=\"" + n(c + r) + "\" y2=\"" + n(c) + "\"/>\n";
    for (const double dx : {-1.25, 1.25})
        svg += "    <ellipse cx=\"" + n(c + r * dx) + "\" cy=\"" + n(c) + "\" rx=\"" + n(r * 0.9) + "\" ry=\""
               + n(r * 1.1) + "\"/>\n";
    svg += "  </g>\n";
    svg += "  <circle cx=\"" + n(c) + "\" cy=\"" + n(c) + "\" r=\"" + n(r - seam * 0.4)
           + "\" fill=\"none\" stroke=\"#461900\" stroke-width=\"" + n(seam * 0.8) + "\"/>\n</svg>\n";
    return svg;
}

QImage TabIconStrip()
{
    const auto painters = TabIconPainters();
    QImage strip(4 * kIcon, ((int(painters.size()) + 3) / 4) * kIcon, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < int(painters.size()); ++i)
        p.drawImage((i % 4) * kIcon, (i / 4) * kIcon, SmallIcon(painters[i]));
    return strip;
}

QImage HeaderGlyph(int which)
{
    switch (which) {
    case 0:   // red tick in a grey-framed white box
        return GlyphCanvas(Qt::white, [](QPainter& p) {
            p.setPen(QColor(128, 128, 128));
            p.setBrush(QColor(253, 253, 253));   // not the transparent white, so the box stays white
            p.drawRect(2, 2, 11, 11);
            p.setPen(QPen(QColor(215, 0, 0), 2));
            p.drawPolyline(Poly({{4, 7}, {6, 10}, {11, 4}}));
        });
    case 1:   // skull and crossbones, pixel by pixel
        return GlyphCanvas(Qt::white, [](QPainter& p) {
            static const char* const rows[kIcon] = {
                "................", ".kkkkkkkkkkkkkk.", ".kkkkkwwwwkkkkk.", ".kkkkwwwwwwkkkk.",
                ".kkkwwwwwwwwkkk.", ".kkkwkkwwkkwkkk.", ".kkkwkkwwkkwkkk.", ".kkkwwwkkwwwkkk.",
                ".kkkkwwwwwwkkkk.", ".kkkkwkwkwkkkkk.", ".kwwkkkkkkkkwwk.", ".kkwwwkkkkwwwkk.",
                ".kkkkkwwwwkkkkk.", ".kkwwwkkkkwwwkk.", ".kwwkkkkkkkkwwk.", "................",
            };
            for (int y = 0; y < kIcon; ++y)
                for (int x = 0; x < kIcon; ++x)
                    if (rows[y][x] != '.')   // bones a shade off white, so they are not see-through
                        p.fillRect(x, y, 1, 1, rows[y][x] == 'k' ? QColor(Qt::black) : QColor(250, 250, 250));
        });
    case 2:   // play sign in an orange film frame
        return GlyphCanvas(QColor(244, 201, 159), [](QPainter& p) {
            p.fillRect(1, 2, 14, 12, QColor(222, 110, 20));
            for (int x = 2; x <= 13; x += 3) {
                p.fillRect(x, 3, 2, 1, QColor(255, 236, 210));
                p.fillRect(x, 12, 2, 1, QColor(255, 236, 210));
            }
            p.fillRect(2, 5, 12, 6, QColor(255, 228, 196));
            const int widths[] = {1, 2, 3, 3, 2, 1};
            for (int row = 0; row < 6; ++row)
                p.fillRect(6, 5 + row, widths[row], 1, QColor(45, 30, 20));
        });
    default:   // black upward arrow on an orange square
        return GlyphCanvas(QColor(251, 218, 158), [](QPainter& p) {
            p.setPen(QColor(190, 90, 10));
            p.setBrush(QColor(245, 140, 30));
            p.drawRect(1, 1, 13, 13);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawPolygon(Poly({{8, 3}, {3, 8}, {6, 8}, {6, 12}, {9, 12}, {9, 8}, {12, 8}, {8, 3}}));
        });
    }
}

QStringList CursorNames()
{
    return {"COLUMNNODRAG", "HORZSPLIT", "VERTSPLIT", "INDICATORSELECT",
            "ROLL", "ROLLUP", "ROLLDOWN", "REVERSEDARROW"};
}

QImage Cursor(const QString& name, QPoint& hot)
{
    QImage shape = Blank(32, 32);
    QPainter p(&shape);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const auto upTriangle = [&p](int cx, int tipY) { p.drawPolygon(Poly({{cx, tipY}, {cx - 4, tipY + 4}, {cx + 4, tipY + 4}})); };
    const auto downTriangle = [&p](int cx, int tipY) { p.drawPolygon(Poly({{cx, tipY}, {cx - 4, tipY - 4}, {cx + 4, tipY - 4}})); };
    if (name == "COLUMNNODRAG") {
        hot = {14, 14};
        p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(5, 5, 23, 23);
        p.drawLine(23, 5, 5, 23);
    } else if (name == "HORZSPLIT") {
        hot = {8, 8};
        p.fillRect(7, 1, 2, 15, Qt::black);
        p.fillRect(2, 8, 12, 1, Qt::black);
        p.drawPolygon(Poly({{0, 8}, {3, 5}, {3, 11}}));
        p.drawPolygon(Poly({{16, 8}, {13, 5}, {13, 11}}));
    } else if (name == "VERTSPLIT") {
        hot = {8, 8};
        p.fillRect(1, 7, 15, 2, Qt::black);
        p.fillRect(8, 2, 1, 12, Qt::black);
        p.drawPolygon(Poly({{8, 0}, {5, 3}, {11, 3}}));
        p.drawPolygon(Poly({{8, 16}, {5, 13}, {11, 13}}));
    } else if (name == "INDICATORSELECT") {
        hot = {11, 4};
        p.fillRect(3, 3, 5, 3, Qt::black);
        p.drawPolygon(Poly({{11, 4}, {7, 0}, {7, 8}}));
    } else if (name == "REVERSEDARROW") {
        hot = {11, 0};
        p.drawPolygon(Poly({{11, 0}, {11, 15}, {8, 12}, {6, 17}, {4, 16}, {6, 11}, {1, 11}, {11, 0}}));
    } else {   // ROLL, ROLLUP, ROLLDOWN
        hot = {6, 10};
        p.drawEllipse(QPoint(6, 10), 1, 1);
        if (name != "ROLLDOWN")
            upTriangle(6, 2);
        if (name != "ROLLUP")
            downTriangle(6, 18);
    }
    p.end();
    return Outlined(Binarize(shape));
}
