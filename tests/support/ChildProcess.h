#pragma once
// A server a test run starts for itself (an X server, a message bus, the
// program under test). It ends with its owner, and with the test process
// should that crash, so nothing outlives the run.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <cstdio>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

class TChildProcess {
public:
    // Runs `argv` with `env` ("NAME=value") added to this process's environment.
    // An argument holding "{fd}" gets, in its place, a descriptor on which the
    // program announces that it is ready with one line (a display number, a bus
    // address): the constructor waits for that line, at most `timeoutMs`.
    explicit TChildProcess(std::vector<std::string> argv, const std::vector<std::string>& env = {},
                           bool quiet = false, int timeoutMs = 20000)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        bool announces = false;
        for (std::string& arg : argv) {
            if (const auto at = arg.find("{fd}"); at != std::string::npos) {
                arg.replace(at, 4, std::to_string(fds[1]));
                announces = true;
            }
        }
        // Everything the child needs is made before the fork: a forked copy of a
        // threaded program must not allocate.
        std::vector<std::string> environment = WithEnvironment(env);
        const std::vector<char*> args = Pointers(argv);
        const std::vector<char*> envp = Pointers(environment);
        pid_ = fork();
        if (pid_ == 0)
            Exec(args.data(), envp.data(), quiet, fds, announces);
        close(fds[1]);
        if (announces)
            ReadLine(fds[0], timeoutMs);
        close(fds[0]);
    }
    ~TChildProcess() { Stop(); }
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    // The ready line, without its line end; empty when none came.
    const std::string& Line() const { return line_; }
    // False once the program has ended.
    bool Running()
    {
        if (pid_ > 0 && waitpid(pid_, &status_, WNOHANG) == pid_)
            pid_ = -1;
        return pid_ > 0;
    }
    // How an ended program ended, for failure messages.
    std::string Ending() const
    {
        if (WIFSIGNALED(status_))
            return "killed by signal " + std::to_string(WTERMSIG(status_));
        return "exit status " + std::to_string(WEXITSTATUS(status_));
    }
    void Stop()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, &status_, 0);
        pid_ = -1;
    }

private:
    static std::vector<std::string> WithEnvironment(const std::vector<std::string>& added)
    {
        std::vector<std::string> all = added;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            const std::string name = entry.substr(0, entry.find('=') + 1);
            bool replaced = false;
            for (const std::string& a : added)
                replaced = replaced || a.rfind(name, 0) == 0;
            if (!replaced)
                all.push_back(entry);
        }
        return all;
    }

    static std::vector<char*> Pointers(std::vector<std::string>& strings)
    {
        std::vector<char*> pointers;
        for (std::string& s : strings)
            pointers.push_back(s.data());
        pointers.push_back(nullptr);
        return pointers;
    }

    [[noreturn]] static void Exec(char* const* args, char* const* envp, bool quiet, const int fds[2], bool announces)
    {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        if (!announces)
            close(fds[1]);
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDERR_FILENO);
        }
        execvpe(args[0], args, envp);
        _exit(127);
    }

    void ReadLine(int fd, int timeoutMs)
    {
        pollfd p{fd, POLLIN, 0};
        char c;
        while (poll(&p, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
            line_ += c;
    }

    pid_t pid_ = -1;
    int status_ = 0;
    std::string line_;
};

// A private X server on a free display; the ready line is its display number.
inline std::vector<std::string> XvfbCommand()
{
    return {"Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x800x24", "-nolisten", "tcp"};
}


// True when the X server with display number `number` takes a connection on its socket.
inline bool DisplayAnswers(const std::string& number)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "/tmp/.X11-unix/X%s", number.c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers = fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    if (fd >= 0)
        close(fd);
    return answers;
}
