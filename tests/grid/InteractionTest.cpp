// Input: hit-testing, scrolling by bar, wheel and keys, clicks and double
// clicks, header clicks and resizing, hints.
#include "ShownGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

int RowY(int r) { return 18 + 17 * r; }

// Columns in display order: 2 (0..70), 0 (70..120), 1 (120..180).
class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.grid->Columns()[2]->SetPosition(0);
        g.grid->AddRow(100);
        for (int r = 0; r < 100; ++r)
            g.grid->SetCells(0, r, QString::number(r));
    }
    void Wheel(int notches, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint at(60, 60);
        QWheelEvent event(at, g.View()->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g.View(), &event);
    }
    void Key(Qt::Key key) { QTest::keyClick(g.grid, key); }
    ShownGrid g;
};

TEST_F(Input, HitTestingUsesDisplayOrderAndReportsIndices)
{
    const std::pair<int, int> columns[] = {{0, 2}, {70, 2}, {71, 0}, {120, 0}, {121, 1}, {180, 1}, {181, -1}};
    for (const auto& [x, col] : columns)
        EXPECT_EQ(g.grid->ColumnAt(x), col) << x;
    const std::pair<int, int> rows[] = {{17, -1}, {18, 0}, {34, 0}, {35, 1}, {RowY(9) + 3, 9}};
    for (const auto& [y, row] : rows)
        EXPECT_EQ(g.grid->RowAt(y), row) << y;
}

TEST_F(Input, VerticalRangeCountsRowsThatFit)
{
    // 182 pixels of data area hold 10 rows of 17.
    const TDgScrollBar& bar = g.grid->VertScrollBar();
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.PageSize(), 11);
    EXPECT_EQ(bar.Limit(), 90);
    EXPECT_FALSE(g.grid->HorzScrollBar().HasRange());
    g.grid->SetRowCount(5);  // fits even beside a forced horizontal bar
    QCoreApplication::processEvents();
    EXPECT_EQ(g.grid->VertScrollBar().Max(), 0);
    EXPECT_FALSE(g.grid->verticalScrollBar()->isVisible());
    g.grid->SetHideScrollBar(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(g.grid->verticalScrollBar()->isEnabled());
}

TEST_F(Input, WheelScrollsARowOrAPage)
{
    Wheel(1);
    EXPECT_EQ(g.grid->FirstVisibleRow(), 1);
    Wheel(1, Qt::ControlModifier);
    EXPECT_EQ(g.grid->FirstVisibleRow(), 12);
    Wheel(-1);
    EXPECT_EQ(g.grid->FirstVisibleRow(), 11);
    g.grid->SetMouseWheelEnabled(false);
    Wheel(1);
    EXPECT_EQ(g.grid->FirstVisibleRow(), 11);  // no handler took the notch
}

TEST_F(Input, KeysStopAtTheEdges)
{
    struct Step {
        Qt::Key key;
        int selected;
        int firstVisible;
    };
    g.grid->SelectCell(0, 0);
    const Step steps[] = {
        {Qt::Key_Up, 0, 0},        {Qt::Key_Down, 1, 0},      {Qt::Key_PageDown, 9, 0},
        {Qt::Key_PageDown, 19, 10}, {Qt::Key_End, 99, 90},     {Qt::Key_Down, 99, 90},
        {Qt::Key_PageUp, 90, 90},  {Qt::Key_Home, 0, 0},      {Qt::Key_Down, 1, 0},
    };
    for (const Step& s : steps) {
        Key(s.key);
        EXPECT_EQ(g.grid->SelectedRow(), s.selected) << s.key;
        EXPECT_EQ(g.grid->FirstVisibleRow(), s.firstVisible) << s.key;
    }
}

TEST_F(Input, DoubleClickReportsIndexAndRowAfterScrolling)
{
    std::vector<std::pair<int, int>> clicks;
    g.grid->OnCellDblClick = [&](QObject*, int c, int r) { clicks.emplace_back(c, r); };
    g.grid->VertScrollBar().SetPosition(50);
    QTest::mouseDClick(g.View(), Qt::LeftButton, {}, QPoint(30, RowY(2) + 4));
    QTest::mouseDClick(g.View(), Qt::RightButton, {}, QPoint(100, RowY(0) + 4));
    QTest::mouseDClick(g.View(), Qt::LeftButton, {}, QPoint(250, RowY(0) + 4));  // right of the columns
    g.grid->SetRowCount(3);
    g.grid->VertScrollBar().SetPosition(0);
    QTest::mouseDClick(g.View(), Qt::LeftButton, {}, QPoint(30, RowY(5)));  // below the rows
    const std::vector<std::pair<int, int>> expected = {{2, 52}, {0, 50}};
    EXPECT_EQ(clicks, expected);
}

TEST_F(Input, DisabledColumnKeepsSelectionButReportsDoubleClick)
{
    g.grid->SelectCell(0, 0);
    g.grid->Columns()[1]->SetEnabled(false);
    QTest::mouseClick(g.View(), Qt::LeftButton, {}, QPoint(150, RowY(3) + 4));
    EXPECT_EQ(g.grid->SelectedRow(), 0);
    int dblRow = -1;
    g.grid->OnCellDblClick = [&](QObject*, int c, int r) { dblRow = c == 1 ? r : -2; };
    QTest::mouseDClick(g.View(), Qt::LeftButton, {}, QPoint(150, RowY(3) + 4));
    EXPECT_EQ(dblRow, 3);
}

