// Columns: kinds and defaults, display order, widths and their automatic
// distribution, header glyph transparency, check-box toggling.
#include "GridFixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ColumnKinds, DefaultsPerKind)
{
    TDataGrid grid;
    auto* text = grid.Columns().Add<TDgTextColumn>();
    auto* check = grid.Columns().Add<TDgCheckBoxColumn>();
    auto* image = grid.Columns().Add<TDgImageColumn>();
    EXPECT_EQ(text->Options(), DefaultColumnOptions | coShowTextFitHint);
    EXPECT_EQ(check->Options(), DefaultColumnOptions);
    EXPECT_EQ(image->Options(), DefaultColumnOptions);
    EXPECT_EQ(text->SortType(), stAlphabetic);
    EXPECT_EQ(check->SortType(), stBoolean);
    EXPECT_EQ(image->SortType(), stNumeric);
    EXPECT_EQ(image->DefaultValue(), QStringLiteral("0"));
    EXPECT_EQ(text->Width(), 80);
    EXPECT_EQ(text->MinWidth(), 8);
    EXPECT_EQ(text->WrapKind(), wkEllipsis);
    EXPECT_EQ(text->VerticalAlignment(), taVerticalCenter);
    EXPECT_EQ(text->Header().Color(), clBtnFace);
    EXPECT_EQ(text->Header().DisplayMode(), dmTextOnly);
    EXPECT_TRUE(text->Header().HideArrow());
    EXPECT_EQ(text->Font(), grid.Font());  // ParentFont
    EXPECT_NE(check->Play(), nullptr);
    EXPECT_EQ(text->Play(), nullptr);
}

TEST(ColumnKinds, TextColumnDrawTextAddsAffixesAndMasks)
{
    TDataGrid grid;
    auto* text = grid.Columns().Add<TDgTextColumn>();
    TCellInfo info;
    info.AsString = QStringLiteral("42");
    text->SetTextBefore(QStringLiteral("$"));
    text->SetTextAfter(QStringLiteral("!"));
    EXPECT_EQ(text->GetDrawText(info), QStringLiteral("$42!"));
    text->SetPasswordChar(QLatin1Char('*'));
    EXPECT_EQ(text->GetDrawText(info), QStringLiteral("****"));
}

TEST(ColumnOrder, PositionMovesAndRenumbers)
{
    TDataGrid grid;
    for (int i = 0; i < 4; ++i)
        grid.Columns().Add<TDgTextColumn>()->SetWidth(10 * (i + 1));
    std::vector<int> moves;
    grid.OnColumnMove = [&](QObject*, int col, int from, int to) { moves = {col, from, to}; };
    grid.Columns()[3]->SetPosition(0);
    EXPECT_EQ(moves, (std::vector<int>{3, 3, 0}));
    const int positions[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(grid.Columns()[i]->Position(), positions[i]);
    EXPECT_EQ(grid.Columns()[0]->Left(), 40);
    grid.Columns()[1]->SetVisible(false);
    EXPECT_EQ(grid.Columns()[2]->Left(), 50);
    EXPECT_EQ(grid.Columns()[1]->VisibleIndex(), -1);
    EXPECT_EQ(grid.Columns()[2]->VisibleIndex(), 2);
    EXPECT_EQ(grid.Columns().TotalWidth(), 80);
}

TEST(ColumnWidths, NeverBelowMinWidth)
{
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgTextColumn>();
    int resized = -1;
    grid.OnColumnResize = [&](QObject*, int col) { resized = col; };
    column->SetWidth(3);
    EXPECT_EQ(column->Width(), 8);
    EXPECT_EQ(resized, 0);
}

class AutoSize : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetBorderStyle(bsNone);
        wide = grid.Columns().Add<TDgTextColumn>();
        narrow = grid.Columns().Add<TDgTextColumn>();
        plain = grid.Columns().Add<TDgTextColumn>();
        wide->SetWidth(100);
        narrow->SetWidth(50);
        plain->SetWidth(50);
        wide->SetOptions(wide->Options() | coAutoSize);
        narrow->SetOptions(narrow->Options() | coAutoSize);
    }
    void ShowAt(int width)
    {
        grid.resize(width, 200);
        grid.show();
        QCoreApplication::processEvents();
        ASSERT_EQ(grid.ClientWidth(), width);
    }
    TDataGrid grid;
    TDgTextColumn* wide = nullptr;
    TDgTextColumn* narrow = nullptr;
    TDgTextColumn* plain = nullptr;
};

