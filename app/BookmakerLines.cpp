// Buk: the bookmaker lines of the shown match, read back from RG where the
// upcoming list put them. No request is made.
#include "app/Unit1.h"
#include "toolkit/CodePage.h"
#include "ui/MatchGridColumns.h"

namespace {
constexpr int kLineCount = rgOver - rgHand1 + 1;
}  // namespace

void TForm1::FillBookmakerLines(std::string_view matchId)
{
    Buk->ClearRows();
    if (RG->RowCount() == 0)
        return;
    Buk->SetRowCount(1);
    const QString id = FromAnsi(matchId);
    // The last row with the id wins, as the rows were listed.
    for (int r = RG->RowCount() - 1; r >= 0; --r) {
        if (RG->Cells(rgId, r) != id)
            continue;
        for (int c = 0; c < kLineCount; ++c)
            Buk->SetCells(c, 0, RG->Cells(rgHand1 + c, r));
        return;
    }
}
