// Cell kinds: value conversions, their error messages, and what a failed
// write leaves behind.
#include "GridFixture.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    bool ok;
    int value;
};

class StrToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTest, ParsesOrRaisesWithTheText)
{
    const IntCase& c = GetParam();
    if (c.ok) {
        EXPECT_EQ(DgConvert::StrToInt(QString::fromUtf8(c.text)), c.value);
        return;
    }
    try {
        DgConvert::StrToInt(QString::fromUtf8(c.text));
        FAIL() << "no error for " << c.text;
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(c.text)));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntTest,
                         ::testing::Values(IntCase{"42", true, 42}, IntCase{"  -7", true, -7},
                                           IntCase{"+3", true, 3}, IntCase{"$1F", true, 31},
                                           IntCase{"0x10", true, 16}, IntCase{"X0a", true, 10},
                                           IntCase{"-$10", true, -16},
                                           IntCase{"2147483647", true, 2147483647},
                                           IntCase{"-2147483648", true, -2147483647 - 1},
                                           IntCase{"$FFFFFFFF", true, -1}, IntCase{"", false, 0},
                                           IntCase{"2147483648", false, 0}, IntCase{"12 ", false, 0},
                                           IntCase{"1.5", false, 0}, IntCase{"abc", false, 0},
                                           IntCase{"0x", false, 0}, IntCase{"да", false, 0}));

TEST(Conversions, BooleanFloatAndDateMessagesQuoteTheText)
{
    EXPECT_TRUE(DgConvert::StrToBool(QStringLiteral("tRuE")));
    EXPECT_FALSE(DgConvert::StrToBool(QStringLiteral("0")));
    EXPECT_TRUE(DgConvert::StrToBool(QStringLiteral("-2.5")));
    const std::pair<std::function<void()>, QString> failures[] = {
        {[] { DgConvert::StrToBool(QStringLiteral("yes")); }, QStringLiteral("'yes' is not a valid boolean value")},
        {[] { DgConvert::StrToFloat(QStringLiteral("1,5x")); },
         QStringLiteral("'1,5x' is not a valid floating point value")},
        {[] { DgConvert::StrToDateTime(QStringLiteral("soon")); },
         QStringLiteral("'soon' is not a valid date and time")},
    };
    for (const auto& [call, message] : failures) {
        try {
            call();
            ADD_FAILURE() << message.toStdString();
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    EXPECT_DOUBLE_EQ(DgConvert::StrToDateTime(QStringLiteral("31.12.1899")), 1.0);
    EXPECT_EQ(DgConvert::DateTimeToStr(1.5), QStringLiteral("31.12.1899 12:00:00"));
}

class CellKinds : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddStandardColumns(grid);
        grid.AddRow(1);
        log.Attach(grid);
    }
    TDataGrid grid;
    EventLog log;
};

TEST_F(CellKinds, CheckBoxCellsTakeOneOrTrueOnly)
{
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"true", true}, {"TRUE", true}, {"True", true},
        {"0", false}, {"да", false}, {"yes", false}, {"2", false}, {"", false},
    };
    for (const auto& [text, expected] : cases) {
        grid.SetCells(1, 0, QString::fromUtf8(text));
        EXPECT_EQ(grid.Cell(1, 0).AsBoolean(), expected) << text;
        EXPECT_EQ(grid.Cells(1, 0), expected ? QStringLiteral("True") : QStringLiteral("False"));
    }
}

TEST_F(CellKinds, FailedImageCellWriteKeepsNumberAndReportsNothing)
{
    grid.SetCells(2, 0, QStringLiteral("5"));
    log.changes.clear();
    try {
        grid.SetCells(2, 0, QStringLiteral("flag"));
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'flag' is not a valid integer value"));
    }
    EXPECT_EQ(grid.Cell(2, 0).AsInteger(), 5);
    EXPECT_TRUE(log.changes.empty());
    grid.SetCells(2, 0, QString());
    EXPECT_EQ(grid.Cell(2, 0).AsInteger(), 0);
}

TEST_F(CellKinds, EmptyTextCellIsNotAnInteger)
{
    EXPECT_THROW(grid.Cell(0, 0).AsInteger(), EConvertError);
    grid.Cell(0, 0).SetAsFloat(0.1 + 0.2);
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("0.30000000000000004"));
    grid.Cell(0, 0).SetAsBoolean(true);
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("True"));
}

TEST_F(CellKinds, IntegerCellsRoundHalfToEven)
{
    const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {1e12, 2147483647}};
    for (const auto& [value, expected] : cases) {
        grid.Cell(2, 0).SetAsFloat(value);
        EXPECT_EQ(grid.Cell(2, 0).AsInteger(), expected) << value;
    }
}

TEST_F(CellKinds, ColourAndHintWritesReportEvenUnchangedButFontStyleDoesNot)
{
    TCell cell = grid.Cell(0, 0);
    cell.SetColor(clLime);
    cell.SetColor(clLime);
    cell.SetHint(QStringLiteral("Q1"));
    cell.SetFontStyle(fsBold);
    EXPECT_EQ(log.changes.size(), 3u);
    EXPECT_EQ(cell.Color(), clLime);
    EXPECT_EQ(cell.Hint(), QStringLiteral("Q1"));
    EXPECT_EQ(cell.FontStyle(), fsBold);
}

TEST_F(CellKinds, KeptHandleReportsItsOwnCell)
{
    grid.AddRow(1);
    TCell kept = grid.Cell(0, 0);
    grid.Cell(0, 1);  // a later lookup of another cell
    log.changes.clear();
    kept.SetAsString(QStringLiteral("x"));
    ASSERT_EQ(log.changes.size(), 1u);
    EXPECT_EQ(log.changes[0], std::make_pair(0, 0));
}

TEST_F(CellKinds, NewCellsTakeColumnColourAndFontStyleOnly)
{
    TFontDesc font = grid.Columns()[0]->Font();
    font.Style = fsItalic;
    grid.Columns()[0]->SetFont(font);
    grid.Columns()[0]->SetColor(cl3DLight);
    const int row = grid.AddRow(1);
    EXPECT_EQ(grid.Cell(0, row).Color(), cl3DLight);
    EXPECT_EQ(grid.Cell(0, row).FontStyle(), fsItalic);
    EXPECT_EQ(grid.Cell(0, 0).Color(), clWindow);  // existing cells keep theirs
}

}  // namespace
