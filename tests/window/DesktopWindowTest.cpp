// The window as a desktop program: logging in by keyboard alone, its files in
// the user's folders, and its place remembered from one logged-in run to the next.
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>

namespace {

// The login request itself, not the list requests that follow it.
int LoginRequests(const TDemoService& demo)
{
    int n = 0;
    for (const std::string& head : demo.Requests()) {
        const std::string line = head.substr(0, head.find('\r'));
        n += line.starts_with("GET /login/hl.php?login=") && line.find("menu=") == std::string::npos;
    }
    return n;
}

}  // namespace

class KeyboardLoginTest : public WindowTest {
protected:
    TForm1& OpenActive()
    {
        TForm1& f = Open();
        QApplication::setActiveWindow(&f);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
};

struct EnterCase {
    const char* name;
    bool inPassword;
    Qt::Key key;
    friend void PrintTo(const EnterCase& c, std::ostream* os) { *os << c.name; }
};

class EnterLogsInTest : public KeyboardLoginTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterLogsInTest, OnceAndWithoutTypingIt)
{
    const EnterCase& c = GetParam();
    TForm1& f = OpenActive();
    QTest::keyClicks(f.loginedit, "demo");
    f.passedit->setFocus();
    QTest::keyClicks(f.passedit, "demo");
    QWidget* field = c.inPassword ? static_cast<QWidget*>(f.passedit) : f.loginedit;
    field->setFocus();
    QTest::keyClick(field, c.key);

    EXPECT_TRUE(f.LoggedIn());
    EXPECT_EQ(LoginRequests(demo), 1);
    EXPECT_EQ(f.SessionLogin, "demo") << "no line break typed into the login";
    EXPECT_EQ(f.SessionPassword, "demo") << "no line break typed into the password";
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterLogsInTest,
                         ::testing::Values(EnterCase{"ReturnInLogin", false, Qt::Key_Return},
                                           EnterCase{"ReturnInPassword", true, Qt::Key_Return},
                                           EnterCase{"KeypadEnterInPassword", true, Qt::Key_Enter}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(KeyboardLoginTest, TabWalksTheLoginControlsBothWays)
{
    TForm1& f = OpenActive();
    const QList<QWidget*> order{f.loginedit, f.passedit, f.zap, f.skSkinXFormButton1};
    ASSERT_EQ(QApplication::focusWidget(), f.loginedit);
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Tab " << i;
    }
    for (int i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
    }
}

TEST_F(KeyboardLoginTest, KeyboardAloneLogsInAndRemembers)
{
    TForm1& f = OpenActive();
    QTest::keyClicks(QApplication::focusWidget(), "demo");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "demo");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(f.zap->Checked()) << "Space ticks the remember box";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(f.LoggedIn());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_TRUE(f.LoggedIn());
    EXPECT_EQ(LoginRequests(demo), 1);
    EXPECT_EQ(ReadFile("log.log"), QByteArray("demo\r\ndemo\r\n"));
}

// ---- the user's folders ----

class UserFolderWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(home_.isValid());
        folders = {home_.filePath("data"), home_.filePath("cache"), home_.filePath("config")};
        ASSERT_TRUE(folders.Create());
    }

private:
    QTemporaryDir home_;
};

TEST_F(UserFolderWindowTest, CredentialsAndLogosLandInTheirFolders)
{
    WriteFile(folders.CredentialsFile(), "demo\r\ndemo\r\n");
    TForm1& f = Open();
    EXPECT_EQ(f.loginedit->text(), "demo") << "read from the data folder";
    LogIn("demo", "demo", true);
    ASSERT_TRUE(f.LoggedIn());
    ASSERT_GT(f.RX->RowCount(), 0);
    ASSERT_TRUE(f.ShowMatchDetails(f.RX, 0));

    EXPECT_EQ(ReadFile(folders.CredentialsFile()), QByteArray("demo\r\ndemo\r\n"));
    EXPECT_TRUE(QFile::exists(folders.LogoFile(1)));
    EXPECT_TRUE(QFile::exists(folders.LogoFile(2)));
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList()) << "nothing lands in the current directory";
}

TEST_F(UserFolderWindowTest, LoggedInPlaceAndMaximizedStateComeBack)
{
    Open();
    const QRect designed = form->geometry();
    LogIn("demo", "demo", false);
    ASSERT_TRUE(form->LoggedIn());
    const QRect moved(40, 30, 500, 400);
    form->setGeometry(moved);
    form->close();
    form.reset();

    Open();
    EXPECT_EQ(form->geometry().size(), designed.size()) << "the logged-out window keeps its designed size";
    LogIn("demo", "demo", false);
    EXPECT_EQ(form->geometry(), moved);
    form->showMaximized();
    form->close();
    form.reset();

    Open();
    LogIn("demo", "demo", false);
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->normalGeometry(), moved) << "restoring leads back to the remembered size";
}