TEST_F(AutoSize, SharesTheRoomInProportion)
{
    EXPECT_EQ(wide->Width(), 100);  // nothing before the first client width
    ShowAt(400);
    EXPECT_EQ(wide->Width(), 233);
    EXPECT_EQ(narrow->Width(), 117);
    EXPECT_EQ(plain->Width(), 50);
    ShowAt(550);
    EXPECT_EQ(wide->Width(), 333);
    EXPECT_EQ(narrow->Width(), 167);
}

TEST_F(AutoSize, TooLittleRoomGivesMinWidths)
{
    plain->SetWidth(500);
    ShowAt(400);
    EXPECT_EQ(wide->Width(), 8);
    EXPECT_EQ(narrow->Width(), 8);
}

TEST_F(AutoSize, HidingAColumnRedistributes)
{
    ShowAt(400);
    plain->SetVisible(false);
    EXPECT_EQ(wide->Width() + narrow->Width(), 400);
}

TEST(HeaderGlyph, BottomLeftColourBecomesTransparent)
{
    TDataGrid grid;
    auto* column = grid.Columns().Add<TDgTextColumn>();
    QImage glyph(4, 4, QImage::Format_RGB888);
    glyph.fill(QColor(255, 0, 255));
    glyph.setPixelColor(1, 1, Qt::blue);
    int changes = 0;
    column->Header().OnChange = [&](TColumnHeader*) { ++changes; };
    column->Header().SetGlyph(glyph);
    EXPECT_EQ(column->Header().TransparentColor(), TColor(0xFF00FF));
    EXPECT_EQ(qAlpha(column->Header().MaskedGlyph().pixel(0, 0)), 0);
    EXPECT_EQ(column->Header().MaskedGlyph().pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(changes, 1);
}

class CheckBoxToggle : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetOptions(goHeader | goGrid | goSelectFullRow);
        grid.Columns().Add<TDgTextColumn>();
        check = grid.Columns().Add<TDgCheckBoxColumn>();
        grid.AddRow(2);
        grid.resize(300, 200);
        grid.show();
        QCoreApplication::processEvents();
        check->OnChange = [this](TDgCheckBoxColumn*) { ++changes; };
    }
    QPoint BoxCentre(int row)
    {
        const auto& display = static_cast<const TCheckBoxColumnDisplay&>(check->Display());
        return display.BoxRect(grid.CellRect(1, row)).center();
    }
    TDataGrid grid;
    TDgCheckBoxColumn* check = nullptr;
    int changes = 0;
};

TEST_F(CheckBoxToggle, ClickOnBoxTogglesOnlyWithEditing)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, BoxCentre(1));
    EXPECT_FALSE(grid.Cell(1, 1).AsBoolean());
    EXPECT_EQ(grid.SelectedRow(), 1);

    check->SetOptions(check->Options() | coEditing);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, BoxCentre(1));
    EXPECT_TRUE(grid.Cell(1, 1).AsBoolean());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, BoxCentre(1) + QPoint(20, 0));
    EXPECT_TRUE(grid.Cell(1, 1).AsBoolean());  // beside the box
    EXPECT_EQ(changes, 1);
}

TEST_F(CheckBoxToggle, VetoesAndReadOnlyLeaveTheCell)
{
    check->SetOptions(check->Options() | coEditing);
    QString accepted;
    grid.OnEditAccept = [&](QObject*, int, int, const QString& value, bool& accept) {
        accepted = value;
        accept = false;
    };
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, BoxCentre(0));
    EXPECT_EQ(accepted, QStringLiteral("True"));
    EXPECT_FALSE(grid.Cell(1, 0).AsBoolean());

    grid.OnEditAccept = nullptr;
    grid.SetReadOnly(true);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, BoxCentre(0));
    EXPECT_FALSE(grid.Cell(1, 0).AsBoolean());

    grid.SetReadOnly(false);
    grid.setFocus();
    grid.SelectCell(1, 0);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_TRUE(grid.Cell(1, 0).AsBoolean());
}

}  // namespace
