// Draws the pictures of the "Orange" skin into its folder: every rectangle the
// skin text names gets the piece it stands for, so the text stays the one place
// where the geometry lives. `skingen <folder>` writes the six 8-bit BMPs;
// `skingen --sheet <png>` draws the packed skin's pictures, enlarged, with the
// rectangles of the definitions outlined and labelled.
#include "skin/SkinData.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/Sheet.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <map>

namespace {

// ---- colours of the theme ---------------------------------------------------
const QColor kPanel(0xFC, 0xF7, 0xF1);     // panel interior
const QColor kPage(0xF6, 0xED, 0xE3);      // page and tab row
const QColor kTan(0xD9, 0xBF, 0xA2);       // quiet frames
const QColor kEdge(0x8A, 0x3E, 0x08);      // dark outline of orange parts
const QColor kOutline(0x6E, 0x2E, 0x04);   // window outline
const QColor kInner(0xA8, 0x52, 0x0E);     // line round the client area
const QColor kAccent(0xF0, 0x86, 0x1C);    // the orange
const QColor kGlyph(0xFF, 0xFF, 0xFF);

struct Gloss {
    QColor top, mid, low, bottom, border;
};
// Upper half light, a hard step, lower half deeper with a warm reflection.
const Gloss kOrange{{0xFF, 0xB8, 0x5E}, {0xF9, 0x9A, 0x34}, {0xE8, 0x74, 0x0C}, {0xF6, 0x93, 0x2A}, kEdge};
const Gloss kOrangeHot{{0xFF, 0xE4, 0xB4}, {0xFF, 0xCF, 0x8A}, {0xFF, 0xB4, 0x54}, {0xFF, 0xCA, 0x7E}, {0xC8, 0x6A, 0x14}};
const Gloss kOrangeDown{{0xF2, 0xA0, 0x50}, {0xF6, 0xB0, 0x64}, {0xFA, 0xBE, 0x74}, {0xFF, 0xD4, 0x98}, {0xA8, 0x50, 0x0A}};
const Gloss kLight{{0xFF, 0xFF, 0xFF}, {0xFF, 0xF4, 0xE6}, {0xFB, 0xE6, 0xCC}, {0xFD, 0xF0, 0xE0}, {0xD0, 0x9A, 0x62}};
const Gloss kLightHot{{0xFF, 0xF6, 0xE4}, {0xFF, 0xE2, 0xB6}, {0xFF, 0xCC, 0x84}, {0xFF, 0xDE, 0xAA}, {0xE0, 0x80, 0x20}};
const Gloss kLightDown{{0xF6, 0xC8, 0x8A}, {0xFA, 0xD6, 0xA2}, {0xFD, 0xE2, 0xBA}, {0xFF, 0xEC, 0xD0}, {0xB8, 0x60, 0x10}};
const Gloss kCaptionButton{{0xF8, 0xA6, 0x50}, {0xEE, 0x8C, 0x2C}, {0xD6, 0x68, 0x0A}, {0xE8, 0x84, 0x20}, {0x7E, 0x36, 0x04}};
const Gloss kCaptionDown{{0xC4, 0x5E, 0x06}, {0xCE, 0x6C, 0x10}, {0xD8, 0x78, 0x18}, {0xE4, 0x8A, 0x26}, {0x6A, 0x2C, 0x02}};
const Gloss kClose{{0xF6, 0x86, 0x62}, {0xE8, 0x5C, 0x3E}, {0xC8, 0x32, 0x18}, {0xDC, 0x4C, 0x2E}, {0x76, 0x1A, 0x06}};
const Gloss kCloseDown{{0xA8, 0x24, 0x0E}, {0xB8, 0x30, 0x16}, {0xC4, 0x3C, 0x20}, {0xD2, 0x4C, 0x2E}, {0x60, 0x12, 0x04}};

QLinearGradient GlossGradient(const QRectF& r, const Gloss& g)
{
    QLinearGradient grad(r.topLeft(), r.bottomLeft());
    grad.setColorAt(0, g.top);
    grad.setColorAt(0.48, g.mid);
    grad.setColorAt(0.52, g.low);
    grad.setColorAt(1, g.bottom);
    return grad;
}

// A glossy rounded box filling `r` exactly (outline included).
void DrawGloss(QPainter& p, const QRect& r, const Gloss& g, qreal radius, bool shine = true)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    p.fillPath(path, GlossGradient(box, g));
    if (shine) {
        QPainterPath inner;
        inner.addRoundedRect(box.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.drawPath(inner);
    }
    p.setPen(QPen(g.border, 1));
    p.drawPath(path);
    p.restore();
}

void Fill(QPainter& p, const QRect& r, const QColor& c) { p.fillRect(r, c); }

void Frame(QPainter& p, const QRect& r, const QColor& c)
{
    p.fillRect(r.left(), r.top(), r.width(), 1, c);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, c);
    p.fillRect(r.left(), r.top(), 1, r.height(), c);
    p.fillRect(r.right(), r.top(), 1, r.height(), c);
}

