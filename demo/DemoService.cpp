#include "demo/DemoService.h"

#include "demo/DemoData.h"
#include "demo/DemoLogos.h"

#include <boost/asio/buffer.hpp>
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read_until.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/asio/ssl/stream.hpp>
#include <boost/asio/write.hpp>

#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <list>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

constexpr std::size_t kMaxHead = 64 * 1024;

std::string PercentDecode(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto hex = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        };
        if (s[i] == '%' && i + 2 < s.size() && hex(s[i + 1]) >= 0 && hex(s[i + 2]) >= 0) {
            out += char(hex(s[i + 1]) * 16 + hex(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

struct TTarget {
    std::string path;
    std::multimap<std::string, std::string> query; // decoded
};

TTarget SplitTarget(std::string_view target)
{
    TTarget t;
    const std::size_t q = target.find('?');
    t.path = PercentDecode(target.substr(0, q));
    if (q == std::string_view::npos)
        return t;
    std::string_view rest = target.substr(q + 1);
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        const std::size_t eq = pair.find('=');
        t.query.emplace(PercentDecode(pair.substr(0, eq)),
                        eq == std::string_view::npos ? "" : PercentDecode(pair.substr(eq + 1)));
        rest = amp == std::string_view::npos ? std::string_view{} : rest.substr(amp + 1);
    }
    return t;
}

std::string Query(const TTarget& t, const std::string& key)
{
    const auto it = t.query.find(key);
    return it == t.query.end() ? std::string() : it->second;
}

std::string ReasonOf(int status)
{
    switch (status) {
    case 100: return "Continue";
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 407: return "Proxy Authentication Required";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

bool HasHeader(std::string_view head, std::string_view nameColonValue)
{
    std::string lower(head);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find(nameColonValue) != std::string::npos;
}

struct TAnswer {
    TDemoReply reply;
    std::string contentType = "text/html; charset=windows-1251";
};

} // namespace

struct TDemoService::Impl {
    asio::io_context ioc;
    tcp::acceptor acceptor{ioc};
    unsigned short port = 0;
    std::thread acceptThread;
    std::atomic<bool> stopping{false};
    std::atomic<long long> advance{0};
    std::atomic<int> connections{0};
    std::unique_ptr<asio::ssl::context> tls; // set when serving https

    mutable std::mutex mutex; // guards everything below
    std::condition_variable wake;
    std::map<std::string, TDemoReply> scripts;
    std::vector<std::string> requests;
    struct TConnection {
        tcp::socket socket;
        std::thread thread;
        std::atomic<bool> done{false};
        explicit TConnection(asio::io_context& io) : socket(io) {}
    };
    std::list<TConnection> live;
    std::map<std::string, std::string> logoCache;
    TDemoData data{TDemoData::TClock::now()};
    unsigned sessionCounter = 0;

    TDemoData::TClock::time_point Now() const
    {
        return TDemoData::TClock::now() + std::chrono::seconds(advance.load());
    }

    void AcceptLoop()
    {
        for (;;) {
            auto& conn = [&]() -> TConnection& {
                std::lock_guard lock(mutex);
                ReapFinished();
                return live.emplace_back(ioc);
            }();
            boost::system::error_code ec;
            acceptor.accept(conn.socket, ec);
            if (stopping || ec) {
                std::lock_guard lock(mutex);
                live.pop_back(); // never started
                if (stopping)
                    return;
                continue;
            }
            ++connections;
            conn.socket.set_option(tcp::no_delay(true), ec);
            conn.thread = std::thread([this, &conn] {
                ServeConnection(conn.socket);
                // The peer sees the end now; the socket itself goes when reaped.
                boost::system::error_code ignored;
                conn.socket.shutdown(tcp::socket::shutdown_both, ignored);
                conn.done = true;
            });
        }
    }

    void ReapFinished()
    {
        for (auto it = live.begin(); it != live.end();) {
            if (it->done) {
                it->thread.join();
                it = live.erase(it);
            } else {
                ++it;
            }
        }
    }

    void ServeConnection(tcp::socket& socket)
    {
        if (!tls) {
            Serve(socket);
            return;
        }
        asio::ssl::stream<tcp::socket&> stream(socket, *tls);
        boost::system::error_code ec;
        stream.handshake(asio::ssl::stream_base::server, ec);
        if (ec)
            return;
        Serve(stream);
        stream.shutdown(ec);
    }

    template <class Stream>
    void Serve(Stream& socket)
    {
        std::string buffer;
        boost::system::error_code ec;
        while (!stopping) {
            const std::size_t n = asio::read_until(socket, asio::dynamic_buffer(buffer, kMaxHead), "\r\n\r\n", ec);
            if (ec)
                return;
            const std::string head = buffer.substr(0, n);
            buffer.erase(0, n);
            {
                std::lock_guard lock(mutex);
                requests.push_back(head);
            }
            if (!Answer(socket, head))
                return;
        }
    }

    // Sends the answer to one request head; false when the connection is to end.
    template <class Stream>
    bool Answer(Stream& socket, const std::string& head)
    {
        const std::size_t lineEnd = head.find("\r\n");
        const std::string line = head.substr(0, lineEnd);
        const std::size_t s1 = line.find(' '), s2 = line.rfind(' ');
        TAnswer answer;
        bool closeAfter = HasHeader(head, "connection: close");
        if (s1 == std::string::npos || s2 <= s1) {
            answer.reply.status = 400;
            answer.reply.body = "Bad request";
            closeAfter = true;
        } else {
            closeAfter = closeAfter || line.compare(s2 + 1, std::string::npos, "HTTP/1.0") == 0;
            answer = Route(line.substr(0, s1), line.substr(s1 + 1, s2 - s1 - 1));
        }
        const TDemoReply& r = answer.reply;
        if (Pause(r.delay) || r.dropConnection)
            return false;
        for (const auto& [name, value] : r.headers)
            if (HasHeader(name + ": " + value, "connection: close"))
                closeAfter = true;

        const std::string& body = *r.body;
        std::string out;
        for (int i = 0; i < r.continues; ++i)
            out += "HTTP/1.1 100 Continue\r\n\r\n";
        out += "HTTP/1.1 " + std::to_string(r.status) + " "
                          + (r.reason.empty() ? ReasonOf(r.status) : r.reason) + "\r\n"
                          + "Server: hoopline-demo\r\nContent-Type: " + answer.contentType + "\r\n";
        std::string payload = body;
        switch (r.framing) {
        case TDemoReply::TFraming::Length:
            out += "Content-Length: " + std::to_string(body.size()) + "\r\n";
            break;
        case TDemoReply::TFraming::Chunked: {
            out += "Transfer-Encoding: chunked\r\n";
            payload.clear();
            for (std::size_t i = 0; i < body.size(); i += 7) {
                const std::string chunk = body.substr(i, 7);
                char size[16];
                std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
                payload += size + chunk + "\r\n";
            }
            payload += "0\r\n\r\n";
            break;
        }
        case TDemoReply::TFraming::Close:
            closeAfter = true;
            break;
        }
        for (const auto& [name, value] : r.headers)
            out += name + ": " + value + "\r\n";
        out += "\r\n";
        const bool cut = r.closeAfterBytes && *r.closeAfterBytes < payload.size();
        if (cut)
            payload.resize(*r.closeAfterBytes);
        else
            payload += r.trailing;
        boost::system::error_code ec;
        if (r.trickleBytes == 0) {
            // Head and body in one write: two small writes would wait on each other's acknowledgement.
            const std::array<asio::const_buffer, 2> whole{asio::buffer(out), asio::buffer(payload)};
            asio::write(socket, whole, ec);
            return !ec && !cut && !closeAfter;
        }
        asio::write(socket, asio::buffer(out), ec);
        for (std::size_t at = 0; !ec && at < payload.size(); at += r.trickleBytes) {
            if (at > 0 && Pause(r.tricklePause))
                return false;
            asio::write(socket, asio::buffer(payload.data() + at, std::min(r.trickleBytes, payload.size() - at)), ec);
        }
        return !ec && !cut && !closeAfter;
    }

    // Waits unless the service stops meanwhile; true when it does.
    bool Pause(std::chrono::milliseconds span)
    {
        std::unique_lock lock(mutex);
        return span.count() > 0 && wake.wait_for(lock, span, [&] { return stopping.load(); });
    }

    TAnswer Route(const std::string& method, const std::string& rawTarget)
    {
        const TTarget target = SplitTarget(rawTarget);
        TAnswer answer;
        if (method != "GET") {
            answer.reply.status = 405;
            answer.reply.body = "Only GET is served";
            return answer;
        }
        std::optional<TDemoReply> scripted = FindScript(target);
        answer = Generate(target);
        if (!scripted)
            return answer;
        TDemoReply& r = *scripted;
        if (!r.body)
            r.body = r.status >= 400 ? "<html><body>" + std::to_string(r.status) + " " + ReasonOf(r.status) + "</body></html>"
                                     : *answer.reply.body;
        answer.reply = std::move(r);
        return answer;
    }

    std::optional<TDemoReply> FindScript(const TTarget& target)
    {
        std::lock_guard lock(mutex);
        std::optional<TDemoReply> best;
        std::size_t bestPairs = 0;
        for (const auto& [key, reply] : scripts) {
            const TTarget k = SplitTarget(key);
            if (k.path != target.path)
                continue;
            const bool all = std::all_of(k.query.begin(), k.query.end(), [&](const auto& kv) {
                const auto range = target.query.equal_range(kv.first);
                return std::any_of(range.first, range.second, [&](const auto& e) { return e.second == kv.second; });
            });
            if (all && (!best || k.query.size() > bestPairs)) {
                best = reply;
                bestPairs = k.query.size();
            }
        }
        return best;
    }

    TAnswer Generate(const TTarget& target)
    {
        TAnswer a;
        TDemoReply& r = a.reply;
        const std::string& path = target.path;
        if (path == "/refresh/hoopline4.2.3.txt") {
            r.body = "4.2.3";
            a.contentType = "text/plain";
        } else if (path == "/login/hl.php") {
            if (Query(target, "login") != "demo" || Query(target, "pass") != "demo") {
                r.body = TDemoData::LoginRejected();
            } else if (const std::string menu = Query(target, "menu"); menu == "line") {
                r.body = data.LineDocument();
            } else if (menu == "live") {
                r.body = data.LiveDocument(Now());
            } else if (menu.empty()) {
                r.body = TDemoData::LoginAccepted();
                std::lock_guard lock(mutex);
                r.headers.emplace_back("Set-Cookie", "HLSESSION=demo" + std::to_string(1000 + ++sessionCounter)
                                                         + "; Path=/; HttpOnly");
            } else {
                r.body = "";
            }
        } else if (path == "/basketball/match.php") {
            if (auto doc = data.StatsDocument(Query(target, "id"), Now()))
                r.body = std::move(*doc);
        } else if (path.rfind("/basketball/img/", 0) == 0 && path.size() > 20
                   && path.compare(path.size() - 4, 4, ".png") == 0) {
            const std::string id = path.substr(16, path.size() - 20);
            if (id == "hl_logo" || data.IsTeam(id)) {
                a.contentType = "image/png";
                r.body = Logo(id);
            }
        }
        if (!r.body) {
            r.status = 404;
            r.body = "<html><body>404 Not Found</body></html>";
        }
        return a;
    }

    std::string Logo(const std::string& id)
    {
        std::lock_guard lock(mutex);
        auto it = logoCache.find(id);
        if (it == logoCache.end())
            it = logoCache.emplace(id, id == "hl_logo" ? DemoFallbackLogoPng() : DemoTeamLogoPng(id)).first;
        return it->second;
    }

    void Stop()
    {
        stopping = true;
        wake.notify_all();
        {
            // Wake the blocking accept with a connection of our own.
            boost::system::error_code ec;
            tcp::socket poke(ioc);
            poke.connect(tcp::endpoint(asio::ip::address_v4::loopback(), port), ec);
        }
        if (acceptThread.joinable())
            acceptThread.join();
        // Only this thread touches the list now; the connections may still need the mutex.
        for (TConnection& c : live)
            ::shutdown(c.socket.native_handle(), SHUT_RDWR); // wakes a blocked read
        for (TConnection& c : live)
            if (c.thread.joinable())
                c.thread.join();
        live.clear();
    }
};

TDemoService::TDemoService(unsigned short port, const std::optional<TDemoCertificate>& certificate)
    : d_(std::make_unique<Impl>())
{
    if (certificate) {
        d_->tls = std::make_unique<asio::ssl::context>(asio::ssl::context::tls_server);
        boost::system::error_code ec;
        d_->tls->use_certificate_chain(asio::buffer(certificate->certificatePem), ec);
        if (!ec)
            d_->tls->use_private_key(asio::buffer(certificate->privateKeyPem), asio::ssl::context::pem, ec);
        if (ec)
            throw std::runtime_error("Cannot use the demo certificate: " + ec.message());
    }
    const tcp::endpoint endpoint(asio::ip::address_v4::loopback(), port);
    boost::system::error_code ec;
    d_->acceptor.open(endpoint.protocol(), ec);
    if (!ec)
        d_->acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
    if (!ec)
        d_->acceptor.bind(endpoint, ec);
    if (!ec)
        d_->acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec)
        throw std::runtime_error("Cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + ec.message());
    d_->port = d_->acceptor.local_endpoint().port();
    d_->acceptThread = std::thread([this] { d_->AcceptLoop(); });
}

TDemoService::~TDemoService() { d_->Stop(); }

unsigned short TDemoService::Port() const { return d_->port; }

std::string TDemoService::Host() const { return "127.0.0.1:" + std::to_string(d_->port); }

std::string TDemoService::ServiceHost() const { return (d_->tls ? "https://" : "") + Host(); }

void TDemoService::Script(const std::string& key, TDemoReply reply)
{
    std::lock_guard lock(d_->mutex);
    d_->scripts[key] = std::move(reply);
}

void TDemoService::ClearScripts()
{
    std::lock_guard lock(d_->mutex);
    d_->scripts.clear();
}

std::vector<std::string> TDemoService::Requests() const
{
    std::lock_guard lock(d_->mutex);
    return d_->requests;
}

int TDemoService::Connections() const { return d_->connections; }

void TDemoService::AdvanceClock(std::chrono::seconds by) { d_->advance += by.count(); }
