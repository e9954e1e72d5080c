// The Stats page's match list under a real pointer: a double click on a team
// name too long for its cell opens that match, and its hint does not stay.
#include "LoggedInWindow.h"

using namespace xpointer;

namespace {

constexpr int kIdCol = 0;
constexpr int kHomeCol = 5;

class StatsList : public LoggedInWindow {
protected:
    QPoint HomeCell(int row) const { return form->RX->CellRect(kHomeCol, row).center(); }

    // The first row whose home team shows its full name in a hint over the cell.
    int PointAtTruncatedHome()
    {
        for (int row = 0; row < form->RX->RowCount(); ++row) {
            if (!MoveTo(form->RX->viewport(), HomeCell(row)))
                return -1;
            if (WaitFor([&] { return form->RX->HintText() == form->RX->Cells(kHomeCol, row); }, 300))
                return row;
        }
        return -1;
    }
};

TEST_F(StatsList, DoubleClickOnATruncatedTeamOpensItsMatch)
{
    const int row = PointAtTruncatedHome();
    ASSERT_GE(row, 0) << "the demo list has a home team too long for its cell";
    ASSERT_TRUE(form->RX->HintWindow()->geometry().contains(form->RX->viewport()->mapToGlobal(HomeCell(row))));

    ASSERT_TRUE(Click(1, 2));
    ASSERT_TRUE(WaitFor([&] { return form->MatchGrid->RowCount() == 1; })) << "the statistics view opened";
    EXPECT_EQ(form->MatchGrid->Cells(0, 0), form->RX->Cells(kIdCol, row));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(StatsList, HintGoesWhenThePointerLeavesTheList)
{
    ASSERT_GE(PointAtTruncatedHome(), 0);
    ASSERT_TRUE(MoveTo(form->StatPanel, form->StatPanel->rect().center()));
    EXPECT_TRUE(WaitFor([&] { return form->RX->HintWindow() == nullptr; }));
}

TEST_F(StatsList, HintGoesWithThePage)
{
    ASSERT_GE(PointAtTruncatedHome(), 0);
    form->Page->SetActivePageIndex(TForm1::pgLive);
    EXPECT_TRUE(WaitFor([&] { return form->RX->HintWindow() == nullptr; }));
}

}  // namespace