void VGradient(QPainter& p, const QRect& r, const QColor& a, const QColor& b)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
}

void HGradient(QPainter& p, const QRect& r, const QColor& a, const QColor& b)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
}

// ---- glyphs -----------------------------------------------------------------
enum class Glyph { Close, Max, Min, RollUp, SysMenu, Tray, Left, Right, Up, Down };

void DrawGlyph(QPainter& p, Glyph glyph, const QRect& cell, const QColor& color, bool shadow)
{
    auto draw = [&](const QPoint& o, const QColor& c) {
        p.save();
        p.translate(cell.center() + o);
        const QPen pen(c, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        switch (glyph) {
        case Glyph::Close:
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(-3.5, -3.5), QPointF(3.5, 3.5));
            p.drawLine(QPointF(3.5, -3.5), QPointF(-3.5, 3.5));
            break;
        case Glyph::Max:
            p.fillRect(-4, -4, 9, 2, c);
            p.fillRect(-4, -4, 1, 8, c);
            p.fillRect(4, -4, 1, 8, c);
            p.fillRect(-4, 3, 9, 1, c);
            break;
        case Glyph::Min:
            p.fillRect(-4, 2, 8, 2, c);
            break;
        case Glyph::RollUp:
            for (int i = 0; i < 4; ++i)
                p.fillRect(-i, -2 + i, 2 * i + 1, 1, c);
            break;
        case Glyph::SysMenu:
            for (int y : {-3, 0, 3})
                p.fillRect(-4, y, 9, 1, c);
            break;
        case Glyph::Tray:
            p.fillRect(0, 1, 4, 3, c);
            p.fillRect(-4, 4, 9, 1, c);
            break;
        case Glyph::Left:
        case Glyph::Right:
        case Glyph::Up:
        case Glyph::Down:
            for (int i = 0; i < 4; ++i) {
                const int len = 2 * i + 1;
                if (glyph == Glyph::Left) p.fillRect(-2 + i, -i, 1, len, c);
                if (glyph == Glyph::Right) p.fillRect(1 - i, -i, 1, len, c);
                if (glyph == Glyph::Up) p.fillRect(-i, -2 + i, len, 1, c);
                if (glyph == Glyph::Down) p.fillRect(-i, 1 - i, len, 1, c);
            }
            break;
        }
        (void)pen;
        p.restore();
    };
    if (shadow)
        draw({1, 1}, QColor(0x50, 0x20, 0x00, 150));
    draw({0, 0}, color);
}

// ---- the window frame (main picture) ---------------------------------------
// The caption band's colour at row y, so caption buttons drawn elsewhere sit
// on exactly the same background.
QColor CaptionRow(int y, int height)
{
    const Gloss g{{0xFB, 0xAA, 0x52}, {0xF4, 0x8E, 0x2A}, {0xE2, 0x6E, 0x08}, {0xEE, 0x86, 0x1C}, kOutline};
    const qreal t = qreal(y) / qreal(height);
    auto mix = [](const QColor& a, const QColor& b, qreal f) {
        return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * f,
                                a.greenF() + (b.greenF() - a.greenF()) * f,
                                a.blueF() + (b.blueF() - a.blueF()) * f);
    };
    if (t < 0.5)
        return mix(g.top, g.mid, t / 0.5);
    return mix(g.low, g.bottom, (t - 0.5) / 0.5);
}

