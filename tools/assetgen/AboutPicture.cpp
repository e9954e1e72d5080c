#include "AssetGen.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
// The picture is shown stretched over the 1015 x 662 login page; the login
// controls sit at fixed page positions, so the panel and icons are placed in
// page pixels and mapped back.
constexpr double kSx = 800.0 / 1015.0;
constexpr double kSy = 600.0 / 662.0;

QPointF Page(double x, double y) { return {x * kSx, y * kSy}; }
QRectF PageRect(double x, double y, double w, double h) { return {x * kSx, y * kSy, w * kSx, h * kSy}; }

// Bold Liberation Sans with spaced letters, as every text of the picture.
QFont Lettering(int pixels, double spacing)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

void Background(QPainter& p)
{
    QLinearGradient base(0, 0, 0, kHeight);
    base.setColorAt(0, QColor(22, 8, 2));
    base.setColorAt(1, QColor(46, 16, 3));
    p.fillRect(0, 0, kWidth, kHeight, base);
    QRadialGradient glow(QPointF(250, 330), 430);
    glow.setColorAt(0, QColor(255, 120, 10, 170));
    glow.setColorAt(0.5, QColor(200, 70, 0, 70));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(0, 0, kWidth, kHeight, glow);
}

// Light streaks sweeping up from the lower left, each a wide faint band under a thin bright line.
void Streaks(QPainter& p)
{
    QRandomGenerator rng(20240611);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < 34; ++i) {
        const double y0 = 380 + rng.bounded(260.0);
        const double y1 = -60 + rng.bounded(330.0);
        const double bend = -120 + rng.bounded(240.0);
        QPainterPath path(QPointF(-40, y0));
        path.cubicTo(QPointF(220, y0 - 60 + bend), QPointF(520, y1 + 120 + bend), QPointF(860, y1));
        const int hue = 18 + rng.bounded(24);
        const double width = 1 + rng.bounded(5.0);
        QColor wide = QColor::fromHsv(hue, 255, 255, 22 + rng.bounded(28));
        QColor thin = QColor::fromHsv(hue, 160 + rng.bounded(80), 255, 90 + rng.bounded(120));
        p.setPen(QPen(wide, width * 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(thin, width * 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    }
    for (int i = 0; i < 90; ++i) {
        const QPointF at(rng.bounded(double(kWidth)), rng.bounded(double(kHeight)));
        const double r = 0.6 + rng.bounded(2.2);
        QRadialGradient spark(at, r * 3);
        spark.setColorAt(0, QColor(255, 220, 150, 200));
        spark.setColorAt(1, QColor(255, 120, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(spark);
        p.drawEllipse(at, r * 3, r * 3);
    }
    p.restore();
}

void Hoop(QPainter& p)
{
    p.save();
    // Backboard, seen from the front and a little from below.
    p.setPen(QPen(QColor(255, 235, 210, 200), 3));
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(58, 86, 190, 122), 6, 6);
    p.setPen(QPen(QColor(255, 235, 210, 170), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(122, 146, 62, 48));
    // Net under the rim.
    p.setPen(QPen(QColor(255, 245, 235, 190), 1.6));
    const double top = 220, bottom = 292;
    for (int i = 0; i <= 8; ++i) {
        const double xt = 113 + i * 10, xb = 133 + i * 5;
        p.drawLine(QPointF(xt, top), QPointF(xb, bottom));
        if (i < 8)
            p.drawLine(QPointF(xt, top), QPointF(133 + (i + 1) * 5, bottom));
    }
    for (double y = 240; y < bottom; y += 17) {
        const double t = (y - top) / (bottom - top);
        p.drawLine(QPointF(113 + 20 * t, y), QPointF(193 - 20 * t, y));
    }
    // Rim.
    p.setPen(QPen(QColor(230, 60, 10), 6));
    p.drawEllipse(QPointF(153, 218), 42, 9);
    p.setPen(QPen(QColor(255, 160, 90), 2));
    p.drawArc(QRectF(111, 209, 84, 18), 200 * 16, 140 * 16);
    p.restore();
}

struct TJoint {
    QPointF at;
    double width;
};

// A limb narrowing from joint to joint: round joints joined by tangent quads,
// each its own shape so that overlaps add up instead of cancelling.
void Limb(std::vector<QPainterPath>& shapes, std::initializer_list<TJoint> joints)
{
    const TJoint* previous = nullptr;
    for (const TJoint& joint : joints) {
        QPainterPath round;
        round.addEllipse(joint.at, joint.width / 2, joint.width / 2);
        shapes.push_back(round);
        if (previous) {
            const QPointF d = joint.at - previous->at;
            const double length = std::hypot(d.x(), d.y());
            const QPointF n(-d.y() / length, d.x() / length);
            QPainterPath quad;
            quad.addPolygon(QPolygonF({previous->at + n * previous->width / 2, joint.at + n * joint.width / 2,
                                       joint.at - n * joint.width / 2, previous->at - n * previous->width / 2}));
            shapes.push_back(quad);
        }
        previous = &joint;
    }
}

// A player in full flight towards the rim, the ball held high in the right hand.
std::vector<QPainterPath> Player()
{
    QPainterPath body;
    body.addEllipse(QPointF(288, 211), 17, 19);
    QPainterPath torso;
    torso.moveTo(258, 246);
    torso.cubicTo(278, 236, 310, 238, 330, 250);
    torso.cubicTo(342, 274, 344, 306, 340, 332);
    torso.lineTo(292, 338);
    torso.cubicTo(282, 310, 268, 286, 258, 246);
    torso.closeSubpath();
    QPainterPath shorts;
    shorts.addPolygon(QPolygonF({{290, 324}, {344, 318}, {366, 378}, {330, 388}, {316, 366}, {282, 386}, {264, 362}}));
    shorts.closeSubpath();
    std::vector<QPainterPath> all = {body, torso, shorts};
    Limb(all, {{{289, 226}, 15}, {{293, 246}, 17}});  // neck
    Limb(all, {{{266, 252}, 24}, {{230, 214}, 16}, {{200, 182}, 12}});  // arm to the ball
    Limb(all, {{{322, 256}, 23}, {{354, 280}, 15}, {{380, 262}, 11}});  // balancing arm
    Limb(all, {{{300, 348}, 32}, {{262, 382}, 22}, {{272, 440}, 13}});  // leading leg, knee up
    Limb(all, {{{270, 442}, 15}, {{250, 454}, 14}});  // its shoe
    Limb(all, {{{338, 352}, 31}, {{374, 404}, 22}, {{420, 424}, 13}});  // trailing leg
    Limb(all, {{{422, 424}, 15}, {{440, 438}, 14}});  // its shoe
    return all;
}

// The silhouette as a coverage mask: outlining a union of overlapping shapes
// leaves seams at the joints, a mask has none.
QImage PlayerMask()
{
    QImage mask(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPainterPath& part : Player())
        p.drawPath(part);
    return mask;
}

QImage Tinted(const QImage& mask, const QBrush& brush)
{
    QImage out = mask;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), brush);
    return out;
}

void DrawPlayer(QPainter& p)
{
    const QImage mask = PlayerMask();
    // Glow and rim light: the mask spread around itself.
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const QImage glow = Tinted(mask, QColor(255, 100, 0, 34));
    for (double r : {12.0, 7.0}) {
        for (int i = 0; i < 16; ++i) {
            const double a = i * 3.14159265358979 / 8;
            p.drawImage(QPointF(r * std::cos(a), r * std::sin(a)), glow);
        }
    }
    p.restore();
    const QImage rim = Tinted(mask, QColor(255, 178, 80));
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265358979 / 4;
        p.drawImage(QPointF(2.2 * std::cos(a), 2.2 * std::sin(a)), rim);
    }
    QLinearGradient fill(260, 180, 420, 470);
    fill.setColorAt(0, QColor(44, 18, 6));
    fill.setColorAt(1, QColor(12, 5, 2));
    p.drawImage(0, 0, Tinted(mask, fill));
    // Jersey number on the back, just a hint of detail.
    p.setFont(Lettering(30, 0));
    p.setPen(QColor(255, 140, 40, 170));
    p.drawText(QRectF(290, 268, 44, 40), Qt::AlignCenter, QStringLiteral("23"));
    DrawBasketball(p, QPointF(184, 162), 19, 2.2);
}

void Title(QPainter& p)
{
    QFont font = Lettering(104, 2);
    font.setItalic(true);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Hoopline"));
    const QRectF bounds = text.boundingRect();
    text.translate(kWidth / 2.0 - bounds.center().x(), 100);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int w = 26; w >= 8; w -= 9) {
        p.setPen(QPen(QColor(255, 100, 0, 40), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text);
    }
    p.restore();
    const QRectF box = text.boundingRect();
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, QColor(255, 226, 120));
    fill.setColorAt(0.45, QColor(255, 150, 20));
    fill.setColorAt(1, QColor(214, 70, 0));
    p.setPen(QPen(QColor(60, 20, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(text);
}

void PersonIcon(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double sx = box.width() / 2, sy = box.height() / 2;
    p.drawEllipse(QPointF(c.x(), c.y() - sy * 0.38), sx * 0.4, sy * 0.4);
    QPainterPath shoulders;
    shoulders.moveTo(c.x() - sx * 0.8, c.y() + sy * 0.8);
    shoulders.cubicTo(c.x() - sx * 0.8, c.y() - sy * 0.02, c.x() + sx * 0.8, c.y() - sy * 0.02,
                      c.x() + sx * 0.8, c.y() + sy * 0.8);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

void KeyIcon(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    const double sx = box.width() / 2, sy = box.height() / 2;
    QPainterPath key;
    key.addEllipse(QPointF(c.x() - sx * 0.5, c.y()), sx * 0.42, sy * 0.42);
    key.addRect(QRectF(c.x() - sx * 0.15, c.y() - sy * 0.12, sx * 1.0, sy * 0.24));
    key.addRect(QRectF(c.x() + sx * 0.5, c.y(), sx * 0.16, sy * 0.42));
    key.addRect(QRectF(c.x() + sx * 0.72, c.y(), sx * 0.14, sy * 0.32));
    key = key.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(c.x() - sx * 0.58, c.y()), sx * 0.16, sy * 0.16);
    p.drawPath(key.subtracted(hole));
}

// A round badge holding an icon; drawn in page pixels so it is round on the page.
void Badge(QPainter& p, const QRectF& pageBox, void (*icon)(QPainter&, const QRectF&))
{
    const QRectF box(pageBox.x() * kSx, pageBox.y() * kSy, pageBox.width() * kSx, pageBox.height() * kSy);
    QRadialGradient g(box.center() - QPointF(box.width() * 0.2, box.height() * 0.25), box.width());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(255, 222, 190));
    p.setPen(QPen(QColor(150, 60, 0), 1.5));
    p.setBrush(g);
    p.drawEllipse(box);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 55, 0));
    icon(p, box.adjusted(box.width() * 0.2, box.height() * 0.2, -box.width() * 0.2, -box.height() * 0.2));
}

