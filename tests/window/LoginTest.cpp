// Start-up state, login outcomes, the remembered credentials and the order of
// the login's steps, driven through the window's controls.
#include "WindowFixture.h"

#include "skin/SkinData.h"

#include <QFileInfo>
#include <filesystem>

namespace {
const QString kUnreachable = QStringLiteral("could not be reached");
const QString kAnsweredError = QStringLiteral("answered with an error");
}  // namespace

// ---- start-up ----

struct StartCase {
    const char* name;
    std::optional<QByteArray> file;  // nullopt: no credentials file
    QString login, password;
    bool ticked;
    friend void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }
};

class StartUpTest : public WindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUpTest, OnlyAboutIsReachableAndRememberedFieldsAreFilled)
{
    const StartCase& c = GetParam();
    if (c.file)
        WriteFile("log.log", *c.file);
    TForm1& f = Open();

    EXPECT_EQ(VisibleTabs(), QStringList{"About"});
    EXPECT_EQ(f.Page->ActivePageIndex(), TForm1::pgAbout);
    EXPECT_EQ(f.loginedit->text(), c.login);
    EXPECT_EQ(f.passedit->Text(), c.password);
    EXPECT_EQ(f.zap->Checked(), c.ticked);
    EXPECT_EQ(f.LiveCountdown, 60);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_EQ(f.Timer1->Interval(), 1000);
    EXPECT_FALSE(f.skSkinForm1->Sizeable());
    EXPECT_EQ(f.skSkinForm1->HitTest({1, 300}), htObject) << "the border does not size the window before login";
    EXPECT_EQ(f.windowTitle(), "Hoopline");
    EXPECT_TRUE(f.SessionLogin.empty());
    EXPECT_EQ(f.Livetime->Caption(), "");
    EXPECT_FALSE(f.skSkinData1->IsEmpty()) << "the stored skin is unpacked with the window";
    EXPECT_EQ(f.skSkinData1->IndexOfControl("tab"), 12);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartUpTest,
    ::testing::Values(StartCase{"NoFile", std::nullopt, "", "", false},
                      StartCase{"CrLf", QByteArray("user\r\npa ss\r\n"), "user", "pa ss", true},
                      StartCase{"LfOnlyNoFinalBreak", QByteArray("user\npass"), "user", "pass", true},
                      StartCase{"CrOnlyExtraLines", QByteArray("user\rpass\rthird\r\n"), "user", "pass", true},
                      StartCase{"OneLine", QByteArray("user"), "user", "", true},
                      StartCase{"Empty", QByteArray(), "", "", true},
                      StartCase{"Cyrillic1251", QByteArray("\xC8\xE2\xE0\xED\r\n\xEF\r\n"), QStringLiteral("Иван"),
                                QStringLiteral("п"), true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// ---- login outcomes ----

struct LoginCase {
    const char* name;
    std::optional<TDemoReply> marker;  // scripted version marker answer
    std::optional<TDemoReply> login;   // scripted login answer
    bool closedPort;
    bool loggedIn;
    QString title;    // when logged in
    QString message;  // part of the one message shown ("" for none)
    bool closes;
    friend void PrintTo(const LoginCase& c, std::ostream* os) { *os << c.name; }
};

class LoginOutcomeTest : public WindowTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginOutcomeTest, LoginAnswerDecidesTheState)
{
    const LoginCase& c = GetParam();
    if (c.marker)
        demo.Script("/refresh/hoopline4.2.3.txt", *c.marker);
    if (c.login)
        demo.Script("/login/hl.php", *c.login);
    TForm1& f = Open(c.closedPort ? ClosedPortHost() : std::string());
    LogIn("demo", "demo", false);

    EXPECT_EQ(f.LoggedIn(), c.loggedIn);
    if (c.message.isEmpty()) {
        EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    } else {
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(c.message)) << messages[0].toStdString();
    }
    EXPECT_EQ(f.isVisible(), !c.closes);
    EXPECT_EQ(!opened.isEmpty(), c.closes) << "only an outdated version opens the download page";
    if (c.loggedIn) {
        EXPECT_EQ(f.windowTitle(), c.title);
        EXPECT_EQ(VisibleTabs(), (QStringList{"Stats", "Live", "Report"}));
        EXPECT_EQ(f.Page->ActivePageIndex(), TForm1::pgStats);
        EXPECT_TRUE(f.Timer1->Enabled());
        EXPECT_TRUE(f.skSkinForm1->Sizeable());
        EXPECT_EQ(f.skSkinForm1->HitTest({1, 300}), htLeft);
        EXPECT_EQ(f.LiveCountdown, 60);
    } else {
        EXPECT_EQ(f.windowTitle(), "Hoopline");
        EXPECT_EQ(VisibleTabs(), QStringList{"About"});
        EXPECT_FALSE(f.Timer1->Enabled());
        EXPECT_FALSE(f.skSkinForm1->Sizeable());
        EXPECT_EQ(f.loginedit->text(), "demo") << "fields keep their text";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, LoginOutcomeTest,
    ::testing::Values(
        LoginCase{"Accepted", {}, {}, false, true, "Hoopline (Demo account, subscription until 31.12.2027)", "", false},
        LoginCase{"Rejected", {}, TDemoReply{.body = "Autorization Fail"}, false, false, "", "Autorization Fail...",
                  false},
        LoginCase{"RejectedDespiteNote", {}, TDemoReply{.body = "<PODPISKA>Gold</PODPISKA> utorization"}, false, false,
                  "", "Autorization Fail...", false},
        LoginCase{"EmptyBody", {}, TDemoReply{.body = ""}, false, true, "Hoopline ()", "", false},
        LoginCase{"NoteOnly", {}, TDemoReply{.body = "<PODPISKA> Gold </PODPISKA>"}, false, true, "Hoopline (Gold)",
                  "", false},
        LoginCase{"ServerError", {}, TDemoReply{.status = 500}, false, false, "", kAnsweredError, false},
        LoginCase{"Redirect", {}, TDemoReply{.status = 302, .headers = {{"Location", "/elsewhere"}}}, false, false, "",
                  kAnsweredError, false},
        LoginCase{"ConnectionRefused", {}, {}, true, false, "", kUnreachable, false},
        LoginCase{"MarkerMissing", TDemoReply{.status = 404}, {}, false, false, "",
                  "Update Programm from www.hoopline.test\rОбновите программу с сайта!", true},
        LoginCase{"MarkerRedirect", TDemoReply{.status = 302, .headers = {{"Location", "/"}}}, {}, false, true,
                  "Hoopline (Demo account, subscription until 31.12.2027)", "", false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(WindowTest, OutdatedVersionOpensTheDownloadPageAndCloses)
{
    demo.Script("/refresh/hoopline4.2.3.txt", {.status = 404});
    TForm1& f = Open();
    LogIn("wrong", "wrong", false);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Update Programm from www.hoopline.test\rОбновите программу с сайта!");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].startsWith("http://www.hoopline.test/index.php?option=com_content&view=article&id=6&Itemid=9#"))
        << opened[0].toStdString();
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("Скачать")));
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(f.SessionLogin.empty()) << "the gate runs before the fields are read";
}

TEST_F(WindowTest, FailedLoginCanBeRetried)
{
    TForm1& f = Open();
    LogIn("demo", "nope", false);
    EXPECT_EQ(messages, QStringList{"Autorization Fail..."});
    EXPECT_EQ(f.SessionPassword, "nope");
    LogIn("demo", "demo", false);
    EXPECT_TRUE(f.LoggedIn());
    EXPECT_EQ(f.SessionPassword, "demo");
}

// ---- remembered credentials ----

TEST_F(WindowTest, TickedBoxWritesExactlyTheTypedLinesOwnerOnly)
{
    WriteFile("log.log", "old\r\nold\r\n");
    Open();
    LogIn("demo", "demo", true);
    ASSERT_TRUE(form->LoggedIn());
    EXPECT_EQ(ReadFile("log.log"), QByteArray("demo\r\ndemo\r\n"));
    namespace fs = std::filesystem;
    EXPECT_EQ(fs::status("log.log").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(QFile::exists("log.log.tmp"));

    // The next start finds them.
    form.reset();
    TForm1& again = Open();
    EXPECT_TRUE(again.zap->Checked());
    EXPECT_EQ(again.loginedit->text(), "demo");
    EXPECT_EQ(again.passedit->Text(), "demo");
}

TEST_F(WindowTest, UntickedBoxDeletesTheFile)
{
    WriteFile("log.log", "demo\r\ndemo\r\n");
    TForm1& f = Open();
    ASSERT_TRUE(f.zap->Checked());
    LogIn("demo", "demo", false);
    ASSERT_TRUE(f.LoggedIn());
    EXPECT_FALSE(QFile::exists("log.log"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WindowTest, FailedLoginWritesAndDeletesNothing)
{
    WriteFile("log.log", "a\r\nb\r\n");
    Open();
    LogIn("demo", "bad", true);
    EXPECT_EQ(ReadFile("log.log"), QByteArray("a\r\nb\r\n"));
    LogIn("demo", "bad", false);
    EXPECT_EQ(ReadFile("log.log"), QByteArray("a\r\nb\r\n"));
}

TEST_F(WindowTest, UnwritableCredentialsFileIsReportedAndLoginGoesOn)
{
    // A folder in the file's place can be neither replaced nor deleted.
    ASSERT_TRUE(QDir().mkpath("log.log/inside"));
    TForm1& f = Open();
    LogIn("demo", "demo", true);
    EXPECT_TRUE(f.LoggedIn());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("could not be remembered")) << messages[0].toStdString();
    EXPECT_TRUE(QFileInfo("log.log").isDir());
    EXPECT_FALSE(QFile::exists("log.log.tmp"));
}

TEST_F(WindowTest, UndeletableCredentialsFileIsReportedAndLoginGoesOn)
{
    ASSERT_TRUE(QDir().mkpath("log.log/inside"));
    TForm1& f = Open();
    LogIn("demo", "demo", false);
    EXPECT_TRUE(f.LoggedIn());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("could not be deleted")) << messages[0].toStdString();
}

// ---- order of the steps ----

TEST_F(WindowTest, SoundThenVersionProbeThenFieldsAreRead)
{
    for (const bool outdated : {false, true}) {
        SCOPED_TRACE(outdated ? "outdated" : "current");
        demo.ClearScripts();
        if (outdated)
            demo.Script("/refresh/hoopline4.2.3.txt", {.status = 404});
        TForm1& f = Open();
        QStringList events;
        f.PlaySound = [&](std::string_view name) { events.append("sound " + QString::fromLatin1(name.data(), name.size())); };
        const auto probe = f.ProbeVersion;
        f.ProbeVersion = [&](const std::string& url, std::optional<EHttpError>* failure) {
            events.append("probe");
            // Typed while the probe runs: a login that read the fields earlier would miss it.
            f.loginedit->setText("late");
            return probe(url, failure);
        };
        LogIn("demo", "demo", false);
        EXPECT_EQ(events, (QStringList{"sound zvuk2", "probe"}));
        EXPECT_EQ(f.SessionLogin, outdated ? "" : "late");
    }
}
