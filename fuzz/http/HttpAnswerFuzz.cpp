// The real client against a loopback server that answers with the input:
// status line, headers, interim answers, chunked and length framing,
// Set-Cookie into the jar and the reuse of a kept connection.
//
// The input holds up to two answers split by "#NEXT#". The client GETs two
// documents; each connection the server accepts gets the next answer and is
// then shut for writing, so an answer cut short ends at once instead of
// waiting for a time limit.
#include "app/HttpClient1.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

class TAnswerServer {
public:
    TAnswerServer()
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), len) != 0
            || ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
            std::abort();
        port_ = ntohs(addr.sin_port);
        std::thread([this] { Serve(); }).detach();
    }

    unsigned short Port() const { return port_; }

    void SetAnswers(std::vector<std::string> answers)
    {
        std::lock_guard lock(mutex_);
        answers_ = std::move(answers);
        next_ = 0;
    }

    // Closes the connections of the last run once the client has let go of them.
    void CloseServed()
    {
        std::lock_guard lock(mutex_);
        for (int fd : served_)
            ::close(fd);
        served_.clear();
    }

private:
    void Serve()
    {
        for (;;) {
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0)
                continue;
            ReadRequestHead(fd);
            std::string answer;
            {
                std::lock_guard lock(mutex_);
                if (next_ < answers_.size())
                    answer = answers_[next_++];
                served_.push_back(fd);
            }
            for (std::size_t sent = 0; sent < answer.size();) {
                const ssize_t n = ::send(fd, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += std::size_t(n);
            }
            ::shutdown(fd, SHUT_WR);
        }
    }

    static void ReadRequestHead(int fd)
    {
        std::string head;
        char chunk[512];
        while (head.find("\r\n\r\n") == std::string::npos) {
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0)
                return;
            head.append(chunk, std::size_t(n));
        }
    }

    int listener_ = -1;
    unsigned short port_ = 0;
    std::mutex mutex_;
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
    std::vector<int> served_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TAnswerServer server;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kSplit = "#NEXT#";
    const std::size_t split = input.find(kSplit);
    std::vector<std::string> answers{std::string(input.substr(0, split))};
    if (split != std::string_view::npos)
        answers.emplace_back(input.substr(split + kSplit.size()));
    server.SetAnswers(std::move(answers));

    const std::string base = "http://127.0.0.1:" + std::to_string(server.Port());
    {
        THttpClient client;
        // Only a fault of the client could wait this long: every answer ends with the connection.
        client.SetTimeouts(std::chrono::seconds(5), std::chrono::seconds(5));
        for (const char* path : {"/login/hl.php?menu=line", "/login/hl.php?menu=live"}) {
            std::string text;
            try {
                client.GetText(base + path, text);
            } catch (const EHttpError&) {
            }
        }
        (void)client.CookiesFor(base + "/login/");
    }
    server.CloseServed();
    return 0;
}