void LoginPanel(QPainter& p)
{
    // Page pixels: the panel runs from left of the field icons to right of the
    // version text, from above the version text to below the LOGIN button.
    const QRectF panel = PageRect(548, 194, 462, 310);
    const double rx = 18 * kSx, ry = 18 * kSy;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(panel.translated(6, 8), rx, ry);
    QLinearGradient fill(0, panel.top(), 0, panel.bottom());
    fill.setColorAt(0, QColor(255, 170, 70, 245));
    fill.setColorAt(0.5, QColor(250, 130, 25, 245));
    fill.setColorAt(1, QColor(222, 92, 8, 245));
    p.setPen(QPen(QColor(255, 214, 150), 2));
    p.setBrush(fill);
    p.drawRoundedRect(panel, rx, ry);
    // Gloss over the upper edge.
    QLinearGradient gloss(0, panel.top(), 0, panel.top() + 50);
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(panel.adjusted(3, 3, -3, -panel.height() + 52), rx - 2, ry - 2);
    // Heading where nothing else sits, left of the version text.
    p.setFont(Lettering(17, 1.5));
    p.setPen(QColor(90, 30, 0, 150));
    p.drawText(PageRect(600, 214, 280, 30).translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("MEMBER LOGIN"));
    p.setPen(Qt::white);
    p.drawText(PageRect(600, 214, 280, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MEMBER LOGIN"));
    p.setPen(QPen(QColor(255, 236, 200, 160), 1));
    p.drawLine(Page(600, 250), Page(980, 250));
    p.setRenderHint(QPainter::Antialiasing);
    Badge(p, QRectF(560, 272, 32, 32), PersonIcon);   // beside the login field (598, 280, h 18)
    Badge(p, QRectF(560, 346, 32, 32), KeyIcon);      // beside the password field (598, 352, h 21)
    p.restore();
}

void BrandMark(QPainter& p)
{
    const QPointF c(676, 574);
    p.setPen(QPen(QColor(255, 150, 40, 200), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 11, 11);
    p.drawLine(QPointF(c.x() - 11, c.y()), QPointF(c.x() + 11, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 11), QPointF(c.x(), c.y() + 11));
    p.setFont(Lettering(12, 2));
    p.setPen(QColor(255, 190, 120, 210));
    p.drawText(QRectF(694, 565, 100, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("HOOPLINE"));
}

} // namespace

QImage AboutPicture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Background(p);
    Streaks(p);
    // The hoop and the player sit left of the login panel.
    p.save();
    p.translate(-28, 0);
    Hoop(p);
    DrawPlayer(p);
    p.restore();
    Title(p);
    LoginPanel(p);
    BrandMark(p);
    return image;
}
