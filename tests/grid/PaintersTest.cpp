// Cell painters drawing into a rectangle of a QImage.
#include "GridFixture.h"
#include "toolkit/ImageList.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor kBack(0xFF, 0xFF, 0xFF);

class Painters : public ::testing::Test {
protected:
    void SetUp() override { canvas.fill(kBack); }

    void Paint(const TDgCustomColumn& column, const TCellInfo& info, const QRect& content)
    {
        QPainter painter(&canvas);
        painter.setFont(MakeFont(column.Font()));
        painter.setPen(Qt::black);
        TCellPaint cell;
        cell.Canvas = &painter;
        cell.CellRect = content;
        cell.ContentRect = content;
        cell.Column = &column;
        column.Display().Paint(cell, info);
    }
    // Bounding box of the pixels that are not background.
    QRect Ink() const
    {
        QRect ink;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixelColor(x, y) != kBack)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }

    QImage canvas{120, 60, QImage::Format_RGB32};
    TDataGrid grid;
};

TEST_F(Painters, LongCentredTextIsOneCutLineInTheMiddle)
{
    auto* column = grid.Columns().Add<TDgTextColumn>();
    column->SetAlignment(taCenter);
    TCellInfo info;
    info.AsString = QStringLiteral("A text that is far wider than its column");
    const QRect content(10, 10, 60, 40);
    Paint(*column, info, content);
    const QRect ink = Ink();
    ASSERT_FALSE(ink.isNull());
    EXPECT_TRUE(QRect(12, 10, 56, 40).contains(ink)) << ink.x() << "," << ink.width();
    EXPECT_GT(ink.width(), 40);             // fills the line ...
    EXPECT_LT(ink.height(), 16);            // ... on one line
    EXPECT_NEAR(ink.center().y(), content.center().y(), 3);
}

TEST_F(Painters, ImageCellShowsOnlyValidIndices)
{
    TImageList images(nullptr, 16, 16);
    for (int i = 0; i < 110; ++i) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(QColor(i, 0, 200));
        images.Add(picture);
    }
    auto* column = grid.Columns().Add<TDgImageColumn>();
    column->SetAlignment(taCenter);
    const QRect content(0, 0, 26, 16);
    const std::pair<int, bool> cases[] = {{5, true}, {-1, false}, {110, false}};
    for (const auto& [index, shown] : cases) {
        canvas.fill(kBack);
        column->SetImages(&images);
        TCellInfo info;
        info.AsInteger = index;
        Paint(*column, info, content);
        if (shown) {
            EXPECT_EQ(Ink(), QRect(5, 0, 16, 16));
            EXPECT_EQ(canvas.pixelColor(5, 0), QColor(5, 0, 200));
        } else {
            EXPECT_TRUE(Ink().isNull()) << index;
        }
    }
    canvas.fill(kBack);
    column->SetImages(nullptr);
    TCellInfo five;
    five.AsInteger = 5;
    Paint(*column, five, content);
    EXPECT_TRUE(Ink().isNull());
}

TEST_F(Painters, ClassicCheckBoxWithMark)
{
    auto* column = grid.Columns().Add<TDgCheckBoxColumn>();
    column->SetAlignment(taCenter);
    const QRect content(0, 0, 19, 16);
    TCellInfo info;
    info.AsBoolean = true;
    Paint(*column, info, content);
    const QPoint box(9 - 5, 8 - 5);  // centre of R minus half the box
    EXPECT_EQ(Ink(), QRect(box, QSize(11, 11)));
    const QColor shadow = ColorToQColor(clBtnShadow);
    const QColor mark = ColorToQColor(clWindowText);
    EXPECT_EQ(canvas.pixelColor(box), shadow);
    EXPECT_EQ(canvas.pixelColor(box + QPoint(10, 10)), shadow);
    for (const QPoint& p : {QPoint(2, 4), QPoint(3, 5), QPoint(4, 6), QPoint(8, 2), QPoint(4, 8), QPoint(8, 4)})
        EXPECT_EQ(canvas.pixelColor(box + p), mark) << p.x() << "," << p.y();
    EXPECT_EQ(canvas.pixelColor(box + QPoint(9, 1)), ColorToQColor(clWindow));  // last point left out

    canvas.fill(kBack);
    info.AsBoolean = false;
    Paint(*column, info, content);
    EXPECT_EQ(canvas.pixelColor(box + QPoint(4, 6)), ColorToQColor(clWindow));
}

}  // namespace
