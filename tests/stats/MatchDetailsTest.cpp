// The statistics view of a double-clicked match: what lands where, the odds
// fallback, league-table titles, forecast labels, the four handlers, logos
// and a failed statistics request.
#include "StatsFixture.h"
#include "app/TeamLogo.h"

namespace {

struct CellText {
    const char* grid;
    int col, row;
    QString text;
};

TDataGrid* GridNamed(TForm1& f, const char* name)
{
    return f.findChild<TDataGrid*>(QString::fromLatin1(name));
}

// Every grid and label the view writes, as text, to compare two views.
QStringList Snapshot(TForm1& f)
{
    QStringList out;
    for (TDataGrid* g : {f.MatchGrid, f.KFGrid, f.TableName1, f.TableName2, f.Table1, f.Table2, f.SG, f.Buk,
                         f.LGrid1, f.LGrid2, f.HX, f.LG1, f.LG2, f.LG3}) {
        out << g->objectName() + ":" + QString::number(g->RowCount());
        for (int r = 0; r < g->RowCount(); ++r)
            for (int c = 0; c < g->Columns().Count(); ++c)
                out << g->Cells(c, r);
    }
    for (TskSkinLabel* l : {f.Name1, f.Name2, f.Country1, f.Country2, f.FSc1, f.Fsc2, f.FPr1, f.Fpr2, f.tot})
        out << l->Caption();
    return out;
}

}  // namespace

TEST_F(StatsTest, ShowsEveryPartOfTheDocument)
{
    ScriptStats(StatElements());
    AddMatchRow(*form->RG, "M7", {{16, "-4.5"}, {17, "1.9"}, {18, "+4.5"}, {19, "1.9"}, {20, "158.5"}, {21, "1.87"},
                                  {22, "1.93"}});
    AddMatchRow(*form->RX, "M7", {{7, "1.50"}, {8, "2.50"}});
    DoubleClick(*form->RX, 0);

    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    const TForm1& f = *form;
    EXPECT_EQ(f.Name1->Caption(), "Valencia");
    EXPECT_EQ(f.Name2->Caption(), "Monaco");
    EXPECT_EQ(f.Country1->Caption(), "Spain");
    EXPECT_EQ(f.Country2->Caption(), "France");
    EXPECT_EQ(f.FSc1->Caption(), "80");
    EXPECT_EQ(f.Fsc2->Caption(), "77");
    EXPECT_EQ(f.FPr1->Caption(), "62%");
    EXPECT_EQ(f.Fpr2->Caption(), "38%");
    EXPECT_EQ(f.tot->Caption(), "Total Forecast: 157");

    const CellText cells[] = {
        {"KFGrid", 0, 0, "1.55"},
        {"KFGrid", 1, 0, "2.45"},
        {"MatchGrid", 0, 0, "M7"},
        {"MatchGrid", 1, 0, "12.12.2026"},
        {"MatchGrid", 2, 0, "20:30"},
        {"MatchGrid", 3, 0, "25"},
        {"MatchGrid", 4, 0, "Europe. Euroleague"},
        {"MatchGrid", 6, 0, "SOON"},
        {"TableName1", 0, 0, "75"},
        {"TableName1", 1, 0, "Spain. ACB"},
        {"TableName2", 0, 0, "27"},
        {"TableName2", 1, 0, "France. Pro A"},
        {"Table1", 0, 0, "3"},
        {"Table1", 1, 0, "20"},
        {"Table1", 2, 0, "14"},
        {"Table1", 3, 0, "6"},
        {"Table1", 4, 0, "1650:1540"},
        {"Table1", 5, 0, "34"},
        {"Table2", 0, 0, "9"},
        {"Table2", 5, 0, "31"},
        {"SG", 0, 3, "Tornament Home"},
        {"SG", 1, 3, "70%"},
        {"SG", 2, 3, "14"},
        {"SG", 3, 3, "6"},
        {"SG", 4, 3, "82.5"},
        {"SG", 5, 3, "77.0"},
        {"SG", 6, 3, "158.4"},
        {"SG", 0, 4, "Tornament Away"},
        {"SG", 1, 4, "48%"},
        {"SG", 2, 4, "10"},
        {"SG", 3, 4, "11"},
        {"SG", 4, 4, "76.2"},
        {"SG", 5, 4, "77.1"},
        {"SG", 6, 4, "158.4"},
        {"Buk", 0, 0, "-4.5"},
        {"Buk", 6, 0, "1.93"},
    };
    for (const CellText& c : cells) {
        TDataGrid* grid = GridNamed(*form, c.grid);
        ASSERT_NE(grid, nullptr) << c.grid;
        EXPECT_EQ(grid->Cells(c.col, c.row), c.text) << c.grid << " (" << c.col << ", " << c.row << ")";
    }
    for (const char* oneRow : {"KFGrid", "MatchGrid", "TableName1", "TableName2", "Table1", "Table2", "Buk"})
        EXPECT_EQ(GridNamed(*form, oneRow)->RowCount(), 1) << oneRow;
    EXPECT_EQ(form->MatchGrid->Cell(6, 0).Color(), clBlue);

    const std::string statsRequest = "GET /basketball/match.php?id=M7 HTTP/1.1";
    const auto requests = demo.Requests();
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(),
                            [&](const std::string& r) { return r.rfind(statsRequest, 0) == 0; }));
}

