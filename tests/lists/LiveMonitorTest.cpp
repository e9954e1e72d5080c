// The live list LG: cells, quarter marks, the score hint and the countdown.
#include "ListsFixture.h"

#include <QMetaObject>
#include <QTest>

using lists::Document;
using lists::Match;
using lists::Tag;

namespace {
constexpr TColor kPink = 0xB8A9ED;
constexpr TColor kLightGreen = 0xB7FFB7;

std::string LiveOdds(const std::string& prefix)
{
    std::string kf;
    for (const char* name : {"w1", "w2", "hand1", "kof1", "hand2", "kof2", "total", "u", "o"})
        kf += Tag(name, prefix + name);
    return Tag("LIVE_KF", kf);
}
}  // namespace

// ---- quarter marks and the score hint ----

struct QuarterMark {
    TColor color;
    const char* hint;
};
constexpr QuarterMark kNone{clWindow, ""};

struct QuarterCase {
    const char* name;
    std::string forecast;  // absent when empty
    std::string vr;
    std::string q1, q2, q3;
    QuarterMark marks[3];
    const char* scoreHint;
};
void PrintTo(const QuarterCase& c, std::ostream* os) { *os << c.name; }

class QuarterMarkTest : public ListsTest, public ::testing::WithParamInterface<QuarterCase> {};

TEST_P(QuarterMarkTest, TintsFinishedQuartersByTheirDistanceFromPace)
{
    const QuarterCase& c = GetParam();
    std::string record = Tag("id", "1") + Tag("vr", c.vr) + Tag("q1", c.q1) + Tag("q2", c.q2) + Tag("q3", c.q3)
                         + Tag("q4", "30:30");
    if (!c.forecast.empty())
        record += Tag("forecast", c.forecast);
    ScriptLive(Document({Match(record)}));
    form->LoadLiveMatches();

    ASSERT_EQ(form->LG->RowCount(), 1);
    for (int k = 0; k < 3; ++k) {
        const TCell cell = form->LG->Cell(10 + k, 0);
        EXPECT_EQ(cell.Color(), c.marks[k].color) << "Q" << k + 1;
        EXPECT_EQ(cell.Hint(), c.marks[k].hint) << "Q" << k + 1;
    }
    EXPECT_EQ(form->LG->Cell(13, 0).Hint(), "") << "the fourth quarter is never marked";
    EXPECT_EQ(form->LG->Cell(9, 0).Hint(), c.scoreHint);
}

