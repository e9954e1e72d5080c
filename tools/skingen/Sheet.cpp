#include "tools/skingen/Sheet.h"

#include "skin/SkinData.h"

#include <QFont>
#include <QImage>
#include <QPainter>
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
    const int width = std::max(x + active[0].width(), kGap + active[3].width()) + kGap;
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

    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);
    const QColor colours[] = {QColor(0x00, 0x90, 0xFF), QColor(0x00, 0xA0, 0x40), QColor(0xD0, 0x00, 0xD0),
                              QColor(0x20, 0x20, 0x20), QColor(0xE0, 0x00, 0x00)};
    int n = 0;
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
        const QRect box(r.topLeft() + QPoint(1, 1), text.size());
        p.fillRect(box, QColor(255, 255, 255, 220));
        p.drawText(box, Qt::AlignCenter, m.label);
    }
    p.end();
    return sheet.save(pngPath);
}
