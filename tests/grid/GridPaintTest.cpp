// What the grid shows: cell colours, grid lines, the area below the rows, the
// flat header with its glyph, the caption, and the selected row.
#include "ShownGrid.h"

#include <gtest/gtest.h>

namespace {

// Row r's cells span y = 18 + 17 r .. 18 + 17 r + 15; the grid line is below.
int RowY(int r) { return 18 + 17 * r; }

TEST(GridPaint, CellColourUnlessColumnColourRules)
{
    ShownGrid g;
    g.grid->AddRow(1);
    g.grid->Cell(0, 0).SetColor(clLime);
    g.grid->Cell(1, 0).SetColor(clLime);
    g.grid->Columns()[1]->SetColor(clYellow);
    g.grid->Columns()[1]->SetParentCellColor(true);
    const QImage shot = g.Shot();
    EXPECT_EQ(g.At(shot, 10, RowY(0) + 2), clLime);
    EXPECT_EQ(g.At(shot, 60, RowY(0) + 2), clYellow);
}

TEST(GridPaint, ActiveRowsLinesStopBelowTheLastRow)
{
    ShownGrid g;
    g.grid->AddRow(3);
    QImage shot = g.Shot();
    const TColor white = QColorToColor(ColorToQColor(clWindow));
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(g.At(shot, 49, RowY(r) + 5), kOrange) << r;         // right line of column 0
        EXPECT_EQ(g.At(shot, 20, RowY(r) + 16), kOrange) << r;        // bottom line
    }
    for (int y = RowY(3); y < 190; y += 7) {
        EXPECT_EQ(g.At(shot, 49, y), white) << y;
        EXPECT_EQ(g.At(shot, 20, y), g.At(shot, 20, RowY(3)));
    }
    EXPECT_EQ(g.At(shot, 250, 100), white);  // right of the last column

    g.grid->SetGridLinesStyle(lsNormal);
    shot = g.Shot();
    EXPECT_EQ(g.At(shot, 49, RowY(6) + 5), kOrange);
    EXPECT_EQ(g.At(shot, 20, RowY(6) + 16), kOrange);
}

TEST(GridPaint, FramedStyleOutlinesTheTable)
{
    ShownGrid g;
    g.grid->SetGridLinesStyle(lsFramed);
    g.grid->AddRow(2);
    const QImage shot = g.Shot();
    EXPECT_EQ(g.At(shot, 179, RowY(0) + 5), clBlack);  // right of the last column
    EXPECT_EQ(g.At(shot, 20, RowY(1) + 16), clBlack);  // below the last row
    EXPECT_EQ(g.At(shot, 20, RowY(0) + 16), kOrange);
}

TEST(GridPaint, FlatHeaderWithTransparentGlyph)
{
    ShownGrid g;
    auto* column = g.grid->Columns()[0];
    column->SetWidth(26);
    column->Header().SetColor(0x44A8FF);
    column->Header().SetAlignment(taCenter);
    column->Header().SetDisplayMode(dmImageOnly);
    column->Header().SetCaption(QStringLiteral("hidden"));
    QImage glyph(16, 16, QImage::Format_RGB888);
    glyph.fill(QColor(255, 0, 255));
    glyph.setPixelColor(0, 0, Qt::blue);
    glyph.setPixelColor(15, 0, Qt::blue);
    column->Header().SetGlyph(glyph);
    const QImage shot = g.Shot();
    EXPECT_EQ(g.At(shot, 5, 1), clBlue);        // glyph at (Left + 5, Top + 1)
    EXPECT_EQ(g.At(shot, 20, 1), clBlue);
    EXPECT_EQ(g.At(shot, 10, 8), TColor(0x44A8FF));  // magenta left out
    const TColor grey = QColorToColor(ColorToQColor(clGrayText));
    EXPECT_EQ(g.At(shot, 25, 5), grey);          // right border line
    EXPECT_EQ(g.At(shot, 10, 17), grey);         // bottom border line
    EXPECT_EQ(g.At(shot, 4, 1), TColor(0x44A8FF));
}

TEST(GridPaint, SortArrowRightOfTheCaption)
{
    ShownGrid g;
    auto* column = g.grid->Columns()[2];
    column->SetWidth(120);
    column->Header().SetCaption(QStringLiteral("AB"));
    g.grid->AddRow(1);
    const QImage before = g.Shot();
    column->SetSorted(true);
    const QImage after = g.Shot();
    const int extent = QFontMetrics(MakeFont(g.grid->Font())).horizontalAdvance(QStringLiteral("AB")) + 2;
    const int left = column->Left() + 2 + extent + 19;
    const int top = 9 - 4;
    EXPECT_EQ(g.At(after, left + 3, top), QColorToColor(ColorToQColor(clBtnShadow)));
    EXPECT_EQ(g.At(after, left + 4, top), QColorToColor(ColorToQColor(clBtnHighlight)));
    EXPECT_EQ(g.At(after, left + 3, top - 1), g.At(before, left + 3, top - 1));  // last point left out
    EXPECT_NE(before.pixelColor(left, top + 6), after.pixelColor(left, top + 6));
}

TEST(GridPaint, EmptyGridShowsItsCaptionBelowTheHeader)
{
    ShownGrid g;
    g.grid->SetCaption(QStringLiteral("No matches"));
    const QImage shot = g.Shot();
    int top = -1;
    int bottom = -1;
    int left = 1000;
    int right = -1;
    for (int y = 18; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if (shot.pixelColor(x, y).lightness() < 128) {
                top = top < 0 ? y : top;
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(top, 0);
    EXPECT_GE(top, 18 + 4);
    EXPECT_LT(bottom, 18 + 4 + 17);
    EXPECT_NEAR((left + right) / 2, 150, 4);
}

TEST(GridPaint, SelectedRowHighlightsOnlyWhileFocused)
{
    ShownGrid g;
    g.grid->AddRow(3);
    QTest::mouseClick(g.View(), Qt::LeftButton, {}, QPoint(70, RowY(1) + 5));
    ASSERT_TRUE(g.grid->hasFocus());
    QImage shot = g.Shot();
    const TColor highlight = QColorToColor(ColorToQColor(clHighlight));
    for (int x : {10, 70, 150})
        EXPECT_EQ(g.At(shot, x, RowY(1) + 8), highlight) << x;
    EXPECT_NE(g.At(shot, 10, RowY(0) + 8), highlight);

    g.other->setFocus();
    QCoreApplication::processEvents();
    shot = g.Shot();
    EXPECT_EQ(g.At(shot, 70, RowY(1) + 8), QColorToColor(ColorToQColor(clWindow)));
    EXPECT_EQ(g.At(shot, 0, RowY(1)), QColorToColor(ColorToQColor(clWindow)));  // no focus rectangle
}

TEST(GridPaint, SortedColumnStyles)
{
    ShownGrid g;
    g.grid->AddRow(2);
    g.grid->Columns()[0]->SetSorted(true);
    g.grid->Cell(0, 0).SetColor(clLime);
    g.grid->SetSortedStyle(soWhite);
    QImage shot = g.Shot();
    EXPECT_EQ(g.At(shot, 10, RowY(0) + 3), clWhite);
    g.grid->SetSortedStyle(soDefault);
    g.grid->SetAppearanceOptions(g.grid->AppearanceOptions() | aoIndicateSortedColumn);
    shot = g.Shot();
    EXPECT_EQ(g.At(shot, 10, RowY(0) + 3), TColor(0x00F400));  // lime times 245/256
    EXPECT_EQ(g.At(shot, 10, 150), TColor(0xF4F4F4));          // the empty area too
}

}  // namespace