constexpr int kCaptionHeight = 25;  // rows 0..24 of the frame

void DrawFrame(QImage& img, const TskFormInfo& f)
{
    QPainter p(&img);
    const QRect all = img.rect();
    const QRect client = f.clientrect.ToQRect();
    // Side borders: a horizontal sheen, so they tile downwards.
    HGradient(p, QRect(0, 0, client.left(), all.height()), QColor(0xF6, 0xA2, 0x4C), QColor(0xE0, 0x76, 0x12));
    HGradient(p, QRect(client.right() + 1, 0, all.width() - client.right() - 1, all.height()),
              QColor(0xE0, 0x76, 0x12), QColor(0xF6, 0xA2, 0x4C));
    VGradient(p, QRect(0, client.bottom() + 1, all.width(), all.height() - client.bottom() - 1),
              QColor(0xEA, 0x84, 0x1E), QColor(0xD2, 0x68, 0x0A));
    for (int y = 0; y < kCaptionHeight; ++y)
        p.fillRect(0, y, all.width(), 1, CaptionRow(y, kCaptionHeight));
    p.fillRect(1, 1, all.width() - 2, 1, QColor(0xFF, 0xD2, 0x96));  // top highlight
    Fill(p, client, kPage);
    Frame(p, client.adjusted(-1, -1, 1, 1), kInner);
    Frame(p, all, kOutline);
}

// ---- control pieces ----------------------------------------------------------
void DrawTab(QPainter& p, const QRect& r, const Gloss& g)
{
    Fill(p, r, kPage);
    p.save();
    p.setClipRect(r);
    // Rounded at the top only: the lower corners run off the bottom edge.
    DrawGloss(p, r.adjusted(0, 0, 0, 4), g, 4);
    p.restore();
}

void DrawTabFrame(QPainter& p, const QRect& r, const TskRect& cl)
{
    Fill(p, r, kPage);
    // A bold orange band on top carries on from the active tab; quiet lines
    // elsewhere. Every band is uniform along its edge, so any cut tiles.
    const int top = cl.Top;
    for (int y = 0; y < top; ++y) {
        static const QColor rows[] = {{0xF7, 0xA0, 0x40}, {0xF0, 0x88, 0x22}, {0xE0, 0x72, 0x10}};
        p.fillRect(r.left(), r.top() + y, r.width(), 1, rows[std::min(y, 2)]);
    }
    const QRect inner(r.left(), r.top() + top, r.width(), r.height() - top);
    p.fillRect(inner.left(), inner.top(), 1, inner.height(), kTan);
    p.fillRect(inner.right(), inner.top(), 1, inner.height(), kTan);
    p.fillRect(inner.left(), inner.bottom(), inner.width(), 1, kTan);
}

void DrawCheck(QPainter& p, const QRect& cell, bool checked, bool enabled, bool radio)
{
    Fill(p, cell, kPanel);
    const QRect box(cell.left() + 1, cell.top() + 1, 14, 14);
    const QColor border = enabled ? QColor(0xC0, 0x62, 0x10) : QColor(0xA8, 0xA8, 0xA8);
    p.save();
    if (radio) {
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(box.center(), 7);
        g.setColorAt(0, enabled ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xF0, 0xF0, 0xF0));
        g.setColorAt(1, enabled ? QColor(0xFF, 0xE6, 0xC8) : QColor(0xE0, 0xE0, 0xE0));
        p.setBrush(g);
        p.setPen(border);
        p.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        if (checked) {
            p.setPen(Qt::NoPen);
            p.setBrush(enabled ? kAccent : QColor(0x98, 0x98, 0x98));
            p.drawEllipse(QRectF(box).adjusted(4, 4, -4, -4));
        }
    } else {
        VGradient(p, box, enabled ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xF2, 0xF2, 0xF2),
                  enabled ? QColor(0xFF, 0xE8, 0xCC) : QColor(0xE2, 0xE2, 0xE2));
        Frame(p, box, border);
        if (checked) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(enabled ? QColor(0xD8, 0x60, 0x00) : QColor(0x90, 0x90, 0x90), 2.2,
                          Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF o = box.topLeft();
            p.drawPolyline(QVector<QPointF>{o + QPointF(3.5, 7.5), o + QPointF(6, 10.5),
                                            o + QPointF(11, 3.5)});
        }
    }
    p.restore();
}

