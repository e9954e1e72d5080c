// The statistics view of one match: the double clicks on the match lists,
// the match header, logos, odds, league-table lines and forecast labels.
#include "app/CountryFlags.h"
#include "app/ListCells.h"
#include "app/MatchNumbers.h"
#include "app/TaggedText.h"
#include "app/TeamLogo.h"
#include "app/Unit1.h"
#include "toolkit/CodePage.h"
#include "ui/MatchGridColumns.h"

#include <optional>

namespace {

// A double click may come from any match list: the id and odds sit in the same
// columns of all four, the live state in the same columns of LG and LGG.
constexpr int kIdCol = rxId;
constexpr int kOdds1Col = rxOdds1;
constexpr int kOdds2Col = rxOdds2;
static_assert(kIdCol == rgId && kIdCol == lgId && kIdCol == lggId);
static_assert(kOdds1Col == rgWin1 && kOdds1Col == lgOdds1 && kOdds1Col == lggOdds1);
static_assert(kOdds2Col == rgWin2 && kOdds2Col == lgOdds2 && kOdds2Col == lggOdds2);
static_assert(int(lgPeriod) == int(lggPeriod) && int(lgGameTime) == int(lggGameTime) && int(lgScore) == int(lggScore));
constexpr int kHomeCol = rxHome;
constexpr int kAwayCol = rxAway;
static_assert(kHomeCol == rgHome && kHomeCol == lgHome && kHomeCol == lggHome);
static_assert(kAwayCol == rgAway && kAwayCol == lgAway && kAwayCol == lggAway);

// SG rows; rows 0 to 2 are the recent-results summaries.
enum { sgHomeTable = 3, sgAwayTable = 4 };

struct TTableSide {
    const char* element;  // table1, table2
    TDataGrid* table;
    TDataGrid* title;
    int sgRow;
    const char* winners;
    const char* scored;
    const char* conceded;
};

QString Percent(std::string_view value)
{
    return ElementText(value) + QStringLiteral("%");
}

// One team's league-table line, its title and its tournament row of SG.
void ShowLeagueTable(std::string_view stat, const TTableSide& side, TDataGrid& sg)
{
    const std::string_view t = ExtractElement(stat, side.element);
    const std::string_view country = ExtractElement(t, "country");
    side.table->SetRowCount(1);
    side.title->SetRowCount(1);
    SetFlagCell(*side.title, 0, 0, country);
    side.title->SetCells(1, 0, CountryFlagIndex(country) == 0 ? QStringLiteral("Unknown")
                                                                : CompetitionText(country, ExtractElement(t, "liga")));
    int col = 0;
    for (const char* name : {"num", "game", "win", "loss", "goals", "pts"})
        SetElementCell(*side.table, col++, 0, ExtractElement(t, name));

    sg.SetCells(1, side.sgRow, Percent(ExtractElement(stat, side.winners)));
    SetElementCell(sg, 2, side.sgRow, ExtractElement(t, "win"));
    SetElementCell(sg, 3, side.sgRow, ExtractElement(t, "loss"));
    SetElementCell(sg, 4, side.sgRow, ExtractElement(stat, side.scored));
    SetElementCell(sg, 5, side.sgRow, ExtractElement(stat, side.conceded));
    SetElementCell(sg, 6, side.sgRow, ExtractElement(stat, "avgtotals"));
}

}  // namespace

void TForm1::RXCellDblClick(QObject*, int, int ARow)
{
    if (!ShowMatchDetails(RX, ARow))
        return;
    Score->SetCaption({});
    Min->SetCaption({});
}

void TForm1::RGCellDblClick(QObject*, int, int ARow)
{
    if (!ShowMatchDetails(RG, ARow))
        return;
    Score->SetCaption({});
    Min->SetCaption({});
    Page->SetActivePageIndex(pgStats);
}

void TForm1::LGCellDblClick(QObject* Sender, int, int ARow)
{
    auto* grid = qobject_cast<TDataGrid*>(Sender);
    if (!grid || !ShowMatchDetails(grid, ARow))
        return;
    Score->SetCaption(grid->Cells(lgScore, ARow));
    Min->SetCaption(grid->Cells(lgPeriod, ARow) + QStringLiteral(" - ") + grid->Cells(lgGameTime, ARow));
    Page->SetActivePageIndex(pgStats);
}

void TForm1::ClearMatchDetails()
{
    for (TDataGrid* grid : {LGrid1, LGrid2, HX, MatchGrid, TableName1, TableName2, Table1, Table2, LG1, LG2, LG3,
                            KFGrid, SG, Buk})
        grid->ClearRows();
    // A failed request must not leave the previous match's names or lines
    // beside the empty grids.
    for (TskSkinLabel* label : {Name1, Name2, Country1, Country2, FSc1, Fsc2, FPr1, Fpr2, tot})
        label->SetCaption({});

    SG->AddRow(5);
    int row = 0;
    for (const char* title : {"Head-To-Head", "Latest Home", "Latest Away", "Tornament Home", "Tornament Away"})
        SG->SetCells(0, row++, QString::fromLatin1(title));
}

