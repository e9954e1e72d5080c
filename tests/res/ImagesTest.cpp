// The embedded pictures: counts, sizes, masks, and the indices that carry meaning.
#include "toolkit/ImageList.h"
#include "toolkit/Resources.h"

#include <QColor>
#include <QFile>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Share of opaque pixels whose hue lies in [from, to] with some saturation.
double HueShare(const QImage& image, int from, int to)
{
    int opaque = 0, inRange = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            ++opaque;
            inRange += c.hsvSaturation() > 80 && c.hsvHue() >= from && c.hsvHue() <= to;
        }
    return opaque ? double(inRange) / opaque : 0;
}

bool HasOnlyMaskAlpha(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            if (a != 0 && a != 255)
                return false;
        }
    return true;
}

bool FullyTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

constexpr int kOrangeFrom = 12, kOrangeTo = 40, kBlueFrom = 200, kBlueTo = 250;

} // namespace

TEST(ImageLists, HoldEveryImageAtSixteenPixelsWithAPlainMask)
{
    struct Case { void (*load)(TImageList&); int count; };
    for (const Case& c : {Case{LoadFlagImages, 110}, Case{LoadTabImages, 13}}) {
        TImageList list;
        c.load(list);
        ASSERT_EQ(list.Count(), c.count);
        for (int i = 0; i < list.Count(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(list.Image(i).size(), QSize(16, 16));
            // The lists are masked, not blended: every pixel is shown or not.
            EXPECT_TRUE(HasOnlyMaskAlpha(list.Image(i).convertToFormat(QImage::Format_ARGB32)));
        }
    }
}

TEST(FlagImages, CarryTheMeaningOfTheirIndex)
{
    TImageList flags;
    LoadFlagImages(flags);
    const auto image = [&flags](int i) { return flags.Image(i).convertToFormat(QImage::Format_ARGB32); };
    EXPECT_GT(HueShare(image(0), kOrangeFrom, kOrangeTo), 0.6) << "0 is an orange basketball";
    EXPECT_EQ(qAlpha(image(0).pixel(0, 0)), 0) << "the ball is round";
    EXPECT_GT(HueShare(image(25), kBlueFrom, kBlueTo), 0.6) << "25 is the blue European flag";
    EXPECT_EQ(image(49), image(102)) << "both Luxembourg";
    EXPECT_EQ(image(11), image(103)) << "both Cameroon";
    const QColor japanCentre = image(43).pixelColor(8, 8);
    EXPECT_GT(japanCentre.red(), 150);
    EXPECT_LT(japanCentre.green(), 90);
    // Apart from the two copies every index shows a picture of its own, so an
    // index shifted by one would show up here.
    for (int i = 0; i < 110; ++i)
        for (int j = i + 1; j < 110; ++j)
            if (!(i == 49 && j == 102) && !(i == 11 && j == 103)) {
                EXPECT_NE(image(i), image(j)) << i << " and " << j;
            }
}

TEST(TabImages, FirstIsEmptyAndTheOthersShowSomething)
{
    TImageList tabs;
    LoadTabImages(tabs);
    ASSERT_EQ(tabs.Count(), 13);
    EXPECT_TRUE(FullyTransparent(tabs.Image(0)));
    for (int i = 1; i < tabs.Count(); ++i)
        EXPECT_FALSE(FullyTransparent(tabs.Image(i))) << i;
    EXPECT_GT(HueShare(tabs.Image(9).convertToFormat(QImage::Format_ARGB32), kOrangeFrom, kOrangeTo), 0.4)
        << "9 is the basketball";
}

TEST(HeaderGlyphs, AreTwentyFourBitWithTheirTransparentColourBottomLeft)
{
    struct Case { THeaderGlyph glyph; QColor transparent; };
    const Case cases[] = {
        {THeaderGlyph::hgCheck, QColor(255, 255, 255)},
        {THeaderGlyph::hgFlag, QColor(255, 255, 255)},
        {THeaderGlyph::hgVideo, QColor(244, 201, 159)},
        {THeaderGlyph::hgArrow, QColor(251, 218, 158)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(HeaderGlyphName(c.glyph));
        const QImage glyph = LoadHeaderGlyph(c.glyph);
        ASSERT_EQ(glyph.size(), QSize(16, 16));
        EXPECT_EQ(glyph.depth(), 24);
        EXPECT_EQ(glyph.pixelColor(0, 15), c.transparent);
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += glyph.pixelColor(x, y) != c.transparent;
        EXPECT_GT(drawn, 40) << "the picture itself must not vanish as transparent";
    }
}

TEST(Pictures, LogoAndAboutHaveTheirSizesAndFormats)
{
    const QImage logo = LoadResourceImage(QStringLiteral("defaultlogo"));
    ASSERT_EQ(logo.size(), QSize(50, 50));
    EXPECT_TRUE(logo.hasAlphaChannel());
    EXPECT_EQ(logo.pixelColor(0, 0).alpha(), 0);
    EXPECT_GT(HueShare(logo, kOrangeFrom, kOrangeTo), 0.6);

    EXPECT_EQ(LoadResourceImage(QStringLiteral("ABOUT")).size(), QSize(800, 600));
    QFile jpeg(QStringLiteral(":/res/image/ABOUT.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    const QByteArray bytes = jpeg.readAll();
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2))) << "baseline frame";
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2))) << "no progressive frame";
}