void DrawEdit(QPainter& p, const QRect& r, bool active)
{
    Fill(p, r, kPanel);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
    p.fillPath(path, Qt::white);
    p.setPen(active ? QColor(0xF0, 0x86, 0x1C) : QColor(0xCF, 0xB0, 0x8E));
    p.drawPath(path);
    if (active) {
        QPainterPath glow;
        glow.addRoundedRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5), 1.5, 1.5);
        p.setPen(QColor(0xFF, 0xD6, 0xA4));
        p.drawPath(glow);
    }
    p.restore();
}

void DrawPanel(QPainter& p, const QRect& r)
{
    Fill(p, r, kPanel);
    Frame(p, r, kTan);
}

void DrawGroup(QPainter& p, const QRect& r, const TskRect& caption)
{
    DrawPanel(p, r);
    const QRect band(r.left() + 1, r.top() + 1, r.width() - 2, caption.Bottom - 1);
    VGradient(p, band, QColor(0xFF, 0xEC, 0xD4), QColor(0xFB, 0xD8, 0xAE));
    p.fillRect(band.left(), band.bottom() + 1, band.width(), 1, kTan);
}

void DrawToolbar(QPainter& p, const QRect& r)
{
    VGradient(p, r, QColor(0xFF, 0xF8, 0xEE), QColor(0xF2, 0xE2, 0xCE));
    Frame(p, r, kTan);
}

void DrawLabelStrip(QPainter& p, const QRect& r)
{
    Fill(p, r, kPanel);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(box, 5, 5);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xF1, 0xDE));
    g.setColorAt(1, QColor(0xFD, 0xDC, 0xB4));
    p.fillPath(path, g);
    p.setPen(QColor(0xE6, 0xA8, 0x64));
    p.drawPath(path);
    p.restore();
}

void DrawTrough(QPainter& p, const QRect& r, bool vertical)
{
    Fill(p, r, kPanel);
    const QRect in = r.adjusted(0, 0, -1, -1);
    if (vertical)
        HGradient(p, r, QColor(0xEE, 0xE2, 0xD4), QColor(0xFF, 0xFA, 0xF4));
    else
        VGradient(p, r, QColor(0xEE, 0xE2, 0xD4), QColor(0xFF, 0xFA, 0xF4));
    Frame(p, QRect(in.topLeft(), in.size() + QSize(1, 1)), kTan);
}

void DrawBox(QPainter& p, const QRect& r)
{
    Fill(p, r, Qt::white);
    Frame(p, r, kTan);
    Frame(p, r.adjusted(1, 1, -1, -1), QColor(0xF6, 0xEE, 0xE4));
}

void DrawCombo(QPainter& p, const QRect& r)
{
    DrawEdit(p, r, false);
    const QRect button(r.right() - 17, r.top() + 2, 16, r.height() - 4);
    DrawGloss(p, button, kLight, 2);
    DrawGlyph(p, Glyph::Down, button, kEdge, false);
}

void DrawSplitter(QPainter& p, const QRect& r, bool vertical)
{
    if (vertical)
        HGradient(p, r, QColor(0xF6, 0xEA, 0xDC), QColor(0xE8, 0xD4, 0xBC));
    else
        VGradient(p, r, QColor(0xF6, 0xEA, 0xDC), QColor(0xE8, 0xD4, 0xBC));
    const QPoint c = r.center();
    for (int i = -1; i <= 1; ++i) {
        const QPoint dot = vertical ? QPoint(c.x(), c.y() + 3 * i) : QPoint(c.x() + 3 * i, c.y());
        p.fillRect(dot.x(), dot.y(), 1, 1, kEdge);
        p.fillRect(dot.x() + 1, dot.y() + 1, 1, 1, Qt::white);
    }
}

