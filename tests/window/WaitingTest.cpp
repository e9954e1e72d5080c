// Requests wait without freezing the window: failures of every kind end within
// one time limit and say what happened, the window paints and shows what it
// waits for, input and ticks wait their turn, and closing ends a request at once.
#include "WindowFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <chrono>

using namespace std::chrono_literals;

namespace {
constexpr auto kLimit = 800ms;
// A second time limit would take the outcome past this.
constexpr auto kOneLimit = 1400ms;

const QString kUnreachable = QStringLiteral("could not be reached");
const QString kAnsweredError = QStringLiteral("answered with an error");
const QString kUnreadable = QStringLiteral("could not be read");
const QString kUpdate = QStringLiteral("Update Programm from");

enum class TAction { Login, VersionGate, LiveRefresh, Statistics };

// What the window makes of a fault: a message of this class, or the gate's verdict.
enum class TOutcome { Unreachable, HttpError, Unreadable, Outdated, Current };

struct Fault {
    const char* name;
    std::optional<TDemoReply> reply;  // nullopt: nobody listens
    TOutcome request;                 // for login, live refresh and statistics
    TOutcome gate;                    // for the version marker
};

TDemoReply Oversized()
{
    // The header announces more than the client takes; the body never needs to come.
    return {.headers = {{"Content-Length", "70000000"}}, .body = "x", .framing = TDemoReply::TFraming::Close};
}

const Fault kFaults[] = {
    {"Refused", std::nullopt, TOutcome::Unreachable, TOutcome::Unreachable},
    {"Silent", TDemoReply{.delay = 10s}, TOutcome::Unreachable, TOutcome::Unreachable},
    {"Reset", TDemoReply{.dropConnection = true}, TOutcome::Unreachable, TOutcome::Unreachable},
    {"Found302", TDemoReply{.status = 302, .headers = {{"Location", "/x"}}}, TOutcome::HttpError, TOutcome::Current},
    {"NotFound404", TDemoReply{.status = 404}, TOutcome::HttpError, TOutcome::Outdated},
    {"Error500", TDemoReply{.status = 500}, TOutcome::HttpError, TOutcome::Outdated},
    {"CutBody", TDemoReply{.body = std::string(200, 'x'), .closeAfterBytes = 20}, TOutcome::Unreadable,
     TOutcome::Current},
    {"Over64MiB", Oversized(), TOutcome::Unreadable, TOutcome::Current},
};

QString MessageClass(TOutcome outcome)
{
    switch (outcome) {
    case TOutcome::Unreachable: return kUnreachable;
    case TOutcome::HttpError: return kAnsweredError;
    case TOutcome::Unreadable: return kUnreadable;
    case TOutcome::Outdated: return kUpdate;
    case TOutcome::Current: break;
    }
    return {};
}

QString NoticeClass(TOutcome outcome)
{
    switch (outcome) {
    case TOutcome::Unreachable: return QStringLiteral("Service unreachable at ");
    case TOutcome::HttpError: return QStringLiteral("Service error ");
    default: return QStringLiteral("Unreadable answer at ");
    }
}

const char* ActionName(TAction a)
{
    switch (a) {
    case TAction::Login: return "Login";
    case TAction::VersionGate: return "VersionGate";
    case TAction::LiveRefresh: return "LiveRefresh";
    case TAction::Statistics: return "Statistics";
    }
    return "";
}

// Calls `step` once the event loop has run `after`.
void After(std::chrono::milliseconds after, std::function<void()> step)
{
    QTimer::singleShot(after, qApp, std::move(step));
}
}  // namespace

class WaitingTest : public WindowTest {
protected:
    TForm1& OpenWithShortLimits(const std::string& host = {})
    {
        TForm1& f = Open(host);
        f.HttpClient1->SetTimeouts(kLimit, kLimit);
        return f;
    }

    TRequestRunner& Requests() { return *form->Requests; }

    // As the login leaves it, without asking the service.
    void EnterSession()
    {
        form->SessionLogin = form->SessionPassword = "demo";
    }

    void AddMatchRow(TDataGrid& grid, const QString& id)
    {
        grid.AddRow();
        grid.SetCells(0, grid.RowCount() - 1, id);
    }
};

// ---- every fault kind, for every request that waits ----

class FaultTest : public WaitingTest, public ::testing::WithParamInterface<std::tuple<TAction, Fault>> {};

