#include "tools/skingen/Sheet.h"

#include "skin/SkinData.h"
#include "toolkit/Fonts.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kScale = 3;

struct Mark {
    int picture;  // -1 main, else active picture index
    TskRect rect;
    QString label;
    bool relative = false;  // rect relative to `origin`
    TskRect origin;
};

QRect Place(const Mark& m)
{
    TskRect r = m.rect;
    if (m.relative) {
        r.Left += m.origin.Left;
        r.Right += m.origin.Left;
        r.Top += m.origin.Top;
        r.Bottom += m.origin.Top;
    }
    return QRect(r.Left * kScale, r.Top * kScale, r.Width() * kScale, r.Height() * kScale);
}

std::vector<Mark> UsedMarks(const TskSkinData& s)
{
    std::vector<Mark> marks;
    auto add = [&](int pic, const TskRect& r, const QString& label) {
        if (!r.IsEmpty())
            marks.push_back(Mark{pic, r, label, false, {}});
    };
    const TskFormInfo& f = s.FormInfo();
    add(-1, f.clientrect, "clientrect");
    add(-1, f.captionrect, "captionrect");
    if (auto* c = dynamic_cast<TskDataSkinCaption*>(s.Object(s.IndexOfObject("caption1")))) {
        add(-1, c->skinrect, "caption1");
        marks.push_back(Mark{-1, c->textrect, QStringLiteral("textrect"), true, c->skinrect});
    }
    for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton",
                             "traybutton"}) {
        if (auto* b = dynamic_cast<TskDataSkinStdButton*>(s.Object(s.IndexOfObject(name)))) {
            add(b->activepictureindex, b->skinrect, QString(name).remove("button"));
            add(b->activepictureindex, b->downrect, "down");
        }
    }
    if (auto* m = dynamic_cast<TskDataSkinMenuItem*>(s.Object(s.IndexOfObject("MENUITEM")))) {
        add(m->activepictureindex, m->activeskinrect, "active item");
        add(m->activepictureindex, m->skinrect, "item");
        add(m->activepictureindex, m->dividerrect, "divider");
    }
    add(s.PopupWindow().windowpictureindex, s.PopupWindow().itemsrect, "itemsrect");
    add(s.HintWindow().windowpictureindex, s.HintWindow().clientrect, "client");

    auto control = [&](const char* name) { return s.Control(s.IndexOfControl(name)); };
    for (const char* name : {"button", "resizebutton"}) {
        if (auto* b = dynamic_cast<TskDataSkinButtonControl*>(control(name))) {
            add(b->pictureindex, b->skinrect, name);
            add(b->pictureindex, b->activeskinrect, "hot");
            add(b->pictureindex, b->downskinrect, "down");
        }
    }
    if (auto* e = dynamic_cast<TskDataSkinEditControl*>(control("edit"))) {
        add(e->pictureindex, e->skinrect, "edit");
        add(e->pictureindex, e->activeskinrect, "active");
    }
    if (auto* c = dynamic_cast<TskDataSkinCheckRadioControl*>(control("checkbox"))) {
        add(c->pictureindex, c->uncheckimagerect, "off");
        add(c->pictureindex, c->checkimagerect, "on");
        add(c->pictureindex, c->unenableduncheckimagerect, "off-");
        add(c->pictureindex, c->unenabledcheckimagerect, "on-");
    }
    for (const char* name : {"label", "panel", "vsplitter"})
        if (auto* c = control(name))
            add(c->pictureindex, c->skinrect, name);
    if (auto* t = dynamic_cast<TskDataSkinTabControl*>(control("tab"))) {
        add(t->pictureindex, t->skinrect, "tab page");
        add(t->pictureindex, t->tabsbgrect, "tabsbg");
        add(t->pictureindex, t->tabrect, "tab");
        add(t->pictureindex, t->activetabrect, "active");
        add(t->pictureindex, t->focustabrect, "focus");
    }
    if (auto* u = dynamic_cast<TskDataSkinUpDownControl*>(control("hupdown"))) {
        add(u->pictureindex, u->skinrect, "hupdown");
        add(u->pictureindex, u->downdownbuttonrect, "<");
        add(u->pictureindex, u->downupbuttonrect, ">");
    }
    return marks;
}

// ---- an assembled preview -----------------------------------------------------
// A rough composition of the pieces (not the engine's own drawing) so the sheet
// shows how they look together.
void Tile(QPainter& p, const QImage& src, const QRect& from, const QRect& to)
{
    if (from.isEmpty() || to.isEmpty())
        return;
    p.save();
    p.setClipRect(to);
    for (int y = to.top(); y <= to.bottom(); y += from.height())
        for (int x = to.left(); x <= to.right(); x += from.width())
            p.drawImage(QPoint(x, y), src, from);
    p.restore();
}

