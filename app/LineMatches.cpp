// The upcoming matches: the compact list RX on the Stats page and the full
// table RG on the Report page, rebuilt together from the line document.
#include "app/ListCells.h"
#include "app/MatchNumbers.h"
#include "app/TaggedText.h"
#include "app/Unit1.h"

#include <array>

namespace {
// Bookmaker lines of LIVE_KF, in the order both grids show them.
constexpr std::array<std::string_view, 7> kLineOdds{"hand1", "kof1", "hand2", "kof2", "total", "u", "o"};
constexpr int kRxFirstOdds = 12;
constexpr int kRgFirstOdds = 16;

// Columns 3 to 8 of both grids.
constexpr std::array<std::string_view, 6> kMatchTexts{"date", "time", "home", "away", "kf1", "kf2"};
}  // namespace

void TForm1::skSkinXFormButton2Click(QObject*)
{
    LoadLineMatches();
}

void TForm1::LoadLineMatches()
{
    RX->ClearRows();
    RG->ClearRows();
    const std::string body = FetchListDocument(*HttpClient1, urls_.LineMatches(SessionLogin, SessionPassword));
    FillLineMatches(body);
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

    for (TDataGrid* grid : {RX, RG})
        SetElementCell(*grid, 0, r, element("id"));
    SetFlagCell(*RX, 2, r, country);
    RX->Cell(2, r).SetHint(competition);
    SetFlagCell(*RG, 1, r, country);
    RG->SetCells(2, r, competition);
    for (int i = 0; i < int(kMatchTexts.size()); ++i) {
        const std::string_view text = element(kMatchTexts[std::size_t(i)]);
        SetElementCell(*RX, 3 + i, r, text);
        SetElementCell(*RG, 3 + i, r, text);
    }

    const TPairParts forecast = SplitPair(element("forecast"), ":");
    const TPairParts percent = SplitPair(element("precent"), "-");
    SetElementCell(*RG, 9, r, forecast.first);
    SetElementCell(*RG, 10, r, forecast.second);
    SetElementCell(*RG, 11, r, percent.first);
    SetElementCell(*RG, 12, r, percent.second);
    SetElementCell(*RG, 13, r, element("latest1"));
    SetElementCell(*RG, 14, r, element("latest2"));
    SetElementCell(*RG, 15, r, element("h2h"));

    if (kf.empty())
        return;
    for (int i = 0; i < int(kLineOdds.size()); ++i)
        SetElementCell(*RG, kRgFirstOdds + i, r, ExtractElement(kf, kLineOdds[std::size_t(i)]));
    for (int i = 0; i < int(kLineOdds.size()); ++i)
        SetElementCell(*RX, kRxFirstOdds + i, r, ExtractElement(kf, kLineOdds[std::size_t(i)]));
}