TEST_P(FaultTest, EndsWithinOneTimeLimitAndSaysWhatHappened)
{
    const auto& [action, fault] = GetParam();
    const std::map<TAction, std::string> scriptKey{{TAction::Login, "/login/hl.php"},
                                                   {TAction::VersionGate, "/refresh/hoopline4.2.3.txt"},
                                                   {TAction::LiveRefresh, "/login/hl.php?menu=live"},
                                                   {TAction::Statistics, "/basketball/match.php"}};
    if (fault.reply)
        demo.Script(scriptKey.at(action), *fault.reply);
    TForm1& f = OpenWithShortLimits(fault.reply ? std::string() : ClosedPortHost());
    const TOutcome expected = action == TAction::VersionGate ? fault.gate : fault.request;

    QElapsedTimer clock;
    clock.start();
    switch (action) {
    case TAction::Login:
    case TAction::VersionGate:
        LogIn("demo", "demo", false);
        break;
    case TAction::LiveRefresh:
        EnterSession();
        f.LoadLiveMatches();
        break;
    case TAction::Statistics:
        EnterSession();
        AddMatchRow(*f.RX, "M7");
        f.RXCellDblClick(f.RX, 0, 0);
        break;
    }
    EXPECT_LT(clock.elapsed(), std::chrono::milliseconds(kOneLimit).count());
    EXPECT_FALSE(Requests().Busy());

    if (action == TAction::LiveRefresh) {
        EXPECT_TRUE(messages.isEmpty()) << "a failed refresh is no message box: " << messages.join('|').toStdString();
        EXPECT_EQ(f.LG->RowCount(), 0);
        EXPECT_EQ(f.lcount->Caption(), "Count: 0");
        EXPECT_TRUE(f.LiveNotice->Caption().startsWith(NoticeClass(expected))) << f.LiveNotice->Caption().toStdString();
        return;
    }
    if (expected == TOutcome::Current) {
        EXPECT_TRUE(f.LoggedIn());
        EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
        return;
    }
    EXPECT_FALSE(f.LoggedIn());
    ASSERT_EQ(messages.size(), 1);
    const QString& m = messages[0];
    EXPECT_TRUE(m.contains(MessageClass(expected))) << m.toStdString();
    EXPECT_EQ(f.isVisible(), expected != TOutcome::Outdated) << "only an outdated version closes the window";
    if (expected == TOutcome::Outdated)
        return;
    EXPECT_TRUE(m.contains(QString::fromStdString(f.Urls().ServiceHost()))) << "names the host: " << m.toStdString();
    EXPECT_EQ(m.count('\n'), 1) << "the technical reason on a line of its own: " << m.toStdString();
    EXPECT_FALSE(m.contains("demo") || m.contains("pass=")) << "no credentials: " << m.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaultTest,
                         ::testing::Combine(::testing::Values(TAction::Login, TAction::VersionGate,
                                                              TAction::LiveRefresh, TAction::Statistics),
                                            ::testing::ValuesIn(kFaults)),
                         [](const auto& testCase) {
                             return std::string(ActionName(std::get<0>(testCase.param))) + "_"
                                    + std::get<1>(testCase.param).name;
                         });

// ---- the window while it waits ----

TEST_F(WaitingTest, PaintsAndSaysWhatItWaitsForWhileASilentServiceHoldsTheLogin)
{
    demo.Script("/login/hl.php", {.delay = 10s});
    TForm1& f = OpenWithShortLimits();
    QWidget* page = f.Page;

    // Paints asked for while the login waits, and those processed while it still waits.
    struct Paints : QObject {
        TRequestRunner* requests = nullptr;
        bool asked = false;
        int whileWaiting = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            whileWaiting += e->type() == QEvent::Paint && asked && requests->Busy();
            return false;
        }
    } paints;
    paints.requests = &Requests();
    page->installEventFilter(&paints);

    // Sampled once the banner is up: a slow build may take a while to get the request going.
    QString status;
    Qt::CursorShape pointer = Qt::ArrowCursor;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (paints.asked || !Requests().Busy() || Requests().StatusText().isEmpty())
            return;
        status = Requests().StatusText();
        pointer = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        paints.asked = true;
        page->update();  // as when the window is uncovered
    });
    sampler.start(20);
    LogIn("demo", "demo", false);
    sampler.stop();

    EXPECT_GT(paints.whileWaiting, 0) << "the window painted while the login waited";
    EXPECT_EQ(status, "Logging in to " + QString::fromStdString(demo.Host()) + QStringLiteral("\u2026"));
    EXPECT_EQ(pointer, Qt::BusyCursor);
    EXPECT_EQ(Requests().StatusText(), "") << "the status goes with the wait";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    page->removeEventFilter(&paints);
}