INSTANTIATE_TEST_SUITE_P(
    Forecasts, QuarterMarkTest,
    ::testing::Values(
        // E = 77.5 -> 78; the quarter in play and a pointless one stay plain.
        QuarterCase{"BelowPace", "160:150", "2Q", "40:35", "20:10", "0:0",
                    {{kPink, "-3"}, kNone, kNone}, "Total: 310\rHalfMatch: 155\rQuarter: 78"},
        // E = 74.5 -> 74; a quarter right on the pace stays plain.
        QuarterCase{"AbovePace", "150:148", "3Q", "40:40", "37:37", "50:50",
                    {{kLightGreen, "+6"}, kNone, kNone}, "Total: 298\rHalfMatch: 149\rQuarter: 74"},
        // E = 37.5 -> 38.
        QuarterCase{"EvenHalves", "75:75", "4Q", "20:20", "18:18", "19:19",
                    {{kLightGreen, "+2"}, {kPink, "-2"}, kNone}, "Total: 150\rHalfMatch: 75\rQuarter: 38"},
        // No forecast: every played quarter outside the current one is above a pace of 0.
        QuarterCase{"NoForecast", "", "2Q", "10:12", "15:15", "3:4",
                    {{kLightGreen, "+22"}, kNone, {kLightGreen, "+7"}}, "Total: 0\rHalfMatch: 0\rQuarter: 0"},
        // Unreadable points count as 0 and are never marked; a lone number counts whole.
        QuarterCase{"Malformed", "ab:160", "", "x:y", "", "45",
                    {kNone, kNone, {kLightGreen, "+5"}}, "Total: 160\rHalfMatch: 80\rQuarter: 40"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- the cells of a row ----

TEST_F(ListsTest, LiveRowsShowTheRecordAndOnlyTheirOwnOdds)
{
    const std::string full = Tag("id", "11") + Tag("country", "Spain") + Tag("liga", "ACB") + Tag("time", "19:00")
                             + Tag("vr", "2Q") + Tag("q", "05:12") + Tag("home", "Real") + Tag("away", "Barca")
                             + Tag("kf1", "1.8") + Tag("kf2", "2.0") + Tag("score", "50:45") + Tag("q1", "25:20")
                             + Tag("q2", "25:25") + Tag("q3", "") + Tag("q4", "") + Tag("q5", "")
                             + Tag("forecast", "85:80") + Tag("precent", "60-40") + Tag("h2h", "3-2")
                             + Tag("rb", "");
    ScriptLive(Document({Match(full + LiveOdds("a")),
                         Match(Tag("id", "12") + Tag("country", "Mars") + Tag("q", "")),  // no q, no LIVE_KF
                         Match(Tag("id", "13") + LiveOdds("c"))}));
    form->LoadLiveMatches();
    TDataGrid& lg = *form->LG;

    ASSERT_EQ(lg.RowCount(), 3);
    EXPECT_EQ(form->lcount->Caption(), "Count: 3");
    const QStringList texts{"11", "",      "19:00", "2Q",    "05:12", "Real", "Barca", "1.8", "2.0", "50:45",
                            "25:20", "25:25", "", "", "", "85:80", "60-40", "3-2", ""};
    for (int c = 0; c <= 18; ++c)
        if (c != 1) {
            EXPECT_EQ(lg.Cells(c, 0), texts[c]) << "column " << c;
        }
    EXPECT_EQ(lg.Cell(1, 0).AsInteger(), 75);
    EXPECT_EQ(lg.Cell(1, 0).Hint(), "Spain. ACB");
    EXPECT_EQ(lg.Cell(1, 1).AsInteger(), 0);
    EXPECT_EQ(lg.Cell(1, 1).Hint(), "Mars. ");

    EXPECT_EQ(lg.Cells(4, 1), "-") << "an empty game time";
    EXPECT_EQ(lg.Cells(4, 2), "-") << "a missing game time";

    const char* odds[] = {"w1", "w2", "hand1", "kof1", "hand2", "kof2", "total", "u", "o"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(lg.Cells(19 + i, 0), QString("a") + odds[i]);
        EXPECT_EQ(lg.Cells(19 + i, 1), "") << "row without LIVE_KF, column " << 19 + i;
        EXPECT_EQ(lg.Cells(19 + i, 2), QString("c") + odds[i]);
    }
}

TEST_F(ListsTest, TextsInTheServiceCodePageShowAsTheyRead)
{
    // "Динамо" in Windows-1251.
    ScriptLive(Document({Match(Tag("id", "1") + Tag("home", "\xC4\xE8\xED\xE0\xEC\xEE"))}));
    form->LoadLiveMatches();
    EXPECT_EQ(form->LG->Cells(5, 0), QStringLiteral("Динамо"));
}

// ---- the countdown ----

TEST_F(ListsTest, CountdownRefreshesAtZeroAndShowsZeroForOneTick)
{
    ScriptLive(Document({Match(Tag("id", "1"))}));
    form->LiveCountdown = 2;
    const int requestsBefore = LiveRequests();

    form->Timer1->OnTimer(form->Timer1);
    EXPECT_EQ(form->Livetime->Caption(), "Refresh from 1 sec.");
    EXPECT_EQ(LiveRequests(), requestsBefore);

    ScriptLive(Document({Match(Tag("id", "1")), Match(Tag("id", "2"))}));
    form->Timer1->OnTimer(form->Timer1);
    EXPECT_EQ(form->Livetime->Caption(), "Refresh from 0 sec.");
    EXPECT_EQ(LiveRequests(), requestsBefore + 1);
    EXPECT_EQ(form->LG->RowCount(), 2);
    EXPECT_EQ(form->lcount->Caption(), "Count: 2");
    EXPECT_EQ(form->LiveCountdown, 60);

    form->Timer1->OnTimer(form->Timer1);
    EXPECT_EQ(form->Livetime->Caption(), "Refresh from 59 sec.");
    EXPECT_EQ(LiveRequests(), requestsBefore + 1);
}

// A tick runs pending messages; a tick waiting among them must neither count
// down again nor start a second refresh.
TEST_F(ListsTest, ATickNeverRunsInsideAnotherTick)
{
    ScriptLive(Document({Match(Tag("id", "1"))}));
    const auto queueTick = [this] {
        QMetaObject::invokeMethod(form.get(), [this] { form->Timer1Timer(form->Timer1); }, Qt::QueuedConnection);
    };

    form->LiveCountdown = 10;
    queueTick();
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(form->LiveCountdown, 9);
    EXPECT_EQ(form->Livetime->Caption(), "Refresh from 9 sec.");

    const int requestsBefore = LiveRequests();
    form->LiveCountdown = 1;
    queueTick();
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(LiveRequests(), requestsBefore + 1);
    EXPECT_EQ(form->LiveCountdown, 60);
    EXPECT_EQ(form->Livetime->Caption(), "Refresh from 0 sec.");

    // Once the tick is over, the next one counts normally.
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(form->LiveCountdown, 59);
}

TEST_F(ListsTest, HoveringAMarkedQuarterShowsItsDistanceFromPace)
{
    ScriptLive(Document({Match(Tag("id", "1") + Tag("vr", "2Q") + Tag("q1", "40:35") + Tag("forecast", "160:150"))}));
    form->LoadLiveMatches();
    form->Page->Pages(TForm1::pgLive)->SetTabVisible(true);
    form->Page->SetActivePage(form->Page->Pages(TForm1::pgLive));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    TDataGrid& lg = *form->LG;
    const QRect q1 = lg.CellRect(10, 0);
    QTest::mouseMove(lg.viewport(), q1.center() + QPoint(1, 0));
    QTest::mouseMove(lg.viewport(), q1.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(lg.HintText(), "40:35\n-3") << "the full text and the distance from pace";
}
