// The program started the way a user or a launcher starts it, without a display:
// what it prints first and how it ends.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct ProgramCase {
    const char* name;
    QStringList arguments;
    int exitCode;
    bool onStdout;  // else on stderr
    QString firstLine;
    friend void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramWithoutDisplayTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramWithoutDisplayTest, EndsCleanlyWithOneClearLine)
{
    const ProgramCase& c = GetParam();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(HOOPLINE_PROGRAM), c.arguments);
    ASSERT_TRUE(program.waitForFinished(60000)) << "the program did not end";

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_EQ(program.exitCode(), c.exitCode);
    const QByteArray out = program.readAllStandardOutput();
    const QByteArray err = program.readAllStandardError();
    const QByteArray& shown = c.onStdout ? out : err;
    EXPECT_EQ(QString::fromLocal8Bit(shown).section(QLatin1Char('\n'), 0, 0), c.firstLine) << "stdout: "
        << out.toStdString() << "\nstderr: " << err.toStdString();
    if (c.exitCode == 0) {
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramWithoutDisplayTest,
    ::testing::Values(
        ProgramCase{"Help", {"--help"}, 0, true,
                    QStringLiteral("Usage: %1 [options]").arg(QStringLiteral(HOOPLINE_PROGRAM))},
        ProgramCase{"Version", {"--version"}, 0, true, "Hoopline 4.2.3"},
        ProgramCase{"UnknownOption", {"--colour"}, 2, false, "Unknown option 'colour'."},
        ProgramCase{"BadHost", {"--service-host", "h:0"}, 2, false,
                    "Invalid --service-host, expected [https://]HOST[:PORT]: h:0"},
        ProgramCase{"MissingCaFile", {"--ca-file", "/nonexistent/ca.pem"}, 2, false,
                    "Cannot read --ca-file /nonexistent/ca.pem: No such file or directory"},
        ProgramCase{"NoDisplay", {"--no-notifications"}, 1, false,
                    "Hoopline needs a graphical session, but no display could be opened."}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