TEST_F(WaitingTest, InputToTheControlsIsDroppedWhileARequestWaits)
{
    demo.Script("/login/hl.php?menu=live", {.delay = 400ms});
    TForm1& f = OpenWithShortLimits();
    EnterSession();
    AddMatchRow(*f.RX, "M7");
    f.Page->SetActivePageIndex(TForm1::pgStats);
    f.Page->Pages(TForm1::pgStats)->SetTabVisible(true);
    QCoreApplication::processEvents();

    After(150ms, [&] {
        QTest::mouseDClick(f.RX->viewport(), Qt::LeftButton, {}, f.RX->CellRect(3, 0).center());
        QTest::mouseClick(f.skSkinXFormButton2, Qt::LeftButton);
    });
    f.LoadLiveMatches();
    QTest::qWait(100);

    EXPECT_TRUE(messages.isEmpty()) << "no statistics view tried inside the refresh: "
                                    << messages.join('|').toStdString();
    EXPECT_EQ(f.RX->RowCount(), 1) << "no list load cleared RX inside the refresh";
    EXPECT_EQ(f.LineNotice->Caption(), "");
    for (const std::string& head : demo.Requests())
        EXPECT_EQ(head.find("match.php"), std::string::npos);
}

TEST_F(WaitingTest, ALiveTickDuringAStatisticsViewWaitsUntilTheViewIsDone)
{
    demo.Script("/basketball/match.php", {.delay = 300ms});
    TForm1& f = OpenWithShortLimits();
    EnterSession();
    AddMatchRow(*f.RX, "M7");
    f.LiveCountdown = 1;
    f.Timer1->SetInterval(20);
    f.Timer1->SetEnabled(true);

    f.RXCellDblClick(f.RX, 0, 0);
    const std::vector<std::string> duringView = demo.Requests();
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.LG->RowCount() > 0; }, 2000));
    f.Timer1->SetEnabled(false);

    for (const std::string& head : duringView)
        EXPECT_EQ(head.find("menu=live"), std::string::npos) << "no refresh started inside the view";
    const std::vector<std::string> all = demo.Requests();
    ASSERT_GT(all.size(), duringView.size());
    EXPECT_NE(all[duringView.size()].find("menu=live"), std::string::npos) << "the held tick refreshed afterwards";
    EXPECT_GT(f.LG->RowCount(), 0);
    EXPECT_EQ(f.LiveNotice->Caption(), "");
}

TEST_F(WaitingTest, ClosingTheWindowEndsTheWaitingRequestAtOnce)
{
    WriteFile("log.log", "old\r\nold\r\n");
    demo.Script("/login/hl.php", {.delay = 10s});
    TForm1& f = Open();  // the real time limits: only the close ends this wait
    QElapsedTimer clock;
    After(300ms, [&] {
        clock.start();
        f.close();
    });
    LogIn("demo", "demo", true);

    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.LoggedIn());
    EXPECT_TRUE(messages.isEmpty()) << "a cancelled request is no failure to report: " << messages.join('|').toStdString();
    EXPECT_EQ(ReadFile("log.log"), QByteArray("old\r\nold\r\n"));
    EXPECT_TRUE(f.Requests->Aborted());
}

// ---- the notices beside the lists ----

TEST_F(WaitingTest, AFailedRefreshLeavesANoticeThatTheNextGoodOneClears)
{
    TForm1& f = OpenWithShortLimits();
    EnterSession();
    f.LiveCountdown = 42;
    demo.Script("/login/hl.php?menu=live", {.status = 503});
    demo.Script("/login/hl.php?menu=line", {.status = 503});
    f.LoadLiveMatches();
    f.LoadLineMatches();

    const QString at = QTime::currentTime().toString("HH:mm");
    EXPECT_EQ(f.LiveNotice->Caption(), "Service error 503 at " + at + QStringLiteral(" \u2014 retrying in 42 s"));
    EXPECT_TRUE(f.LiveNotice->toolTip().contains("answered with an error (503 Service Unavailable)"));
    EXPECT_EQ(f.LineNotice->Caption(), "Error 503 at " + at);
    EXPECT_TRUE(f.ReportNotice->Caption().startsWith("Service error 503 at " + at));
    for (TskSkinLabel* count : {f.lcount, f.countsoon, f.countsoon2})
        EXPECT_EQ(count->Caption(), "Count: 0");
    EXPECT_TRUE(messages.isEmpty());

    f.Timer1Timer(f.Timer1);
    EXPECT_TRUE(f.LiveNotice->Caption().endsWith("retrying in 41 s")) << "counts down with the refresh";

    demo.ClearScripts();
    f.LoadLiveMatches();
    f.LoadLineMatches();
    for (TskSkinLabel* notice : {f.LiveNotice, f.LineNotice, f.ReportNotice}) {
        EXPECT_EQ(notice->Caption(), "") << notice->objectName().toStdString();
        EXPECT_EQ(notice->toolTip(), "");
    }
    EXPECT_GT(f.LG->RowCount(), 0);
}