void DrawArrowButton(QPainter& p, const QRect& r, Glyph glyph, const Gloss& g)
{
    DrawGloss(p, r, g, 2);
    DrawGlyph(p, glyph, r, kEdge, false);
}

void DrawUpDown(QPainter& p, const QRect& r, const TskRect& up, const TskRect& down, bool vertical)
{
    Fill(p, r, kPanel);
    auto at = [&](const TskRect& b) { return b.ToQRect().translated(r.topLeft()); };
    DrawArrowButton(p, at(up), vertical ? Glyph::Up : Glyph::Right, kLight);
    DrawArrowButton(p, at(down), vertical ? Glyph::Down : Glyph::Left, kLight);
}

void DrawHeaderCell(QPainter& p, const QRect& r)
{
    VGradient(p, r, QColor(0xFF, 0xF6, 0xEA), QColor(0xF4, 0xDE, 0xC2));
    p.fillRect(r.left(), r.bottom(), r.width(), 1, QColor(0xE0, 0x9A, 0x50));
    p.fillRect(r.right(), r.top() + 3, 1, r.height() - 6, kTan);
}

// ---- the skin's pictures, piece by piece ------------------------------------
struct Pictures {
    QImage main, pw, menuitems, active, controls, hw;
    QImage* ByIndex(int index)
    {
        QImage* list[] = {&pw, &menuitems, &active, &controls, &hw};
        return index >= 0 && index < 5 ? list[index] : &main;
    }
};