// Corners fixed, edges and centre tiled: cuts at the corner points' x and y.
void NinePiece(QPainter& p, const QImage& src, const QRect& piece, int cx1, int cx2, int cy1, int cy2,
               const QRect& to)
{
    const int xs[] = {0, cx1, cx2, piece.width()};
    const int ys[] = {0, cy1, cy2, piece.height()};
    const int dx[] = {0, cx1, to.width() - (piece.width() - cx2), to.width()};
    const int dy[] = {0, cy1, to.height() - (piece.height() - cy2), to.height()};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
            Tile(p, src, QRect(piece.left() + xs[i], piece.top() + ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]),
                 QRect(to.left() + dx[i], to.top() + dy[j], dx[i + 1] - dx[i], dy[j + 1] - dy[j]));
}

void ThreePart(QPainter& p, const QImage& src, const QRect& piece, int left, int right, const QRect& to)
{
    NinePiece(p, src, piece, left, piece.width() - right, 0, piece.height(), to);
}

QFont SkinFont(int height, bool bold = false)
{
    return MakeFont("Arial", height, bold ? TFontStyles(fsBold) : TFontStyles(0));
}

void Text(QPainter& p, const QRect& r, const QString& text, TColor colour, int flags = Qt::AlignCenter)
{
    p.setPen(ColorToQColor(colour));
    p.drawText(r, flags, text);
}

