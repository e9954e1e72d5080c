// The matches in play: LG rebuilt from the live document every 60 seconds,
// with the finished quarters tinted by how far they lie from the forecast pace.
#include "app/ListCells.h"
#include "app/MatchNumbers.h"
#include "app/ServiceMessages.h"
#include "app/TaggedText.h"
#include "app/Unit1.h"
#include "ui/MatchGridColumns.h"
#include "toolkit/Logging.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QTime>
#include <array>
#include <optional>
#include <utility>

namespace {
// Columns lgStart to lgBet, in order.
constexpr std::array<std::string_view, 17> kLiveTexts{
    "time", "vr", "q", "home", "away", "kf1", "kf2", "score", "q1",
    "q2", "q3", "q4", "q5", "forecast", "precent", "h2h", "rb"};
static_assert(kLiveTexts.size() == lgBet - lgStart + 1);
constexpr std::size_t kGameTime = lgGameTime - lgStart;  // index of "q" above

// Columns lgWin1 to lgOver, from LIVE_KF.
constexpr std::array<std::string_view, 9> kLiveOdds{"w1", "w2", "hand1", "kof1", "hand2", "kof2", "total", "u", "o"};
static_assert(kLiveOdds.size() == lgColumnCount - lgWin1);

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
    const TListDocument document = FetchListDocument(*Requests, *HttpClient1,
                                                     urls_.LiveMatches(SessionLogin, SessionPassword),
                                                     QStringLiteral("Refreshing live matches\u2026"));
    FillLiveMatches(document.body);
    ShowLiveNotice(document.failure ? &*document.failure : nullptr);
}

void TForm1::ShowLiveNotice(const EHttpError* failure)
{
    if (Requests->Aborted())
        return;
    liveFailure_ = failure ? FailureHeadline(*failure) + QStringLiteral(" at ") + NoticeTime(QTime::currentTime())
                           : QString();
    LiveNotice->setToolTip(
        failure ? RequestFailureMessage(QStringLiteral("Refreshing the live matches"), urls_.ServiceHost(), *failure)
                : QString());
    UpdateLiveNotice();
}

void TForm1::UpdateLiveNotice()
{
    if (liveFailure_.isEmpty()) {
        LiveNotice->SetCaption({});
        return;
    }
    // During the refresh itself the countdown restarts right after.
    const int seconds = LiveCountdown > 0 ? LiveCountdown : kRefreshSeconds;
    LiveNotice->SetCaption(liveFailure_ + QStringLiteral(" \u2014 retrying in %1 s").arg(seconds));
}

void TForm1::FillLiveMatches(std::string_view body)
{
    LG->BeginUpdate();
    const bool cut = AddListRows(body, [this](std::string_view record) { AddLiveMatch(record); });
    LG->EndUpdate();
    lcount->SetCaption(CountCaption(LG->RowCount(), cut));
    qCDebug(lcLive, "live list: %d matches, %d recommended bets so far", LG->RowCount(), LGG->RowCount());
}

void TForm1::AddLiveMatch(std::string_view record)
{
    const auto element = [record](std::string_view name) { return ExtractElement(record, name); };
    const std::string_view kf = element("LIVE_KF");
    LG->AddRow();
    const int r = LG->RowCount() - 1;
    const std::string_view country = element("country");

    SetElementCell(*LG, lgId, r, element("id"));
    SetFlagCell(*LG, lgFlag, r, country);
    LG->Cell(lgFlag, r).SetHint(CompetitionText(country, element("liga")));
    for (std::size_t i = 0; i < kLiveTexts.size(); ++i) {
        std::string_view text = element(kLiveTexts[i]);
        if (i == kGameTime && text.empty())
            text = "-";
        SetElementCell(*LG, lgStart + int(i), r, text);
    }

    // Announced before the marks so that a copied row carries plain texts.
    CheckRecommendedBet(r);

    MarkQuarters(r, record);
    if (kf.empty())
        return;
    for (std::size_t i = 0; i < kLiveOdds.size(); ++i)
        SetElementCell(*LG, lgWin1 + int(i), r, ExtractElement(kf, kLiveOdds[i]));
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
        TCell cell = LG->Cell(lgQ1 + int(k), row);
        cell.SetColor(tint->color);
        cell.SetHint(tint->hint);
    }
    LG->Cell(lgScore, row)
        .SetHint(QStringLiteral("Total: %1\rHalfMatch: %2\rQuarter: %3")
                     .arg(total)
                     .arg(DivideRoundHalfEven(total, 2))
                     .arg(perQuarter));
}

void TForm1::Timer1Timer(QObject*)
{
    // No request starts while another waits: the tick runs once it is over.
    if (Requests->Busy()) {
        tickHeld_ = true;
        return;
    }
    // The pending messages run below may hold another tick; it must not count
    // down a second time or start a refresh on top of this one.
    if (ticking_ || liveRefreshing_)
        return;
    const QScopedValueRollback guard(ticking_, true);
    --LiveCountdown;
    QCoreApplication::processEvents();
    Livetime->SetCaption(QStringLiteral("Refresh from ") + QString::number(LiveCountdown) + QStringLiteral(" sec."));
    if (LiveCountdown > 0) {
        UpdateLiveNotice();
        return;
    }
    QCoreApplication::processEvents();
    LoadLiveMatches();
    LiveCountdown = kRefreshSeconds;
}

void TForm1::RunHeldTick()
{
    if (!std::exchange(tickHeld_, false) || !Timer1->Enabled())
        return;
    Timer1Timer(Timer1);
}