TEST_F(Input, HeaderClicksSortThenReverse)
{
    std::vector<int> headerClicks;
    g.grid->OnHeaderClick = [&](QObject*, int col) { headerClicks.push_back(col); };
    QTest::mouseClick(g.View(), Qt::LeftButton, {}, QPoint(90, 8));  // column 0
    EXPECT_TRUE(g.grid->Columns()[0]->Sorted());
    EXPECT_EQ(g.grid->Cells(0, 0), QStringLiteral("0"));
    EXPECT_EQ(g.grid->Cells(0, 99), QStringLiteral("99"));
    QTest::mouseClick(g.View(), Qt::LeftButton, {}, QPoint(90, 8));
    EXPECT_EQ(g.grid->Columns()[0]->SortKind(), skDescending);
    EXPECT_EQ(g.grid->Cells(0, 0), QStringLiteral("99"));
    EXPECT_EQ(headerClicks, (std::vector<int>{0, 0}));

    auto* other = g.grid->Columns()[1];
    other->SetOptions(other->Options() & ~TColumnOptions(coCanClick));
    QTest::mouseClick(g.View(), Qt::LeftButton, {}, QPoint(150, 8));
    EXPECT_FALSE(other->Sorted());
    EXPECT_EQ(headerClicks.size(), 2u);
}

TEST_F(Input, HeaderBorderDragStopsAtMinWidth)
{
    // Column 2's right edge is at x = 70.
    QTest::mousePress(g.View(), Qt::LeftButton, {}, QPoint(69, 8));
    QTest::mouseMove(g.View(), QPoint(2, 8));
    QTest::mouseRelease(g.View(), Qt::LeftButton, {}, QPoint(2, 8));
    EXPECT_EQ(g.grid->Columns()[2]->Width(), 8);
    EXPECT_EQ(g.grid->Columns()[0]->Left(), 8);
}

class Hints : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.grid->AddRow(3);
        g.grid->Cell(1, 1).SetHint(QStringLiteral("Q1 above pace\rby 4"));
        g.grid->SetCells(0, 2, QStringLiteral("A text far too long for fifty pixels"));
    }
    void MoveTo(QPoint p)
    {
        // Two steps: a move to where the pointer already is may not arrive.
        QTest::mouseMove(g.View(), p + QPoint(1, 0));
        QTest::mouseMove(g.View(), p);
        QCoreApplication::processEvents();
    }
    ShownGrid g;
};

TEST_F(Hints, CellHintRightOfTheCellAndGoneOnAPlainCell)
{
    MoveTo(QPoint(70, RowY(1) + 5));
    ASSERT_NE(g.grid->HintWindow(), nullptr);
    EXPECT_EQ(g.grid->HintText(), QStringLiteral("Q1 above pace\nby 4"));
    EXPECT_EQ(g.grid->HintWindow()->pos(), g.View()->mapToGlobal(QPoint(50 + 60, RowY(1) - 20)));
    MoveTo(QPoint(70, RowY(0) + 5));
    EXPECT_EQ(g.grid->HintWindow(), nullptr);
}

TEST_F(Hints, TextThatDoesNotFitShowsOverTheCell)
{
    MoveTo(QPoint(10, RowY(2) + 5));
    ASSERT_NE(g.grid->HintWindow(), nullptr);
    EXPECT_EQ(g.grid->HintText(), QStringLiteral("A text far too long for fifty pixels"));
    EXPECT_EQ(g.grid->HintWindow()->pos(), g.View()->mapToGlobal(QPoint(0, RowY(2))));
    MoveTo(QPoint(70, RowY(1) + 5));  // straight into a hinted cell
    EXPECT_EQ(g.grid->HintText(), QStringLiteral("Q1 above pace\nby 4"));
}

TEST_F(Hints, HeaderHintBelowTheHeader)
{
    g.grid->Columns()[2]->Header().SetHint(QStringLiteral("Total Over"));
    MoveTo(QPoint(130, 8));
    ASSERT_NE(g.grid->HintWindow(), nullptr);
    EXPECT_EQ(g.grid->HintText(), QStringLiteral("Total Over"));
    EXPECT_EQ(g.grid->HintWindow()->pos(), g.View()->mapToGlobal(QPoint(110, 20)));
}

}  // namespace

namespace {

TEST_F(Input, MiddleButtonRollsWhileHeldAwayFromThePress)
{
    const QPoint press(60, 100);
    QTest::mousePress(g.View(), Qt::MiddleButton, {}, press);
    auto* timer = g.grid->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);  // the roll timer
    ASSERT_NE(timer, nullptr);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTest::mouseMove(g.View(), press + QPoint(0, 3));  // inside the dead zone
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= 2; }, 5000));
    EXPECT_EQ(g.grid->FirstVisibleRow(), 0);
    QTest::mouseMove(g.View(), press + QPoint(0, 60));
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.grid->FirstVisibleRow() > 1; }, 5000));
    QTest::mouseRelease(g.View(), Qt::MiddleButton, {}, press + QPoint(0, 60));
    EXPECT_FALSE(g.grid->Rolling());
    EXPECT_FALSE(timer->isActive()) << "nothing rolls after the release";
}

}  // namespace