QImage Preview(const TskSkinData& s)
{
    constexpr int W = 430, H = 262;
    QImage out(W, H, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    const QImage& main = s.MainPicture();
    const TskFormInfo& f = s.FormInfo();
    const QRect cl = f.clientrect.ToQRect();
    NinePiece(p, main, main.rect(), f.lefttoppoint.X, f.righttoppoint.X, f.lefttoppoint.Y, f.leftbottompoint.Y,
              out.rect());
    const QRect client(cl.left(), cl.top(), W - (main.width() - cl.width()), H - (main.height() - cl.height()));

    // Caption: buttons from the right, the text in white with its shadow.
    const QImage& buttons = s.ActivePicture(2);
    int x = f.captionrect.Right + (W - main.width());
    for (const char* name : {"closebutton", "maxbutton", "minbutton"}) {
        auto* b = dynamic_cast<TskDataSkinStdButton*>(s.Object(s.IndexOfObject(name)));
        const QRect r = b->skinrect.ToQRect();
        x -= r.width();
        p.drawImage(QPoint(x, f.captionrect.Top), buttons, r);
        x -= f.buttonsoffset;
    }
    auto* cap = dynamic_cast<TskDataSkinCaption*>(s.Object(s.IndexOfObject("caption1")));
    p.setFont(SkinFont(cap->fontheight, true));
    const QRect title(24, cap->skinrect.Top + cap->textrect.Top, 200, cap->textrect.Height());
    Text(p, title.translated(1, 1), "Hoopline 4.2.3", cap->activeshadowcolor, Qt::AlignVCenter);
    Text(p, title, "Hoopline 4.2.3", cap->activefontcolor, Qt::AlignVCenter);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xFF, 0xF0, 0xD8));
    p.setPen(QColor(0x6E, 0x2E, 0x04));
    p.drawEllipse(QRectF(6.5, 5.5, 14, 14));
    p.setRenderHint(QPainter::Antialiasing, false);

    // Page control: tab row, page frame and page.
    auto* tab = dynamic_cast<TskDataSkinTabControl*>(s.Control(s.IndexOfControl("tab")));
    const QImage& ctl = s.ActivePicture(tab->pictureindex);
    const QRect skin = tab->skinrect.ToQRect();
    const QRect tcl = tab->clientrect.ToQRect();
    Tile(p, ctl, tab->tabsbgrect.ToQRect(), QRect(client.left(), client.top(), client.width(), 22));
    const QRect frame(client.left(), client.top() + 20, client.width(), client.height() - 20);
    NinePiece(p, ctl, skin, tcl.left(), tcl.right() + 1, tcl.top(), tcl.bottom() + 1, frame);
    Tile(p, ctl, tcl.translated(skin.topLeft()), frame.adjusted(tcl.left(), tcl.top(), -3, -3));
    p.setFont(SkinFont(tab->fontheight));
    const char* names[] = {"Stats", "Live", "Report", "About"};
    for (int i = 0, tx = client.left() + 1; i < 4; ++i, tx += 72) {
        const TskRect& piece = i == 0 ? tab->activetabrect : tab->tabrect;
        const QRect r(tx, client.top() + 2, 70, piece.Height());
        ThreePart(p, ctl, piece.ToQRect(), tab->tableftoffset, tab->tabrightoffset, r);
        const TColor colour = i == 0 ? tab->activefontcolor : i == 2 ? tab->mouseinfontcolor : tab->fontcolor;
        Text(p, r, names[i], colour);
    }

    // A panel holding the login controls.
    auto* panel = dynamic_cast<TskDataSkinCustomControl*>(s.Control(s.IndexOfControl("panel")));
    const QRect box = frame.adjusted(tcl.left() + 10, tcl.top() + 10, -13, -13);
    NinePiece(p, ctl, panel->skinrect.ToQRect(), panel->lefttoppoint.X, panel->righttoppoint.X,
              panel->lefttoppoint.Y, panel->leftbottompoint.Y, box);

    auto* label = dynamic_cast<TskDataSkinLabelControl*>(s.Control(s.IndexOfControl("label")));
    const QRect lr(box.left() + 12, box.top() + 12, 150, label->skinrect.Height());
    ThreePart(p, ctl, label->skinrect.ToQRect(), label->lefttoppoint.X,
              label->skinrect.Width() - label->righttoppoint.X, lr);
    p.setFont(SkinFont(label->fontheight));
    Text(p, lr.adjusted(8, 0, 0, 0), "Count: 12", label->fontcolor, Qt::AlignVCenter);

    auto* edit = dynamic_cast<TskDataSkinEditControl*>(s.Control(s.IndexOfControl("edit")));
    const int edgeL = edit->lefttoppoint.X, edgeR = edit->skinrect.Width() - edit->righttoppoint.X;
    p.setFont(SkinFont(14));
    Text(p, QRect(box.left() + 12, box.top() + 42, 90, 22), "LOGIN:", 0, Qt::AlignVCenter);
    Text(p, QRect(box.left() + 12, box.top() + 68, 90, 22), "PASSWORD:", 0, Qt::AlignVCenter);
    ThreePart(p, ctl, edit->skinrect.ToQRect(), edgeL, edgeR, QRect(box.left() + 100, box.top() + 42, 150, 22));
    Text(p, QRect(box.left() + 106, box.top() + 42, 140, 22), "player23", edit->fontcolor, Qt::AlignVCenter);
    ThreePart(p, ctl, edit->activeskinrect.ToQRect(), edgeL, edgeR,
              QRect(box.left() + 100, box.top() + 68, 150, 22));

    auto* check = dynamic_cast<TskDataSkinCheckRadioControl*>(s.Control(s.IndexOfControl("checkbox")));
    QImage mark = ctl.copy(check->checkimagerect.ToQRect()).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = mark.pixel(0, mark.height() - 1);
    for (int y = 0; y < mark.height(); ++y)
        for (int x2 = 0; x2 < mark.width(); ++x2)
            if (mark.pixel(x2, y) == key)
                mark.setPixel(x2, y, 0);
    p.drawImage(QPoint(box.left() + 100, box.top() + 96), mark);
    Text(p, QRect(box.left() + 100 + mark.width() + 7, box.top() + 96, 120, 16), "Remember me",
         check->framefontcolor, Qt::AlignVCenter);

    auto* button = dynamic_cast<TskDataSkinButtonControl*>(s.Control(s.IndexOfControl("button")));
    const QRect br(box.left() + 100, box.top() + 120, 177, button->skinrect.Height());
    ThreePart(p, ctl, button->skinrect.ToQRect(), button->lefttoppoint.X,
              button->skinrect.Width() - button->righttoppoint.X, br);
    p.setFont(SkinFont(button->fontheight, button->fontstyle & fsBold));
    Text(p, br, "LOGIN", button->fontcolor);

    auto* refresh = dynamic_cast<TskDataSkinButtonControl*>(s.Control(s.IndexOfControl("resizebutton")));
    const QRect rr(box.right() - 96 - 10, box.top() + 12, 96, refresh->skinrect.Height());
    NinePiece(p, ctl, refresh->activeskinrect.ToQRect(), refresh->lefttoppoint.X, refresh->righttoppoint.X,
              refresh->lefttoppoint.Y, refresh->leftbottompoint.Y, rr);
    p.setFont(SkinFont(refresh->fontheight));
    Text(p, rr, "Refresh", refresh->fontcolor);

    // The system menu popped up over the page.
    const TskDataSkinPopupWindow& pw = s.PopupWindow();
    auto* item = dynamic_cast<TskDataSkinMenuItem*>(s.Object(s.IndexOfObject("MENUITEM")));
    const QImage& pwImg = s.ActivePicture(pw.windowpictureindex);
    const QImage& items = s.ActivePicture(item->activepictureindex);
    const int itemH = item->skinrect.Height(), divH = item->dividerrect.Height();
    const int menuW = 130, menuH = 3 * itemH + divH + (pwImg.height() - pw.itemsrect.Height());
    const QRect menu(box.right() - menuW - 10, box.bottom() - menuH + 6, menuW, menuH);
    NinePiece(p, pwImg, pwImg.rect(), pw.lefttoppoint.X, pw.righttoppoint.X, pw.lefttoppoint.Y,
              pw.leftbottompoint.Y, menu);
    int y = menu.top() + pw.itemsrect.Top;
    const int itemW = menuW - (pwImg.width() - pw.itemsrect.Width());
    p.setFont(SkinFont(item->fontheight));
    const char* entries[] = {"Minimize", "Maximize", "-", "Close"};
    for (int i = 0; i < 4; ++i) {
        const bool divider = entries[i][0] == '-';
        const TskRect& piece = divider ? item->dividerrect : i == 1 ? item->activeskinrect : item->skinrect;
        const QRect r(menu.left() + pw.itemsrect.Left, y, itemW, divider ? divH : itemH);
        ThreePart(p, items, piece.ToQRect(), divider ? 0 : item->itemleftoffset,
                  divider ? 0 : item->itemrightoffset, r);
        if (!divider)
            Text(p, r.adjusted(item->textrect.Left + 17, 0, 0, 0), entries[i],
                 i == 1 ? item->activefontcolor : item->fontcolor, Qt::AlignVCenter);
        y += r.height();
    }
    return out;
}

