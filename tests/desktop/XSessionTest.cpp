// The program on a real X server (Xvfb), driven the way a user drives it:
// where its window opens, and logging in with the keyboard alone.
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class XSession {
public:
    explicit XSession(const QString& screen)
    {
        server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                               QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                               QStringLiteral("-screen"), QStringLiteral("0"), screen + "x24"});
        if (!server_.waitForStarted(10000))
            return;
        QDeadlineTimer deadline(20000);
        while (!server_.canReadLine() && !deadline.hasExpired())
            server_.waitForReadyRead(100);
        const QString number = QString::fromLatin1(server_.readLine()).trimmed();
        if (!number.isEmpty())
            display_ = QLatin1Char(':') + number;
    }

    ~XSession()
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.terminate();
            if (!program_.waitForFinished(5000))
                program_.kill();
        }
        server_.terminate();
        server_.waitForFinished(5000);
    }

    bool Ready() const { return !display_.isEmpty(); }

    // Starts Hoopline against its demo service and waits for its main window.
    bool StartProgram(const QString& dataDir, const QString& scaleFactor = QStringLiteral("1"))
    {
        QProcessEnvironment env = Environment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
        program_.setProcessEnvironment(env);
        program_.start(QStringLiteral(HOOPLINE_PROGRAM),
                       {QStringLiteral("--demo"), QStringLiteral("--no-notifications"), QStringLiteral("--data-dir"),
                        dataDir});
        if (!program_.waitForStarted(10000))
            return false;
        window_ = Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Hoopline$"}).section('\n', 0, 0);
        return !window_.isEmpty();
    }

    // The main window's place in screen pixels.
    QRect WindowRect()
    {
        const QString out = Xdotool({"getwindowgeometry", window_});
        const QRegularExpressionMatch at = QRegularExpression(R"(Position: (-?\d+),(-?\d+))").match(out);
        const QRegularExpressionMatch size = QRegularExpression(R"(Geometry: (\d+)x(\d+))").match(out);
        if (!at.hasMatch() || !size.hasMatch())
            return {};
        return {at.captured(1).toInt(), at.captured(2).toInt(), size.captured(1).toInt(), size.captured(2).toInt()};
    }

    QString Xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(Environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(20000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

private:
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    QProcess server_;
    QProcess program_;
    QString display_;
    QString window_;
};

struct ScreenCase {
    const char* name;
    QString screen;  // WIDTHxHEIGHT in pixels
    QString scaleFactor;
    QSize expected;  // the window in screen pixels
    friend void PrintTo(const ScreenCase& c, std::ostream* os) { *os << c.name; }
};

class LoggedOutWindowOnXTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(LoggedOutWindowOnXTest, OpensWhollyOnScreen)
{
    const ScreenCase& c = GetParam();
    QTemporaryDir data;
    XSession x(c.screen);
    ASSERT_TRUE(x.Ready()) << "Xvfb is part of the test setup (scripts/setup)";
    ASSERT_TRUE(x.StartProgram(data.path(), c.scaleFactor)) << "xdotool is part of the test setup";
    const QRect screen(QPoint(), QSize(c.screen.section('x', 0, 0).toInt(), c.screen.section('x', 1, 1).toInt()));
    const QRect window = x.WindowRect();
    EXPECT_EQ(window.size(), c.expected);
    EXPECT_TRUE(screen.contains(window)) << window.x() << "," << window.y() << " " << window.width() << "x"
                                         << window.height();
}

INSTANTIATE_TEST_SUITE_P(
    Screens, LoggedOutWindowOnXTest,
    ::testing::Values(ScreenCase{"RoomyScreenDesignedSize", "1280x800", "1", QSize(1034, 718)},
                      ScreenCase{"SmallScreenShrinks", "800x600", "1", QSize(800, 600)},
                      ScreenCase{"ScaleTwoOnSmallScreen", "1600x1200", "2", QSize(1600, 1200)}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(KeyboardLoginOnX, TypingTabSpaceAndEnterLogsInAndRemembers)
{
    QTemporaryDir data;
    XSession x(QStringLiteral("1280x800"));
    ASSERT_TRUE(x.Ready());
    ASSERT_TRUE(x.StartProgram(data.path()));
    x.Xdotool({"type", "--delay", "20", "demo"});
    x.Xdotool({"key", "Tab"});
    x.Xdotool({"type", "--delay", "20", "demo"});
    x.Xdotool({"key", "Tab", "space", "Tab", "Return"});

    // The remembered login is written only after a successful login.
    QFile saved(data.filePath(QStringLiteral("log.log")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return saved.exists(); }, 20000)) << "no login";
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("demo\r\ndemo\r\n"));
}

}  // namespace
