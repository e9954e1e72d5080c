// Renders a contact sheet of every embedded picture, read back through the
// toolkit's resource functions. Usage: assetsheet <out.png>
#include "toolkit/ImageList.h"
#include "toolkit/Resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

namespace {

// What each flag image shows, with the country names the service sends.
const char* const kFlagNames[FlagImageCount] = {
    "basketball", "Argentina", "Armenia", "Australia", "Austria", "Bahrain", "Belarus", "Belgium",
    "Bosnia", "Brazil", "Bulgaria", "Cameroon", "Canada", "Chile", "China", "Colombia", "Costa Rica",
    "Croatia", "Cyprus", "Czech Republic", "Denmark", "Egypt", "El Salvador", "England", "Estonia",
    "UEFA, Europe, Asia...", "Finland", "France", "Georgia", "Germany", "Greece", "Guatemala",
    "Honduras", "Hong Kong", "Hungary", "Iceland", "India", "Indonesia", "Iran", "Iraq", "Ireland",
    "Israel", "Italy", "Japan", "Jordan", "Kazakhstan", "Kuwait", "Lebanon", "Lithuania",
    "(Luxembourg)", "Malaysia", "Mexico", "Moldova", "Montenegro", "Morocco", "Netherlands",
    "New Zealand", "Norway", "Paraguay", "Peru", "Philippines", "Poland", "Portugal", "Qatar",
    "Romania", "Russia", "Saudi Arabia", "Scotland", "Senegal", "Serbia", "Singapoure", "Slovakia",
    "Slovenia", "South Africa", "South Korea", "Spain", "Sweden", "Switzerland", "Thailand",
    "Tunisia", "Turkey", "Ukraine", "UAE", "USA", "Uruguay", "Uzbekistan", "Venezuela", "Vietnam",
    "Wales", "Yemen", "Andorra", "Nigeria", "Swaziland", "Algeria", "Syria", "Malta",
    "FYR of Macedonia", "Albania", "Kosovo", "Azerbaijan", "Uganda", "Latvia", "Luxemburg",
    "(Cameroon)", "(Dominican Rep.)", "(Kenya)", "(Taiwan)", "(Angola)", "(Zimbabwe)", "(Malawi)",
};

const char* const kTabNames[TabImageCount] = {
    "(empty)", "Stats", "ball", "Report", "Radar", "Live", "About", "video", "arrow",
    "Forecast", "Home", "Away", "Head-To-Head",
};

constexpr int kCellW = 150;
constexpr int kCellH = 22;
constexpr int kFlagColumns = 8;

void Heading(QPainter& p, int y, const QString& text)
{
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(15);
    p.save();
    p.setFont(font);
    p.drawText(12, y, text);
    p.restore();
}

// A picture shown 1:1 and enlarged three times on a checkerboard, so the mask shows.
void Zoomed(QPainter& p, const QPoint& at, const QImage& image)
{
    const QRect big(at.x() + image.width() + 8, at.y(), image.width() * 3, image.height() * 3);
    for (int y = 0; y < big.height(); y += 6)
        for (int x = 0; x < big.width(); x += 6)
            p.fillRect(QRect(big.x() + x, big.y() + y, 6, 6).intersected(big),
                       ((x + y) / 6) % 2 ? QColor(200, 200, 200) : QColor(245, 245, 245));
    p.drawImage(at, image);
    p.drawImage(big, image);
}

// Outlines of the login page's controls at their design positions, to check
// that they land on the picture's panel and beside its icons.
void LoginControls(QPainter& p, const QPoint& page)
{
    p.save();
    p.translate(page);
    const auto label = [&p](int x, int y, const QString& text) {
        p.setPen(Qt::black);
        p.drawText(QRect(x, y, 120, 13), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    const auto box = [&p](const QRect& r, const QColor& fill) {
        p.setPen(QColor(90, 90, 90));
        p.setBrush(fill);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    label(600, 264, QStringLiteral("LOGIN:"));
    box(QRect(598, 280, 299, 18), Qt::white);
    label(600, 336, QStringLiteral("PASSWORD:"));
    box(QRect(598, 352, 299, 21), Qt::white);
    box(QRect(604, 414, 13, 13), Qt::white);
    label(622, 414, QString::fromUtf8("Запомнить"));
    box(QRect(672, 456, 177, 25), QColor(236, 233, 216));
    p.drawText(QRect(672, 456, 177, 25), Qt::AlignCenter, QStringLiteral("LOGIN"));
    label(896, 216, QStringLiteral("Version: 4.2.3"));
    label(896, 240, QStringLiteral("www.hoopline.net/"));
    p.restore();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << "usage: assetsheet <out.png>\n";
        return 2;
    }
    TImageList flags, tabs;
    LoadFlagImages(flags);
    LoadTabImages(tabs);
    const QImage about = LoadResourceImage(QStringLiteral("ABOUT"));
    const int flagRows = (FlagImageCount + kFlagColumns - 1) / kFlagColumns;
    const int aboutTop = 60 + flagRows * kCellH + 14 + 2 * 72 + 24 + 14 + 150 + 24 + 130;
    QImage sheet(kFlagColumns * kCellW + 24, aboutTop + 20 + 662 + 20, QImage::Format_RGB32);
    sheet.fill(QColor(236, 233, 216));
    QPainter p(&sheet);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    p.setFont(font);

    Heading(p, 24, QStringLiteral("ImageList1: flags (index, country)"));
    for (int i = 0; i < FlagImageCount; ++i) {
        const QPoint cell(12 + (i % kFlagColumns) * kCellW, 40 + (i / kFlagColumns) * kCellH);
        flags.Draw(p, cell.x(), cell.y(), i);
        p.drawText(QRect(cell.x() + 20, cell.y(), kCellW - 22, 16), Qt::AlignVCenter,
                   QStringLiteral("%1 %2").arg(i).arg(QString::fromLatin1(kFlagNames[i])));
    }

    int y = 60 + flagRows * kCellH;
    Heading(p, y, QStringLiteral("ImageList2: tab icons"));
    for (int i = 0; i < TabImageCount; ++i) {
        const QPoint cell(12 + (i % 7) * 170, y + 14 + (i / 7) * 72);
        Zoomed(p, cell, tabs.Image(i));
        p.drawText(QRect(cell.x(), cell.y() + 52, 160, 14), Qt::AlignLeft,
                   QStringLiteral("%1 %2").arg(i).arg(QString::fromLatin1(kTabNames[i])));
    }

    y += 14 + 2 * 72 + 24;
    Heading(p, y, QStringLiteral("Header glyphs, default logo, MAINICON"));
    const THeaderGlyph glyphs[] = {THeaderGlyph::hgCheck, THeaderGlyph::hgFlag, THeaderGlyph::hgVideo,
                                   THeaderGlyph::hgArrow};
    int x = 12;
    for (THeaderGlyph g : glyphs) {
        Zoomed(p, QPoint(x, y + 14), LoadHeaderGlyph(g));
        p.drawText(QRect(x, y + 66, 120, 14), Qt::AlignLeft, QString::fromLatin1(HeaderGlyphName(g)));
        x += 120;
    }
    Zoomed(p, QPoint(x, y + 14), LoadResourceImage(QStringLiteral("DEFAULTLOGO")));
    x += 240;
    const QIcon icon = LoadMainIcon();
    for (const QSize& size : icon.availableSizes()) {
        p.drawPixmap(x, y + 14, icon.pixmap(size));
        p.drawText(QRect(x, y + 66, 60, 14), Qt::AlignLeft, QStringLiteral("%1 px").arg(size.width()));
        x += size.width() + 24;
    }

    y += 14 + 150 + 24;
    Heading(p, y, QStringLiteral("Grid cursors (hot spot in red), twice the size"));
    x = 12;
    for (const char* name : {"COLUMNNODRAG", "HORZSPLIT", "VERTSPLIT", "INDICATORSELECT", "ROLL",
                             "ROLLUP", "ROLLDOWN", "REVERSEDARROW"}) {
        const QCursor cursor = LoadResourceCursor(QString::fromLatin1(name));
        const QRect box(x, y + 14, 64, 64);
        p.fillRect(box, QColor(150, 150, 150));
        p.drawPixmap(box, cursor.pixmap());
        p.fillRect(x + cursor.hotSpot().x() * 2, y + 14 + cursor.hotSpot().y() * 2, 2, 2, Qt::red);
        p.drawText(QRect(x, y + 82, 140, 14), Qt::AlignLeft, QString::fromLatin1(name));
        x += 140;
    }

    Heading(p, aboutTop, QStringLiteral("About picture, stretched to the 1015 x 662 login page"));
    p.drawImage(QRect(12, aboutTop + 12, 1015, 662), about);
    LoginControls(p, QPoint(12, aboutTop + 12));
    p.end();
    return sheet.save(app.arguments()[1]) ? 0 : 1;
}
