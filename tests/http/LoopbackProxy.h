#pragma once
// A small HTTP proxy on a loopback port for tests: records every request
// line, relays absolute-form requests (rewritten to the origin form) and
// CONNECT tunnels to their hosts, asks every request for a proxy login, or
// stays silent after accepting.
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <list>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

class TLoopbackProxy {
public:
    enum class TMode { Relay, LoginRequired, Silent };

    explicit TLoopbackProxy(TMode mode = TMode::Relay) : mode_(mode)
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(listener_, 16) != 0
            || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("the test proxy cannot listen");
        port_ = ntohs(address.sin_port);
        acceptor_ = std::thread([this] { AcceptLoop(); });
    }

    ~TLoopbackProxy()
    {
        ::shutdown(listener_, SHUT_RDWR);
        acceptor_.join();
        ::close(listener_);
        {
            const std::lock_guard lock(mutex_);
            for (const int fd : sockets_)
                ::shutdown(fd, SHUT_RDWR);
        }
        for (std::thread& t : threads_)
            t.join();
        for (const int fd : sockets_)
            ::close(fd);
    }

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_); }

    std::vector<std::string> RequestLines() const
    {
        const std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    void AcceptLoop()
    {
        for (;;) {
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                return;
            const std::lock_guard lock(mutex_);
            sockets_.push_back(client);
            if (mode_ != TMode::Silent)
                threads_.emplace_back([this, client] { Serve(client); });
        }
    }

    // Reads one request head byte by byte, so nothing after it is swallowed.
    static bool ReadHead(int fd, std::string& head)
    {
        head.clear();
        char c;
        while (head.size() < 65536 && ::recv(fd, &c, 1, 0) == 1) {
            head += c;
            if (head.size() >= 4 && head.compare(head.size() - 4, 4, "\r\n\r\n") == 0)
                return true;
        }
        return false;
    }

    static void SendAll(int fd, const std::string& bytes)
    {
        std::size_t at = 0;
        while (at < bytes.size()) {
            const ssize_t n = ::send(fd, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            at += std::size_t(n);
        }
    }

    static void Pump(int from, int to)
    {
        char buffer[16384];
        ssize_t n;
        while ((n = ::recv(from, buffer, sizeof buffer, 0)) > 0)
            SendAll(to, std::string(buffer, std::size_t(n)));
        ::shutdown(to, SHUT_WR);
    }

    int Connect(const std::string& authority)
    {
        const std::size_t colon = authority.rfind(':');
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (::getaddrinfo(authority.substr(0, colon).c_str(), authority.substr(colon + 1).c_str(), &hints, &found) != 0)
            return -1;
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const bool ok = ::connect(fd, found->ai_addr, found->ai_addrlen) == 0;
        ::freeaddrinfo(found);
        if (!ok) {
            ::close(fd);
            return -1;
        }
        const std::lock_guard lock(mutex_);
        sockets_.push_back(fd);
        return fd;
    }

    void Serve(int client)
    {
        std::string head;
        if (!ReadHead(client, head))
            return;
        const std::string line = head.substr(0, head.find("\r\n"));
        Record(line);
        const std::size_t s1 = line.find(' '), s2 = line.rfind(' ');
        const std::string method = line.substr(0, s1), target = line.substr(s1 + 1, s2 - s1 - 1);
        if (mode_ == TMode::LoginRequired) {
            SendAll(client, "HTTP/1.1 407 Proxy Authentication Required\r\nContent-Length: 0\r\n\r\n");
            return;
        }
        if (method == "CONNECT") {
            const int upstream = Connect(target);
            if (upstream < 0) {
                SendAll(client, "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n");
                return;
            }
            SendAll(client, "HTTP/1.1 200 Connection established\r\n\r\n");
            std::thread back([&] { Pump(upstream, client); });
            Pump(client, upstream);
            back.join();
            return;
        }
        // "http://host:port/path": every request on this connection goes to that host.
        const std::size_t hostStart = target.find("://") + 3;
        const std::size_t pathStart = target.find('/', hostStart);
        const int upstream = Connect(target.substr(hostStart, pathStart - hostStart));
        if (upstream < 0)
            return;
        std::thread back([&] { Pump(upstream, client); });
        for (;;) {
            SendAll(upstream, OriginForm(head));
            if (!ReadHead(client, head))
                break;
            Record(head.substr(0, head.find("\r\n")));
        }
        ::shutdown(upstream, SHUT_WR);
        back.join();
    }

    // "GET http://host:port/path HTTP/1.1..." -> "GET /path HTTP/1.1...".
    static std::string OriginForm(const std::string& head)
    {
        const std::size_t start = head.find(' ') + 1;
        const std::size_t path = head.find('/', head.find("://", start) + 3);
        return head.substr(0, start) + head.substr(path);
    }

    void Record(const std::string& line)
    {
        const std::lock_guard lock(mutex_);
        lines_.push_back(line);
    }

    TMode mode_;
    int listener_ = -1;
    unsigned short port_ = 0;
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::vector<int> sockets_;
    std::list<std::thread> threads_;
};