QImage Enlarged(const QImage& img)
{
    return img.scaled(img.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

bool WriteSkinSheet(const QString& pngPath)
{
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(OrangeSkinCompressedData());
    TskSkinData skin;
    skin.LoadCompressedStoredSkin(&stored);
    if (skin.IsEmpty() || skin.ActivePictures().size() < 5) {
        std::fprintf(stderr, "skingen: the packed skin did not load\n");
        return false;
    }
    const QImage main = Enlarged(skin.MainPicture());
    std::vector<QImage> active;
    for (const QImage& img : skin.ActivePictures())
        active.push_back(Enlarged(img));

    // Row one: main, active, menu items, popup over hint; row two: controls.
    constexpr int kGap = 24, kTitle = 22;
    std::vector<QPoint> at(6);
    int x = kGap;
    at[0] = {x, kGap + kTitle};
    x += main.width() + kGap;
    at[3] = {x, kGap + kTitle};  // active.bmp
    x += active[2].width() + kGap;
    at[2] = {x, kGap + kTitle};  // menuitems.bmp
    x += active[1].width() + kGap;
    at[1] = {x, kGap + kTitle};  // pw.bmp
    at[5] = {x, at[1].y() + active[0].height() + kGap + kTitle};  // hw.bmp
    const int rowTwo = kGap + kTitle + std::max({main.height(), active[1].height(), active[2].height()}) + kGap;
    at[4] = {kGap, rowTwo + kTitle};
    const QImage preview = Preview(skin);
    const QPoint previewAt(kGap + active[3].width() + kGap, at[4].y());
    const int width = std::max(x + active[0].width(), previewAt.x() + preview.width() * 2) + kGap;
    const int height = at[4].y() + active[3].height() + kGap;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x34));
    QPainter p(&sheet);
    QFont font("Liberation Sans");
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    const QString titles[] = {"main.bmp (177x124)", "pw.bmp (0)", "menuitems.bmp (1)", "active.bmp (2)",
                              "controls.bmp (3)", "hw.bmp (4)"};
    const QImage* images[] = {&main, &active[0], &active[1], &active[2], &active[3], &active[4]};
    for (int i = 0; i < 6; ++i) {
        p.setPen(Qt::white);
        p.drawText(at[i] + QPoint(0, -7), titles[i]);
        p.drawImage(at[i], *images[i]);
    }

    p.setPen(Qt::white);
    p.drawText(previewAt + QPoint(0, -8), "assembled (2x)");
    p.drawImage(QRect(previewAt, preview.size() * 2), preview);

    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);
    const QColor colours[] = {QColor(0x00, 0x90, 0xFF), QColor(0x00, 0xA0, 0x40), QColor(0xD0, 0x00, 0xD0),
                              QColor(0x20, 0x20, 0x20), QColor(0xE0, 0x00, 0x00)};
    int n = 0;
    std::vector<QRect> placed;  // labels step down past the ones already there
    for (const Mark& m : UsedMarks(skin)) {
        const int slot = m.picture < 0 ? 0 : m.picture + 1;
        if (slot > 5)
            continue;
        const QRect r = Place(m).translated(at[slot]);
        const QColor c = colours[n++ % 5];
        p.setPen(c);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QRect text = p.fontMetrics().boundingRect(m.label).adjusted(-2, -1, 2, 1);
        QRect box(r.topLeft() + QPoint(1, 1), text.size());
        while (std::any_of(placed.begin(), placed.end(), [&](const QRect& q) { return q.intersects(box); }))
            box.translate(0, box.height());
        placed.push_back(box);
        p.fillRect(box, QColor(255, 255, 255, 220));
        p.drawText(box, Qt::AlignCenter, m.label);
    }
    p.end();
    return sheet.save(pngPath);
}