TEST(Pictures, AboutPanelLiesBehindTheLoginControlsOnTheStretchedPage)
{
    const QImage page = LoadResourceImage(QStringLiteral("ABOUT"))
                            .scaled(1015, 662, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_FALSE(page.isNull());
    // Points just around the login and password fields, the check box and the
    // LOGIN button, at their design positions: all on the orange panel.
    const QPoint around[] = {{600, 272}, {905, 289}, {905, 362}, {600, 380}, {640, 420},
                             {660, 468}, {860, 468}, {760, 495}, {990, 230}};
    for (const QPoint& at : around) {
        const QColor c = page.pixelColor(at);
        EXPECT_TRUE(c.hsvHue() >= kOrangeFrom && c.hsvHue() <= kOrangeTo && c.hsvSaturation() > 100)
            << at.x() << "," << at.y() << " is " << c.name().toStdString();
    }
}

TEST(MainIcon, HasThreeSizesWithAlpha)
{
    const QIcon icon = LoadMainIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    for (const QSize& size : icon.availableSizes()) {
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size.width();
        EXPECT_GT(HueShare(image, kOrangeFrom, kOrangeTo), 0.5) << size.width();
    }
}

TEST(GridCursors, HaveTheirHotSpotsAndAreMonochrome)
{
    struct Case { const char* name; QPoint hot; };
    const Case cases[] = {
        {"COLUMNNODRAG", {14, 14}}, {"HORZSPLIT", {8, 8}}, {"VERTSPLIT", {8, 8}},
        {"INDICATORSELECT", {11, 4}}, {"ROLL", {6, 10}}, {"ROLLUP", {6, 10}},
        {"ROLLDOWN", {6, 10}}, {"reversedarrow", {11, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QCursor cursor = LoadResourceCursor(QString::fromLatin1(c.name));
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), c.hot);
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32));
        int black = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = image.pixel(x, y);
                const bool mono = qAlpha(p) == 0 || p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255);
                ASSERT_TRUE(mono) << x << "," << y;
                black += p == qRgb(0, 0, 0);
            }
        EXPECT_GT(black, 8);
    }
}

TEST(Resources, MissingNamesGiveEmptyResults)
{
    EXPECT_TRUE(LoadResourceImage(QStringLiteral("NOSUCHPICTURE")).isNull());
    EXPECT_TRUE(LoadResourceImage(QString()).isNull());
    EXPECT_EQ(LoadResourceCursor(QStringLiteral("NOSUCHCURSOR")).shape(), Qt::ArrowCursor);
    EXPECT_TRUE(LoadResourceImage(QStringLiteral("ZVUK1")).isNull()) << "a sound is no picture";
}