QImage Blank(int w, int h, const QColor& c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

void DrawCaptionButton(QImage& img, const TskRect& rect, TskStdCommand command, bool down)
{
    QPainter p(&img);
    const QRect r = rect.ToQRect();
    constexpr int kTop = 3;  // caption buttons sit at row 3 of the frame
    for (int y = 0; y < r.height(); ++y)
        p.fillRect(r.left(), r.top() + y, r.width(), 1, CaptionRow(kTop + y, kCaptionHeight));
    const bool close = command == cmClose;
    const Gloss& g = close ? (down ? kCloseDown : kClose) : (down ? kCaptionDown : kCaptionButton);
    const QRect box = r.adjusted(1, 1, -1, -1);
    DrawGloss(p, box, g, 3);
    static const std::map<TskStdCommand, Glyph> glyphs = {
        {cmClose, Glyph::Close}, {cmMaximize, Glyph::Max},    {cmMinimize, Glyph::Min},
        {cmRollUp, Glyph::RollUp}, {cmSysMenu, Glyph::SysMenu}, {cmMinimizeToTray, Glyph::Tray},
        {cmDefault, Glyph::SysMenu}};
    DrawGlyph(p, glyphs.at(command), box.translated(down ? 1 : 0, down ? 1 : 0), kGlyph, true);
}

void DrawObjects(const TskSkinData& skin, Pictures& pics)
{
    for (const auto& object : skin.ObjectList()) {
        QImage* img = pics.ByIndex(object->activepictureindex);
        if (auto* button = dynamic_cast<TskDataSkinStdButton*>(object.get())) {
            DrawCaptionButton(*img, button->skinrect, button->command, false);
            DrawCaptionButton(*img, button->downrect, button->command, true);
        } else if (auto* item = dynamic_cast<TskDataSkinMenuItem*>(object.get())) {
            QPainter p(img);
            Fill(p, item->skinrect.ToQRect(), Qt::white);
            DrawGloss(p, item->activeskinrect.ToQRect(), kOrangeHot, 3);
            const QRect divider = item->dividerrect.ToQRect();
            Fill(p, divider, Qt::white);
            p.fillRect(divider.left(), divider.center().y(), divider.width(), 1, QColor(0xE8, 0xCE, 0xB0));
        } else if (dynamic_cast<TskDataSkinMainMenuBarItem*>(object.get())) {
            QPainter p(img);
            VGradient(p, object->skinrect.ToQRect(), QColor(0xFF, 0xF8, 0xEE), QColor(0xF2, 0xE2, 0xCE));
            DrawGloss(p, object->activeskinrect.ToQRect(), kOrangeHot, 3);
        }
    }
}

void DrawControl(const TskDataSkinControl& c, QImage& img)
{
    QPainter p(&img);
    const QRect r = c.skinrect.ToQRect();
    const std::string& n = c.IDName;
    if (auto* b = dynamic_cast<const TskDataSkinButtonControl*>(&c)) {
        const bool pill = n == "button";
        const bool tool = b->skinrect.Height() < 24;
        const Gloss* g[3] = {pill ? &kOrange : &kLight, pill ? &kOrangeHot : &kLightHot,
                             pill ? &kOrangeDown : &kLightDown};
        const TskRect rects[3] = {b->skinrect, b->activeskinrect, b->downskinrect};
        for (int i = 0; i < 3; ++i) {
            Fill(p, rects[i].ToQRect(), kPanel);
            DrawGloss(p, rects[i].ToQRect(), *g[i], pill ? 6 : tool ? 3 : 4);
        }
    } else if (auto* t = dynamic_cast<const TskDataSkinTabControl*>(&c)) {
        DrawTabFrame(p, r, t->clientrect);
        DrawTab(p, t->tabrect.ToQRect(), kLight);
        DrawTab(p, t->activetabrect.ToQRect(), kOrange);
        DrawTab(p, t->focustabrect.ToQRect(), kOrangeHot);
    } else if (auto* cr = dynamic_cast<const TskDataSkinCheckRadioControl*>(&c)) {
        const bool radio = n == "radiobox";
        DrawCheck(p, cr->checkimagerect.ToQRect(), true, true, radio);
        DrawCheck(p, cr->uncheckimagerect.ToQRect(), false, true, radio);
        DrawCheck(p, cr->unenabledcheckimagerect.ToQRect(), true, false, radio);
        DrawCheck(p, cr->unenableduncheckimagerect.ToQRect(), false, false, radio);
    } else if (auto* e = dynamic_cast<const TskDataSkinEditControl*>(&c)) {
        if (dynamic_cast<const TskDataSkinMemoControl*>(&c)) {
            DrawBox(p, r);
        } else {
            DrawEdit(p, r, false);
            DrawEdit(p, e->activeskinrect.ToQRect(), true);
        }
    } else if (auto* u = dynamic_cast<const TskDataSkinUpDownControl*>(&c)) {
        const bool vertical = n == "vupdown";
        DrawUpDown(p, r, u->upbuttonrect, u->downbuttonrect, vertical);
        DrawArrowButton(p, u->downupbuttonrect.ToQRect(), vertical ? Glyph::Up : Glyph::Right, kLightDown);
        DrawArrowButton(p, u->downdownbuttonrect.ToQRect(), vertical ? Glyph::Down : Glyph::Left, kLightDown);
    } else if (dynamic_cast<const TskDataSkinSplitterControl*>(&c)) {
        DrawSplitter(p, r, n == "vsplitter");
    } else if (auto* panel = dynamic_cast<const TskDataSkinPanelControl*>(&c)) {
        if (!panel->captionrect.IsEmpty())
            DrawGroup(p, r, panel->captionrect);
        else if (n == "panel")
            DrawPanel(p, r);
        else
            DrawToolbar(p, r);
    } else if (dynamic_cast<const TskDataSkinLabelControl*>(&c)) {
        DrawLabelStrip(p, r);
    } else if (dynamic_cast<const TskDataSkinGaugeControl*>(&c)
               || dynamic_cast<const TskDataSkinScrollBarControl*>(&c)) {
        DrawTrough(p, r, r.height() > r.width());
    } else if (dynamic_cast<const TskDataSkinTrackBarControl*>(&c)) {
        DrawTrough(p, r, false);
    } else if (dynamic_cast<const TskDataSkinComboBox*>(&c)) {
        DrawCombo(p, r);
    } else if (dynamic_cast<const TskDataSkinListBox*>(&c)
               || dynamic_cast<const TskDataSkinScrollBoxControl*>(&c)) {
        DrawBox(p, r);
    } else if (dynamic_cast<const TskDataSkinGridControl*>(&c)) {
        DrawHeaderCell(p, r);
    } else if (dynamic_cast<const TskDataSkinMainMenuBar*>(&c)
               || dynamic_cast<const TskDataSkinControlBar*>(&c)) {
        DrawToolbar(p, r);
    } else if (dynamic_cast<const TskDataSkinExPanelControl*>(&c)) {
        DrawGroup(p, r, {2, 1, 65, 18});
    }
    // Spin edits, sliders, bevels and the rest reuse pieces drawn above.
}

void DrawWindows(const TskSkinData& skin, Pictures& pics)
{
    const TskDataSkinPopupWindow& pw = skin.PopupWindow();
    {
        QPainter p(pics.ByIndex(pw.windowpictureindex));
        const QRect all = pics.pw.rect();
        Fill(p, all, QColor(0xFF, 0xFB, 0xF6));
        for (int y = 1; y < 3; ++y)  // an orange lip along the top edge
            p.fillRect(1, y, all.width() - 2, 1, y == 1 ? QColor(0xF9, 0xA4, 0x46) : kAccent);
        Fill(p, pw.itemsrect.ToQRect(), Qt::white);
        Frame(p, all, QColor(0xC0, 0x6A, 0x20));
    }
    const TskDataSkinHintWindow& hw = skin.HintWindow();
    QPainter p(pics.ByIndex(hw.windowpictureindex));
    VGradient(p, pics.hw.rect(), QColor(0xFF, 0xFA, 0xEC), QColor(0xFF, 0xEE, 0xD0));
    Frame(p, pics.hw.rect(), QColor(0xC0, 0x6A, 0x20));
}

// The skin text read the way the engine reads it, without any pictures.
std::unique_ptr<TskSkinData> ReadSkinText(const QString& iniPath)
{
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    TskSkinPackage package;
    package.Text = file.readAll();
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(DeflateSkinStream(EncodeSkinPackage(package)));
    auto skin = std::make_unique<TskSkinData>();
    skin->LoadCompressedStoredSkin(&stored);
    return skin;
}

int Generate(const QString& folder)
{
    auto skin = ReadSkinText(folder + "/Orange.ini");
    if (!skin || skin->IsEmpty()) {
        std::fprintf(stderr, "skingen: cannot read %s/Orange.ini\n", qPrintable(folder));
        return 1;
    }
    Pictures pics{Blank(177, 124, kPage),   Blank(77, 70, Qt::white), Blank(49, 128, Qt::white),
                  Blank(47, 117, kPage),    Blank(380, 424, kPanel),  Blank(29, 15, Qt::white)};
    DrawFrame(pics.main, skin->FormInfo());
    DrawObjects(*skin, pics);
    for (const auto& control : skin->CtrlList())
        if (control->pictureindex >= 0)
            DrawControl(*control, *pics.ByIndex(control->pictureindex));
    DrawWindows(*skin, pics);

    const std::pair<const char*, QImage*> files[] = {
        {"main.bmp", &pics.main},         {"pw.bmp", &pics.pw},
        {"menuitems.bmp", &pics.menuitems}, {"active.bmp", &pics.active},
        {"controls.bmp", &pics.controls}, {"hw.bmp", &pics.hw}};
    for (const auto& [name, image] : files) {
        if (!WriteBmp8(QuantizeTo256(*image, {kPanel.rgb(), kPage.rgb()}), folder + '/' + name)) {
            std::fprintf(stderr, "skingen: cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--sheet")
        return WriteSkinSheet(args[2]) ? 0 : 1;
    if (args.size() == 2)
        return Generate(args[1]);
    std::fprintf(stderr, "usage: skingen <skin folder> | skingen --sheet <out.png>\n");
    return 2;
}