bool TForm1::ShowMatchDetails(TDataGrid* grid, int row)
{
    ClearMatchDetails();

    const std::string id = ToAnsi(grid->Cells(kIdCol, row));
    std::string body;
    try {
        const std::string url = urls_.MatchStatistics(id);
        Requests->Run(QStringLiteral("Loading the statistics of %1 \u2013 %2\u2026")
                          .arg(grid->Cells(kHomeCol, row), grid->Cells(kAwayCol, row)),
                      [&] { HttpClient1->GetText(url, body); });
    } catch (const EHttpError& e) {
        Score->SetCaption({});
        Min->SetCaption({});
        ShowRequestFailure(QStringLiteral("Loading the statistics of match ") + FromAnsi(id), e);
        return false;
    }
    StatPrompt->hide();
    FillMatchDetails(body, grid->Cells(kOdds1Col, row), grid->Cells(kOdds2Col, row));
    FillBookmakerLines(id);
    return true;
}

void TForm1::FillMatchDetails(std::string_view body, const QString& odds1, const QString& odds2)
{
    ClearMatchDetails();
    const std::string_view stat = ExtractElement(body, "stat");

    Name1->SetCaption(ElementText(ExtractElement(stat, "home")));
    Name2->SetCaption(ElementText(ExtractElement(stat, "away")));
    Country1->SetCaption(ElementText(ExtractElement(stat, "country1")));
    Country2->SetCaption(ElementText(ExtractElement(stat, "country2")));

    ShowTeamLogos(stat);

    // "-" is the service's "no odds": the list row's pre-match odds stand in.
    KFGrid->SetRowCount(1);
    SetElementCell(*KFGrid, 0, 0, ExtractElement(stat, "kf1"));
    SetElementCell(*KFGrid, 1, 0, ExtractElement(stat, "kf2"));
    if (KFGrid->Cells(0, 0) == QLatin1String("-"))
        KFGrid->SetCells(0, 0, odds1);
    if (KFGrid->Cells(1, 0) == QLatin1String("-"))
        KFGrid->SetCells(1, 0, odds2);

    MatchGrid->SetRowCount(1);
    SetElementCell(*MatchGrid, 0, 0, ExtractElement(stat, "id"));
    SetElementCell(*MatchGrid, 1, 0, ExtractElement(stat, "date"));
    SetElementCell(*MatchGrid, 2, 0, ExtractElement(stat, "time"));
    const std::string_view country = ExtractElement(stat, "country");
    SetFlagCell(*MatchGrid, 3, 0, country);
    MatchGrid->SetCells(4, 0, CompetitionText(country, ExtractElement(stat, "liga")));
    MatchGrid->SetCells(6, 0, QStringLiteral("SOON"));
    MatchGrid->Cell(6, 0).SetColor(clBlue);

    ShowLeagueTable(stat, {"table1", Table1, TableName1, sgHomeTable, "winners1", "hz", "hp"}, *SG);
    ShowLeagueTable(stat, {"table2", Table2, TableName2, sgAwayTable, "winners2", "az", "ap"}, *SG);

    ShowRecentResults(stat);

    const std::string_view total1 = ExtractElement(stat, "TOTAL1");
    const std::string_view total2 = ExtractElement(stat, "TOTAL2");
    FSc1->SetCaption(ElementText(total1));
    Fsc2->SetCaption(ElementText(total2));
    FPr1->SetCaption(Percent(ExtractElement(stat, "PRECENT1")));
    Fpr2->SetCaption(Percent(ExtractElement(stat, "PRECENT2")));
    const std::int64_t sum = std::int64_t(TextToIntOrZero(total1)) + TextToIntOrZero(total2);
    tot->SetCaption(QStringLiteral("Total Forecast: ") + QString::number(sum));
}

void TForm1::ShowTeamLogos(std::string_view stat)
{
    const std::string fallback = urls_.FallbackLogo();
    // Each logo on its own, shown from the bytes received (the files are only a
    // cache): a broken home logo must not keep the previous match's away logo
    // on screen. A download that fails or is no PNG keeps the old picture.
    const std::string home = urls_.TeamLogo(ExtractElement(stat, "id_home"));
    const std::string away = urls_.TeamLogo(ExtractElement(stat, "id_away"));
    std::optional<std::string> bytes[2];
    try {
        Requests->Run(QStringLiteral("Loading the team logos\u2026"), [&] {
            bytes[0] = DownloadToFile(*HttpClient1, home, folders_.LogoFile(1), fallback);
            bytes[1] = DownloadToFile(*HttpClient1, away, folders_.LogoFile(2), fallback);
        });
    } catch (const EHttpError&) {
        return;  // the window closes: the old files and pictures stay
    }
    for (auto [received, logo] : {std::pair{&bytes[0], LOGO1}, std::pair{&bytes[1], LOGO2}}) {
        const QImage picture = *received ? DecodeTeamLogo(**received) : QImage();
        if (!picture.isNull())
            logo->SetPicture(picture);
    }
}
