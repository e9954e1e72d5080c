// The upcoming matches: the compact list RX on the Stats page and the full
// table RG on the Report page, rebuilt together from the line document.
#include "app/ListCells.h"
#include "app/MatchNumbers.h"
#include "app/ServiceMessages.h"
#include "app/TaggedText.h"
#include "app/Unit1.h"
#include "ui/MatchGridColumns.h"

#include <array>

namespace {
// Bookmaker lines of LIVE_KF, in the order both grids show them.
constexpr std::array<std::string_view, 7> kLineOdds{"hand1", "kof1", "hand2", "kof2", "total", "u", "o"};
static_assert(kLineOdds.size() == rxOver - rxHand1 + 1 && kLineOdds.size() == rgOver - rgHand1 + 1);

// Date to second odds, the same columns in both grids.
constexpr std::array<std::string_view, 6> kMatchTexts{"date", "time", "home", "away", "kf1", "kf2"};
static_assert(int(rxDate) == int(rgDate) && int(rxOdds2) == int(rgWin2) && kMatchTexts.size() == rxOdds2 - rxDate + 1);
}  // namespace

void TForm1::skSkinXFormButton2Click(QObject*)
{
    LoadLineMatches();
}

void TForm1::LoadLineMatches()
{
    RX->ClearRows();
    RG->ClearRows();
    const TListDocument document = FetchListDocument(*Requests, *HttpClient1,
                                                     urls_.LineMatches(SessionLogin, SessionPassword),
                                                     QStringLiteral("Loading upcoming matches\u2026"));
    FillLineMatches(document.body);
    ShowLineNotice(document.failure ? &*document.failure : nullptr);
}

void TForm1::ShowLineNotice(const EHttpError* failure)
{
    if (Requests->Aborted())
        return;
    if (!failure) {
        for (TskSkinLabel* notice : {LineNotice, ReportNotice}) {
            notice->SetCaption({});
            notice->setToolTip({});
        }
        return;
    }
    // The Stats panel has room for a word only; the whole story is in the tooltip.
    const QString at = QStringLiteral(" at ") + NoticeTime(QTime::currentTime());
    const QString detail = RequestFailureMessage(QStringLiteral("Loading the upcoming matches"), urls_.ServiceHost(), *failure);
    LineNotice->SetCaption(FailureHeadline(*failure, TNoticeLength::nlBrief) + at);
    ReportNotice->SetCaption(FailureHeadline(*failure) + at
                             + QStringLiteral(" \u2014 press Refresh on the Stats page to try again"));
    for (TskSkinLabel* notice : {LineNotice, ReportNotice})
        notice->setToolTip(detail);
}

void TForm1::FillLineMatches(std::string_view body)
{
    RX->BeginUpdate();
    RG->BeginUpdate();
    const bool cut = AddListRows(body, [this](std::string_view record) { AddLineMatch(record); });
    RG->EndUpdate();
    RX->EndUpdate();
    countsoon->SetCaption(CountCaption(RX->RowCount(), cut));
    countsoon2->SetCaption(CountCaption(RG->RowCount(), cut));
}

void TForm1::AddLineMatch(std::string_view record)
{
    RX->AddRow();
    RG->AddRow();
    const int r = RX->RowCount() - 1;
    const auto element = [record](std::string_view name) { return ExtractElement(record, name); };
    const std::string_view country = element("country");
    const std::string_view kf = element("LIVE_KF");
    const QString competition = CompetitionText(country, element("liga"));

    SetElementCell(*RX, rxId, r, element("id"));
    SetElementCell(*RG, rgId, r, element("id"));
    SetFlagCell(*RX, rxFlag, r, country);
    RX->Cell(rxFlag, r).SetHint(competition);
    SetFlagCell(*RG, rgFlag, r, country);
    RG->SetCells(rgLeague, r, competition);
    for (int i = 0; i < int(kMatchTexts.size()); ++i) {
        const std::string_view text = element(kMatchTexts[std::size_t(i)]);
        SetElementCell(*RX, rxDate + i, r, text);
        SetElementCell(*RG, rgDate + i, r, text);
    }

    const TPairParts forecast = SplitPair(element("forecast"), ":");
    const TPairParts percent = SplitPair(element("precent"), "-");
    SetElementCell(*RG, rgForecast1, r, forecast.first);
    SetElementCell(*RG, rgForecast2, r, forecast.second);
    SetElementCell(*RG, rgPercent1, r, percent.first);
    SetElementCell(*RG, rgPercent2, r, percent.second);
    SetElementCell(*RG, rgLatest1, r, element("latest1"));
    SetElementCell(*RG, rgLatest2, r, element("latest2"));
    SetElementCell(*RG, rgH2H, r, element("h2h"));

    if (kf.empty())
        return;
    for (int i = 0; i < int(kLineOdds.size()); ++i)
        SetElementCell(*RG, rgHand1 + i, r, ExtractElement(kf, kLineOdds[std::size_t(i)]));
    for (int i = 0; i < int(kLineOdds.size()); ++i)
        SetElementCell(*RX, rxHand1 + i, r, ExtractElement(kf, kLineOdds[std::size_t(i)]));
}