TEST_F(StatsTest, SameRowTwiceGivesTheSameViewWithFiveSummaryRows)
{
    ScriptStats(StatElements());
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);
    const QStringList first = Snapshot(*form);
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(Snapshot(*form), first);
    ASSERT_EQ(form->SG->RowCount(), 5);
    const QStringList titles{"Head-To-Head", "Latest Home", "Latest Away", "Tornament Home", "Tornament Away"};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(form->SG->Cells(0, r), titles[r]);
}

// ---- odds ----

struct OddsCase {
    const char* name;
    friend void PrintTo(const OddsCase& c, std::ostream* os) { *os << c.name; }
    std::string kf1, kf2;
    QString win1, win2;
};

class KFGridTest : public StatsTest, public ::testing::WithParamInterface<OddsCase> {};

TEST_P(KFGridTest, DashFallsBackToTheListRowsOdds)
{
    const OddsCase& c = GetParam();
    ScriptStats(StatElements().Set("kf1", c.kf1).Set("kf2", c.kf2));
    AddMatchRow(*form->LG, "M7", {{7, "1.70"}, {8, "2.20"}});
    DoubleClick(*form->LG, 0);

    EXPECT_EQ(form->KFGrid->Cells(0, 0), c.win1);
    EXPECT_EQ(form->KFGrid->Cells(1, 0), c.win2);
}

