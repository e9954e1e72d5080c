// Main of the X-server tests: a private Xvfb for the whole run (never the
// user's own display, whose pointer the tests would move), Qt on its xcb
// platform against it, then GoogleTest. Listing the tests needs no server.
#include "toolkit/Fonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class TXvfb {
public:
    // Starts the server on a free display number; empty Display() on failure.
    TXvfb()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // a crashed test run leaves no server behind
            close(fds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The server writes its display number once it accepts connections.
        char c;
        while (pid_ > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
            display_ += c;
        close(fds[0]);
        if (!display_.empty())
            display_ = ":" + display_;
    }
    ~TXvfb()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    TXvfb(const TXvfb&) = delete;
    TXvfb& operator=(const TXvfb&) = delete;

    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    TXvfb server;
    if (server.Display().empty()) {
        std::fprintf(stderr, "xserver_tests: Xvfb could not be started\n");
        return 1;
    }
    qputenv("DISPLAY", server.Display().c_str());
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
