// Recommended live bets: each recommendation text is announced once per run,
// with a chime, a lime cell in LG and a copy of the row in LGG.
#include "app/Unit1.h"

namespace {
constexpr int kBetColumn = 18;
constexpr int kFlagColumn = 1;
constexpr TColor kNewBet = 0x00FF00;
}  // namespace

void TForm1::CheckRecommendedBet(int row)
{
    const QString bet = LG->Cells(kBetColumn, row);
    if (bet.isEmpty() || seenBets_.contains(bet))
        return;
    seenBets_.insert(bet);
    ListBox1->Add(bet);
    PlaySound("zvuk1");
    LG->Cell(kBetColumn, row).SetColor(kNewBet);
    CopyLiveRowToBets(row);
}

void TForm1::CopyLiveRowToBets(int row)
{
    LGG->AddRow();
    const int t = LGG->RowCount() - 1;
    LGG->SetCells(0, t, LG->Cells(0, row));
    const TCell flag = LG->Cell(kFlagColumn, row);
    TCell copy = LGG->Cell(kFlagColumn, t);
    copy.SetAsInteger(flag.AsInteger());
    copy.SetHint(flag.Hint());
    for (int col = 2; col <= kBetColumn; ++col)
        LGG->SetCells(col, t, LG->Cells(col, row));
}
