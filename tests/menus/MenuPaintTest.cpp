// The system menu's picture against the skin's pictures: frame pieces from
// "pw.bmp", items from "menuitems.bmp", the built-in glyphs, and the same
// picture without seams at twice the pixel density.
#include "MenuFixture.h"

namespace {
class MenuPaint : public MenuFixture {
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        skinForm->ShowSystemMenu(QRect(60, 60, 0, 0));
        ASSERT_TRUE(menu()->Visible());
        img = top()->Compose(1);
        itemsPic = data.ActivePicture(1);
        framePic = data.ActivePicture(0);
    }

    // Source column of a strip `width` wide cut from `src` with fixed ends.
    static int StripColumn(int x, int width, const QRect& src, int leftFixed, int rightFixed)
    {
        if (x < leftFixed)
            return src.x() + x;
        if (x >= width - rightFixed)
            return src.x() + src.width() - (width - x);
        return src.x() + leftFixed + (x - leftFixed) % (src.width() - leftFixed - rightFixed);
    }

    // Compares rows of item `index` (outside its text) with the strip's source.
    void ExpectItemRows(int index, const QRect& src, int fixed, std::initializer_list<int> rows)
    {
        const QRect r = top()->Item(index)->ItemRect;
        for (int y : rows) {
            for (int x = 0; x < r.width(); ++x) {
                const QColor want = itemsPic.pixelColor(StripColumn(x, r.width(), src, fixed, fixed), src.y() + y);
                ASSERT_EQ(img.pixelColor(r.x() + x, r.y() + y), want) << "item " << index << " at " << x << "," << y;
            }
        }
    }

    QImage img, itemsPic, framePic;
};

TEST_F(MenuPaint, ItemsAreCutFromTheSkinsItemPicture)
{
    ASSERT_TRUE(top()->Item(0)->Active);
    ExpectItemRows(0, QRect(0, 0, 49, 20), 5, {0, 1, 19});             // active: "activeskinrect"
    ExpectItemRows(1, QRect(0, 20, 48, 20), 5, {0, 1, 19});            // normal: "skinrect"
    ExpectItemRows(2, QRect(0, 56, 49, 7), 0, {0, 1, 2, 3, 4, 5, 6});  // separator: "dividerrect"
    EXPECT_EQ(top()->Item(0)->ItemRect, QRect(6, 6, top()->width() - 12, 20));
}

TEST_F(MenuPaint, FrameCornersAndEdgesComeFromThePopupPicture)
{
    const int w = img.width(), h = img.height();
    const int pw = framePic.width(), ph = framePic.height();
    for (const QPoint& p : {QPoint(0, 0), QPoint(3, 3), QPoint(7, 5)})  // top-left corner
        EXPECT_EQ(img.pixelColor(p), framePic.pixelColor(p));
    for (const QPoint& p : {QPoint(1, 1), QPoint(4, 5), QPoint(10, 2)})  // bottom-right corner
        EXPECT_EQ(img.pixelColor(w - p.x(), h - p.y()), framePic.pixelColor(pw - p.x(), ph - p.y()));
    // The top edge repeats the source's middle piece across the width.
    for (int x = 8; x < w - 13; ++x)
        ASSERT_EQ(img.pixelColor(x, 1), framePic.pixelColor(8 + (x - 8) % 56, 1)) << x;
    // The left edge runs down the whole height.
    for (int y = 8; y < h - 11; ++y)
        ASSERT_EQ(img.pixelColor(1, y), framePic.pixelColor(1, 8 + (y - 8) % 51)) << y;
}

TEST_F(MenuPaint, BuiltInGlyphsSitInTheGlyphColumn)
{
    const QColor ink(0, 0, 0);
    // Minimize bars at rows 8 and 9 of the glyph box (5, 6) inside the item.
    const QPoint minimize = top()->Item(0)->ItemRect.topLeft() + QPoint(5, 6);
    EXPECT_EQ(img.pixelColor(minimize + QPoint(1, 8)), ink);
    EXPECT_EQ(img.pixelColor(minimize + QPoint(8, 9)), ink);
    EXPECT_NE(img.pixelColor(minimize + QPoint(9, 9)), ink) << "line ends are left out";
    // Maximize box outline and its title bar.
    const QPoint maximize = top()->Item(1)->ItemRect.topLeft() + QPoint(5, 6);
    EXPECT_EQ(img.pixelColor(maximize + QPoint(0, 5)), ink);
    EXPECT_EQ(img.pixelColor(maximize + QPoint(10, 9)), ink);
    EXPECT_EQ(img.pixelColor(maximize + QPoint(5, 1)), ink);
    EXPECT_NE(img.pixelColor(maximize + QPoint(5, 5)), ink);
    // Close cross.
    const QPoint close = top()->Item(3)->ItemRect.topLeft() + QPoint(5, 6);
    EXPECT_EQ(img.pixelColor(close + QPoint(1, 1)), ink);
    EXPECT_EQ(img.pixelColor(close + QPoint(8, 8)), ink);
    EXPECT_EQ(img.pixelColor(close + QPoint(1, 8)), ink);
}

TEST_F(MenuPaint, DoubleDensityIsTheSamePictureWithoutSeams)
{
    const QImage twice = top()->Compose(2);
    ASSERT_EQ(twice.size(), img.size() * 2);
    // Everything but the text: the frame, the separator and the items' top and bottom rows.
    std::vector<int> rows;
    for (int y = 0; y < 6; ++y)
        rows.insert(rows.end(), {y, img.height() - 1 - y});
    for (int i = 0; i < top()->ItemCount(); ++i) {
        const QRect r = top()->Item(i)->ItemRect;
        for (int y = r.y(); y <= r.bottom(); ++y) {
            if (top()->Item(i)->IsLine() || y == r.y() || y == r.bottom())
                rows.push_back(y);
        }
    }
    for (int y : rows) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor want = img.pixelColor(x, y);
            for (const QPoint& d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                ASSERT_EQ(twice.pixelColor(2 * x + d.x(), 2 * y + d.y()), want) << x << "," << y;
        }
    }
}
}  // namespace
