// A text-fit hint shown over a cell lets every pointer action through to the
// grid, and goes away with whatever makes it stale.
#include "XPointer.h"
#include "tests/grid/ShownGrid.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace xpointer;

namespace {

constexpr int kRow = 2;

class HintOverCell : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStringList texts;
        for (int r = 0; r < 100; ++r)
            texts << QStringLiteral("Adelaide Titans against Melbourne Bulls %1").arg(r);
        FillColumn(*g.grid, 0, texts);
        ASSERT_TRUE(Activate(&g.window));
        g.grid->OnCellDblClick = [this](QObject*, int c, int r) { doubleClicks.emplace_back(c, r); };
        g.grid->OnCellClick = [this](QObject*, int c, int r) { clicks.emplace_back(c, r); };
        ASSERT_TRUE(MoveTo(g.View(), Centre(kRow)));
        ASSERT_TRUE(WaitFor([this] { return g.grid->HintWindow() != nullptr; }))
            << "a text too long for its cell shows its hint over the cell";
        ASSERT_TRUE(g.grid->HintWindow()->geometry().contains(g.View()->mapToGlobal(Centre(kRow))));
    }

    void TearDown() override { ASSERT_TRUE(Park()); }

    QPoint Centre(int row) const { return g.grid->CellRect(0, row).center(); }
    bool HintGone() const { return g.grid->HintWindow() == nullptr; }

    ShownGrid g;
    std::vector<std::pair<int, int>> doubleClicks;
    std::vector<std::pair<int, int>> clicks;
};

TEST_F(HintOverCell, DoubleClickReachesTheGrid)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        ASSERT_TRUE(Click(1, 2));
        ASSERT_TRUE(WaitFor([&] { return int(doubleClicks.size()) == attempt + 1; })) << "attempt " << attempt;
        EXPECT_EQ(doubleClicks.back(), std::make_pair(0, kRow));
        ASSERT_TRUE(MoveTo(g.View(), Centre(kRow + 1)));  // a new hint over the next cell
        ASSERT_TRUE(MoveTo(g.View(), Centre(kRow)));
    }
    EXPECT_EQ(g.grid->SelectedRow(), kRow);
}

TEST_F(HintOverCell, SingleClickSelectsAndClicksTheCell)
{
    ASSERT_TRUE(Click(1));
    ASSERT_TRUE(WaitFor([&] { return !clicks.empty(); }));
    EXPECT_EQ(clicks.back(), std::make_pair(0, kRow));
    EXPECT_EQ(g.grid->SelectedRow(), kRow);
}

TEST_F(HintOverCell, PressAndDragActOnTheGrid)
{
    ASSERT_TRUE(Press(1));
    ASSERT_TRUE(WaitFor([&] { return g.grid->SelectedRow() == kRow; })) << "the press selects the cell under the hint";
    ASSERT_TRUE(MoveTo(g.View(), Centre(kRow + 2)));
    ASSERT_TRUE(Release(1));
    QTest::qWait(100);
    EXPECT_TRUE(clicks.empty()) << "released over another cell: no click";
    EXPECT_EQ(g.grid->SelectedRow(), kRow);
}

TEST_F(HintOverCell, WheelNotchScrollsTheGridAndHidesTheHint)
{
    ASSERT_TRUE(Click(5));
    ASSERT_TRUE(WaitFor([&] { return g.grid->FirstVisibleRow() == 1; }));
    EXPECT_TRUE(HintGone()) << "the hint no longer belongs to the cell under the pointer";
}

TEST_F(HintOverCell, GoneWhenThePointerLeavesTheGrid)
{
    ASSERT_TRUE(MoveTo(g.other, g.other->rect().center()));
    EXPECT_TRUE(WaitFor([&] { return HintGone(); }));
}

TEST_F(HintOverCell, GoneWhenTheWindowIsDeactivated)
{
    QWidget another;
    another.setGeometry(g.window.geometry().right() + 20, 0, 100, 100);
    another.show();
    ASSERT_TRUE(Activate(&another));
    EXPECT_TRUE(WaitFor([&] { return HintGone(); }));
}

TEST_F(HintOverCell, GoneWhenTheGridIsHidden)
{
    g.grid->hide();
    EXPECT_TRUE(WaitFor([&] { return HintGone(); }));
}

}  // namespace