INSTANTIATE_TEST_SUITE_P(Odds, KFGridTest,
                         ::testing::Values(OddsCase{"BothDash", "-", "-", "1.70", "2.20"},
                                           OddsCase{"OwnOdds", "1.55", "2.45", "1.55", "2.45"},
                                           OddsCase{"DashWithBlanks", " - ", "--", "1.70", "--"},
                                           OddsCase{"EmptyStaysEmpty", "", "-", "", "2.20"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- league-table titles ----

struct TableCase {
    const char* name;
    friend void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }
    std::optional<std::string> country;  // nullopt: no table1 at all
    QString title;
    int flag;
};

class TableTitleTest : public StatsTest, public ::testing::WithParamInterface<TableCase> {};

TEST_P(TableTitleTest, UnknownCountryReadsUnknown)
{
    const TableCase& c = GetParam();
    TTags elements = StatElements();
    if (c.country)
        elements.Set("table1", TTags{{"country", *c.country}, {"liga", "League"}, {"num", "1"}}.Text());
    else
        elements.Remove("table1");
    ScriptStats(elements);
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    ASSERT_EQ(form->TableName1->RowCount(), 1);
    EXPECT_EQ(form->TableName1->Cell(0, 0).AsInteger(), c.flag);
    EXPECT_EQ(form->TableName1->Cells(1, 0), c.title);
    EXPECT_EQ(form->Table1->RowCount(), 1);
    EXPECT_EQ(form->Table1->Cells(0, 0), c.country ? "1" : "");
    EXPECT_EQ(form->TableName2->Cells(1, 0), "France. Pro A") << "the away title is independent";
}

INSTANTIATE_TEST_SUITE_P(Countries, TableTitleTest,
                         ::testing::Values(TableCase{"Known", "Spain", "Spain. League", 75},
                                           TableCase{"International", "Europe", "Europe. League", 25},
                                           TableCase{"NotInFlagTable", "Atlantis", "Unknown", 0},
                                           TableCase{"WrongCase", "spain", "Unknown", 0},
                                           TableCase{"NoTable", std::nullopt, "Unknown", 0}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- forecast labels ----

struct ForecastCase {
    const char* name;
    friend void PrintTo(const ForecastCase& c, std::ostream* os) { *os << c.name; }
    std::optional<std::string> total1, total2, percent1;  // nullopt: element absent
    QString tot, fpr1;
};

class ForecastTest : public StatsTest, public ::testing::WithParamInterface<ForecastCase> {};

TEST_P(ForecastTest, TotalAddsBothForecasts)
{
    const ForecastCase& c = GetParam();
    TTags elements = StatElements();
    c.total1 ? elements.Set("TOTAL1", *c.total1) : elements.Remove("TOTAL1");
    c.total2 ? elements.Set("TOTAL2", *c.total2) : elements.Remove("TOTAL2");
    c.percent1 ? elements.Set("PRECENT1", *c.percent1) : elements.Remove("PRECENT1");
    ScriptStats(elements);
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(form->tot->Caption(), c.tot);
    EXPECT_EQ(form->FSc1->Caption(), QString::fromStdString(c.total1.value_or("")));
    EXPECT_EQ(form->FPr1->Caption(), c.fpr1);
}

INSTANTIATE_TEST_SUITE_P(
    Totals, ForecastTest,
    ::testing::Values(ForecastCase{"Both", "80", "77", "62", "Total Forecast: 157", "62%"},
                      ForecastCase{"NotANumber", "80.5", "77", "62", "Total Forecast: 77", "62%"},
                      ForecastCase{"Missing", std::nullopt, std::nullopt, std::nullopt, "Total Forecast: 0", "%"},
                      ForecastCase{"Negative", "-5", "10", "", "Total Forecast: 5", "%"},
                      ForecastCase{"NoOverflow", "2147483647", "2147483647", "62", "Total Forecast: 4294967294",
                                   "62%"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- the four handlers ----

struct HandlerCase {
    const char* grid;
    friend void PrintTo(const HandlerCase& c, std::ostream* os) { *os << c.grid; }
    QString score, min;
    bool switchesToStats;
};

class HandlerTest : public StatsTest, public ::testing::WithParamInterface<HandlerCase> {};

TEST_P(HandlerTest, ShowsTheRowAndSetsScoreMinAndPage)
{
    const HandlerCase& c = GetParam();
    ScriptStats(StatElements().Set("home", "Other"), "/basketball/match.php?id=X1");
    ScriptStats(StatElements(), "/basketball/match.php?id=M7");
    TDataGrid& grid = *GridNamed(*form, c.grid);
    AddMatchRow(grid, "X1");
    // Period, game time and score exist in the live lists only.
    const bool live = !c.score.isEmpty();
    AddMatchRow(grid, "M7", live ? std::vector<std::pair<int, QString>>{{3, "3Q"}, {4, "07:12"}, {9, "61:58"}}
                                 : std::vector<std::pair<int, QString>>{});
    form->Score->SetCaption("old score");
    form->Min->SetCaption("old time");
    form->Page->SetActivePageIndex(TForm1::pgReport);

    DoubleClick(grid, 1);

    EXPECT_EQ(form->Name1->Caption(), "Valencia") << "the clicked row's match";
    EXPECT_EQ(form->Score->Caption(), c.score);
    EXPECT_EQ(form->Min->Caption(), c.min);
    EXPECT_EQ(form->Page->ActivePageIndex(), c.switchesToStats ? TForm1::pgStats : TForm1::pgReport);
}

INSTANTIATE_TEST_SUITE_P(Grids, HandlerTest,
                         ::testing::Values(HandlerCase{"RX", "", "", false}, HandlerCase{"RG", "", "", true},
                                           HandlerCase{"LG", "61:58", "3Q - 07:12", true},
                                           HandlerCase{"LGG", "61:58", "3Q - 07:12", true}),
                         [](const auto& testCase) { return std::string(testCase.param.grid); });

TEST_F(StatsTest, BetRowStillShowsItsMatchAfterTheLiveListWasRebuilt)
{
    ScriptStats(StatElements().Set("home", "First"), "/basketball/match.php?id=L1");
    ScriptStats(StatElements().Set("home", "Second"), "/basketball/match.php?id=L2");
    AddMatchRow(*form->LG, "L1", {{3, "2Q"}, {4, "03:00"}, {9, "30:28"}});
    AddMatchRow(*form->LGG, "L1", {{3, "2Q"}, {4, "03:00"}, {9, "30:28"}});
    form->LG->ClearRows();
    AddMatchRow(*form->LG, "L2", {{3, "4Q"}, {4, "01:00"}, {9, "90:88"}});

    DoubleClick(*form->LGG, 0);

    EXPECT_EQ(form->Name1->Caption(), "First");
    EXPECT_EQ(form->Score->Caption(), "30:28");
    EXPECT_EQ(form->Min->Caption(), "2Q - 03:00");
}

TEST_F(StatsTest, MouseDoubleClickOnAListRowOpensItsMatch)
{
    ScriptStats(StatElements());
    AddMatchRow(*form->RX, "M7");
    form->Page->SetActivePageIndex(TForm1::pgStats);
    QTest::qWait(0);
    const QRect cell = form->RX->CellRect(5, 0);
    ASSERT_TRUE(cell.isValid());
    QTest::mouseDClick(form->RX->viewport(), Qt::LeftButton, {}, cell.center());

    EXPECT_EQ(form->Name1->Caption(), "Valencia");
}

// ---- a failed statistics request ----

TEST_F(StatsTest, FailedRequestShowsTheErrorAndLeavesTheViewCleared)
{
    ScriptStats(StatElements());
    AddMatchRow(*form->RG, "M7");
    AddMatchRow(*form->LG, "M7", {{9, "61:58"}});
    DoubleClick(*form->LG, 0);
    ASSERT_EQ(form->Name1->Caption(), "Valencia");

    demo.Script("/basketball/match.php", {.status = 404});
    form->Page->SetActivePageIndex(TForm1::pgReport);
    DoubleClick(*form->RG, 0);

    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Loading the statistics of match M7 failed: the forecast service at "
                                       + QString::fromStdString(demo.Host())
                                       + " answered with an error (404 Not Found)."))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].endsWith("\nHTTP/1.1 404 Not Found")) << "the status line stays as the technical reason";
    EXPECT_EQ(form->Page->ActivePageIndex(), TForm1::pgReport) << "the handler stops with the view";
    for (TDataGrid* g : {form->MatchGrid, form->KFGrid, form->TableName1, form->TableName2, form->Table1,
                         form->Table2, form->LGrid1, form->LGrid2, form->HX, form->LG1, form->LG2, form->LG3,
                         form->Buk})
        EXPECT_EQ(g->RowCount(), 0) << g->objectName().toStdString();
    ASSERT_EQ(form->SG->RowCount(), 5);
    EXPECT_EQ(form->SG->Cells(0, 3), "Tornament Home");
    EXPECT_EQ(form->SG->Cells(1, 3), "");
    for (TskSkinLabel* l : {form->Name1, form->Country2, form->tot, form->Score})
        EXPECT_EQ(l->Caption(), "") << l->objectName().toStdString() << ": no stale text of the previous match";

    // The program goes on: the next double click shows the match again.
    demo.ClearScripts();
    ScriptStats(StatElements());
    DoubleClick(*form->RG, 0);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(form->Name1->Caption(), "Valencia");
}

// The status line's reason phrase is the server's: it reaches the box cut
// short (and, in the box, as plain text).
TEST_F(StatsTest, ErrorBoxCutsTheServersReasonPhrase)
{
    const std::string reason = "<img src=\"/dev/zero\"><a href=\"http://evil.test\">x</a>" + std::string(400, 'r');
    demo.Script("/basketball/match.php", {.status = 500, .reason = reason});
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    ASSERT_EQ(messages.size(), 1);
    const QStringList lines = messages[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], QString::fromStdString("HTTP/1.1 500 " + reason).left(kMaxMessageLineLength) + QChar(0x2026));
    for (const QString& line : lines)
        EXPECT_LE(line.size(), kMaxMessageLineLength + 1);
}

// ---- logos ----

TEST_F(StatsTest, LogosLoadAndABrokenOneKeepsThePreviousPicture)
{
    ScriptStats(StatElements());
    TDemoReply red, blue, broken;
    red.body = PngOf(Qt::red);
    blue.body = PngOf(Qt::blue);
    broken.body = "GIF89a not a png";
    demo.Script("/basketball/img/h7.png", red);
    demo.Script("/basketball/img/a7.png", blue);
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(ReadFile("1.png").toStdString(), *red.body);
    EXPECT_EQ(ReadFile("2.png").toStdString(), *blue.body);
    EXPECT_EQ(form->LOGO1->Picture().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(form->LOGO2->Picture().pixelColor(0, 0), QColor(Qt::blue));

    // Next match: the home logo is no picture, the away logo a new one.
    TDemoReply green;
    green.body = PngOf(Qt::green);
    demo.Script("/basketball/img/h7.png", broken);
    demo.Script("/basketball/img/a7.png", green);
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(form->LOGO1->Picture().pixelColor(0, 0), QColor(Qt::red)) << "previous home logo kept";
    EXPECT_EQ(form->LOGO2->Picture().pixelColor(0, 0), QColor(Qt::green)) << "away logo still loaded";
    EXPECT_TRUE(messages.isEmpty());
}

// The files are only a cache: logos show from the bytes received, and what
// stands under a logo's name that is no regular file is never written through.
TEST_F(StatsTest, LogosShowFromTheReceivedBytesWhateverTheFilesAre)
{
    ScriptStats(StatElements());
    TDemoReply red, blue;
    red.body = PngOf(Qt::red);
    blue.body = PngOf(Qt::blue);
    demo.Script("/basketball/img/h7.png", red);
    demo.Script("/basketball/img/a7.png", blue);
    ASSERT_TRUE(QDir().mkdir("1.png"));
    WriteFile("elsewhere", "precious");
    ASSERT_TRUE(QFile::link("elsewhere", "2.png"));
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(form->LOGO1->Picture().pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(form->LOGO2->Picture().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_TRUE(QFileInfo("1.png").isDir());
    EXPECT_TRUE(QFileInfo("2.png").isSymLink());
    EXPECT_EQ(ReadFile("elsewhere"), QByteArray("precious"));
    EXPECT_TRUE(messages.isEmpty());
}

// A small file may claim a huge picture; it is refused before decoding.
TEST_F(StatsTest, OversizedLogoKeepsThePreviousPicture)
{
    ScriptStats(StatElements());
    TDemoReply red, wide;
    red.body = PngOf(Qt::red);
    demo.Script("/basketball/img/h7.png", red);
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);
    ASSERT_EQ(form->LOGO1->Picture().pixelColor(0, 0), QColor(Qt::red));

    QImage huge(kMaxLogoSide + 1, 1, QImage::Format_RGB32);
    huge.fill(Qt::green);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    huge.save(&png, "PNG");
    wide.body = png.data().toStdString();
    demo.Script("/basketball/img/h7.png", wide);
    DoubleClick(*form->RX, 0);
    EXPECT_EQ(form->LOGO1->Picture().pixelColor(0, 0), QColor(Qt::red));
}

TEST_F(StatsTest, UnknownTeamGetsTheFallbackLogo)
{
    ScriptStats(StatElements().Set("id_home", "nobody"));
    TDemoReply fallback;
    fallback.body = PngOf(Qt::yellow);
    demo.Script("/basketball/img/hl_logo.png", fallback);
    demo.Script("/basketball/img/nobody.png", {.status = 404});
    AddMatchRow(*form->RX, "M7");
    DoubleClick(*form->RX, 0);

    EXPECT_EQ(form->LOGO1->Picture().pixelColor(0, 0), QColor(Qt::yellow));
}

// ---- the demo service's own documents ----

TEST_F(StatsTest, ListedDemoMatchesOpenFromEveryList)
{
    form->LoadLineMatches();
    form->LoadLiveMatches();
    for (TDataGrid* grid : {form->RX, form->RG, form->LG}) {
        const int rows = grid->RowCount();
        ASSERT_GT(rows, 0) << grid->objectName().toStdString();
        for (int r : {0, rows - 1}) {
            SCOPED_TRACE(grid->objectName().toStdString() + " row " + std::to_string(r));
            DoubleClick(*grid, r);
            EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
            EXPECT_EQ(form->Name1->Caption(), grid->Cells(5, r));
            EXPECT_EQ(form->Name2->Caption(), grid->Cells(6, r));
            EXPECT_EQ(form->MatchGrid->Cells(0, 0), grid->Cells(0, r));
            EXPECT_FALSE(form->LOGO1->Picture().isNull());
            EXPECT_FALSE(form->LOGO2->Picture().isNull());
            EXPECT_NE(form->KFGrid->Cells(0, 0), "-") << "a live match falls back to the row's odds";
            EXPECT_GT(form->LGrid1->RowCount(), 0);
            EXPECT_EQ(form->LG1->RowCount(), 2);
        }
    }
}
