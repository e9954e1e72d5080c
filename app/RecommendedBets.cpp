// Recommended live bets: each recommendation text is announced once per run,
// with a chime, a lime cell in LG and a copy of the row in LGG.
#include "app/Unit1.h"
#include "ui/MatchGridColumns.h"

#include "toolkit/Logging.h"

namespace {
constexpr TColor kNewBet = 0x00FF00;
}  // namespace

void TForm1::CheckRecommendedBet(int row)
{
    const QString bet = LG->Cells(lgBet, row);
    if (bet.isEmpty() || seenBets_.contains(bet))
        return;
    seenBets_.insert(bet);
    ListBox1->Add(bet);
    qCDebug(lcLive) << "new recommended bet for match" << LG->Cells(0, row);
    PlaySound("zvuk1");
    if (NotifyBet)
        NotifyBet(bet, LG->Cells(lgHome, row) + QStringLiteral(" – ") + LG->Cells(lgAway, row));
    LG->Cell(lgBet, row).SetColor(kNewBet);
    CopyLiveRowToBets(row);
}

void TForm1::CopyLiveRowToBets(int row)
{
    LGG->AddRow();
    const int t = LGG->RowCount() - 1;
    LGG->SetCells(lggId, t, LG->Cells(lgId, row));
    const TCell flag = LG->Cell(lgFlag, row);
    TCell copy = LGG->Cell(lggFlag, t);
    copy.SetAsInteger(flag.AsInteger());
    copy.SetHint(flag.Hint());
    for (int col = lggStart; col <= lggBet; ++col)
        LGG->SetCells(col, t, LG->Cells(col, row));
}
