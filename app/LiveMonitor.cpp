// The matches in play: LG rebuilt from the live document every 60 seconds,
// with the finished quarters tinted by how far they lie from the forecast pace.
#include "app/ListCells.h"
#include "app/MatchNumbers.h"
#include "app/TaggedText.h"
#include "app/Unit1.h"
#include "toolkit/Logging.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <array>
#include <optional>

namespace {
// Columns 2 to 18, in order.
constexpr std::array<std::string_view, 17> kLiveTexts{
    "time", "vr", "q", "home", "away", "kf1", "kf2", "score", "q1",
    "q2", "q3", "q4", "q5", "forecast", "precent", "h2h", "rb"};
constexpr std::size_t kGameTime = 2;  // index of "q" above

// Columns 19 to 27, from LIVE_KF.
constexpr std::array<std::string_view, 9> kLiveOdds{"w1", "w2", "hand1", "kof1", "hand2", "kof2", "total", "u", "o"};
constexpr int kFirstOdds = 19;

constexpr int kScoreColumn = 9;
constexpr int kFirstQuarterColumn = 10;
constexpr TColor kBelowPace = 0xB8A9ED;
constexpr TColor kAbovePace = 0xB7FFB7;
constexpr int kRefreshSeconds = 60;

// The tint of a finished quarter: none for the quarter in play, a quarter
// without points, or one right on the pace.
struct TQuarterTint {
    TColor color;
    QString hint;
};
std::optional<TQuarterTint> QuarterTint(std::int64_t points, std::int64_t perQuarter, bool inPlay)
{
    if (inPlay || points == 0 || points == perQuarter)
        return std::nullopt;
    const std::int64_t difference = points - perQuarter;
    if (difference < 0)
        return TQuarterTint{kBelowPace, QString::number(difference)};
    return TQuarterTint{kAbovePace, QStringLiteral("+") + QString::number(difference)};
}
}  // namespace

void TForm1::LoadLiveMatches()
{
    if (liveRefreshing_)
        return;
    const QScopedValueRollback guard(liveRefreshing_, true);
    LG->ClearRows();
    const std::string body = FetchListDocument(*HttpClient1, urls_.LiveMatches(SessionLogin, SessionPassword));
    FillLiveMatches(body);
}

void TForm1::FillLiveMatches(std::string_view body)
{
    LG->BeginUpdate();
    WalkMatchList(body, [this](std::string_view record) { AddLiveMatch(record); });
    LG->EndUpdate();
    lcount->SetCaption(CountCaption(LG->RowCount()));
    qCDebug(lcLive, "live list: %d matches, %d recommended bets so far", LG->RowCount(), LGG->RowCount());
}

void TForm1::AddLiveMatch(std::string_view record)
{
    const auto element = [record](std::string_view name) { return ExtractElement(record, name); };
    const std::string_view kf = element("LIVE_KF");
    LG->AddRow();
    const int r = LG->RowCount() - 1;
    const std::string_view country = element("country");

    SetElementCell(*LG, 0, r, element("id"));
    SetFlagCell(*LG, 1, r, country);
    LG->Cell(1, r).SetHint(CompetitionText(country, element("liga")));
    for (std::size_t i = 0; i < kLiveTexts.size(); ++i) {
        std::string_view text = element(kLiveTexts[i]);
        if (i == kGameTime && text.empty())
            text = "-";
        SetElementCell(*LG, 2 + int(i), r, text);
    }

    // Announced before the marks so that a copied row carries plain texts.
    CheckRecommendedBet(r);

    MarkQuarters(r, record);
    if (kf.empty())
        return;
    for (std::size_t i = 0; i < kLiveOdds.size(); ++i)
        SetElementCell(*LG, kFirstOdds + int(i), r, ExtractElement(kf, kLiveOdds[i]));
}

void TForm1::MarkQuarters(int row, std::string_view record)
{
    const std::int64_t total = PairSum(ExtractElement(record, "forecast"));
    const std::int64_t perQuarter = DivideRoundHalfEven(total, 4);
    const std::string_view period = ExtractElement(record, "vr");
    static constexpr std::array<std::string_view, 3> kQuarters{"q1", "q2", "q3"};
    static constexpr std::array<std::string_view, 3> kPeriods{"1Q", "2Q", "3Q"};
    for (std::size_t k = 0; k < kQuarters.size(); ++k) {
        const auto tint = QuarterTint(PairSum(ExtractElement(record, kQuarters[k])), perQuarter, period == kPeriods[k]);
        if (!tint)
            continue;
        TCell cell = LG->Cell(kFirstQuarterColumn + int(k), row);
        cell.SetColor(tint->color);
        cell.SetHint(tint->hint);
    }
    LG->Cell(kScoreColumn, row)
        .SetHint(QStringLiteral("Total: %1\rHalfMatch: %2\rQuarter: %3")
                     .arg(total)
                     .arg(DivideRoundHalfEven(total, 2))
                     .arg(perQuarter));
}

void TForm1::Timer1Timer(QObject*)
{
    // The pending messages run below may hold another tick; it must not count
    // down a second time or start a refresh on top of this one.
    if (ticking_ || liveRefreshing_)
        return;
    const QScopedValueRollback guard(ticking_, true);
    --LiveCountdown;
    QCoreApplication::processEvents();
    Livetime->SetCaption(QStringLiteral("Refresh from ") + QString::number(LiveCountdown) + QStringLiteral(" sec."));
    if (LiveCountdown > 0)
        return;
    QCoreApplication::processEvents();
    LoadLiveMatches();
    LiveCountdown = kRefreshSeconds;
}
