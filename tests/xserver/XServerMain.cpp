// Main of the X-server tests: a private Xvfb for the whole run (never the
// user's own display, whose pointer the tests would move), Qt on its xcb
// platform against it, then GoogleTest. Listing the tests needs no server.
#include "toolkit/Fonts.h"

#include "tests/support/ChildProcess.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    TChildProcess server(XvfbCommand(), {}, true);
    const std::string display = server.Line().empty() ? std::string() : ":" + server.Line();
    if (display.empty()) {
        std::fprintf(stderr, "xserver_tests: Xvfb could not be started\n");
        return 1;
    }
    qputenv("DISPLAY", display.c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    int result = 0;
    {
        QApplication app(argc, argv);
        InstallDefaultApplicationFont();
        result = RUN_ALL_TESTS();
    }
    return result;
}
