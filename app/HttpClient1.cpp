#include "app/HttpClient1.h"

#include "app/LocalFiles.h"

#include <QHash>
#include "app/RequestLog.h"

#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QUrl>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/string_body.hpp>

#include <algorithm>
#include <optional>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;
using Parser = http::response_parser<http::string_body>;

namespace {

constexpr std::size_t kHeaderLimit = 64 * 1024;
// A server may send a few "100 Continue" before the answer, not an endless stream.
constexpr int kMaxInterimAnswers = 5;
// Browsers' limits: one host cannot fill the jar, nor make every request huge.
constexpr int kMaxCookiesPerHost = 50;
constexpr qsizetype kMaxCookieSize = 4096; // name and value
constexpr std::size_t kMaxCookieHeader = 8192;

// Too many interim answers; reported with its own text.
const beast::error_code kInterimFlood = make_error_code(boost::system::errc::protocol_error);

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

struct TUrlParts {
    std::string host;
    unsigned short port = 80;
    std::string target; // path, document and query as sent
};

// "http://host[:port]/path?query#fragment" -> parts; the fragment is dropped.
TUrlParts SplitUrl(std::string_view url)
{
    constexpr std::string_view scheme = "http://";
    if (Lower(url.substr(0, scheme.size())) == scheme)
        url.remove_prefix(scheme.size());
    else if (url.find("://") != std::string_view::npos)
        throw EHttpError("Unsupported URL scheme"); // the URL itself may carry a password
    url = url.substr(0, url.find('#'));

    const std::size_t authorityEnd = std::min(url.find('/'), url.find('?'));
    std::string_view authority = url.substr(0, authorityEnd);
    TUrlParts parts;
    parts.target = authorityEnd == std::string_view::npos ? "" : std::string(url.substr(authorityEnd));
    if (parts.target.empty() || parts.target.front() != '/')
        parts.target.insert(0, "/");

    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        unsigned value = 0;
        bool valid = !port.empty() && port.size() <= 5;
        for (char c : port) {
            valid = valid && c >= '0' && c <= '9';
            value = value * 10 + unsigned(c - '0');
        }
        if (!valid || value == 0 || value > 65535)
            throw EHttpError("Invalid port in URL: " + std::string(port));
        parts.port = static_cast<unsigned short>(value);
        authority = authority.substr(0, colon);
    }
    if (authority.size() > 1 && authority.front() == '[' && authority.back() == ']')
        authority = authority.substr(1, authority.size() - 2);
    if (authority.empty())
        throw EHttpError("No host in URL");
    parts.host = std::string(authority);
    return parts;
}

std::string StatusLine(const Parser& parser)
{
    const auto& res = parser.get();
    return "HTTP/" + std::to_string(res.version() / 10) + "." + std::to_string(res.version() % 10)
           + " " + std::to_string(res.result_int()) + " " + std::string(res.reason());
}

// One TCP connection driven by asynchronous operations on a private
// io_context: only those honour a time limit, yet the caller still blocks.
class TWire {
public:
    explicit TWire(THttpAbort* abort = nullptr) : abort_(abort) {}

    void SetAbort(THttpAbort* abort) { abort_ = abort; }

    // Every step of a request ends within `span` from now, however the server paces its bytes.
    void StartDeadline(std::chrono::milliseconds span)
    {
        span_ = span;
        deadline_ = Clock::now() + span;
    }
    bool DeadlinePassed() const { return Clock::now() >= deadline_; }
    std::chrono::milliseconds DeadlineSpan() const { return span_; }

    void Connect(const TUrlParts& url, std::chrono::milliseconds limit)
    {
        Close();
        const auto deadline = Limit(limit);
        timer_.expires_at(deadline);
        timer_.async_wait([&](beast::error_code ec) {
            if (!ec)
                resolver_.cancel();
        });
        beast::error_code ec;
        tcp::resolver::results_type endpoints;
        resolver_.async_resolve(url.host, std::to_string(url.port),
                                [&](beast::error_code e, tcp::resolver::results_type r) {
                                    timer_.cancel();
                                    ec = e;
                                    endpoints = std::move(r);
                                });
        Run();
        if (ec == asio::error::operation_aborted)
            Fail("Connection to " + url.host + " timed out");
        if (ec)
            Fail("Cannot resolve " + url.host + ": " + ec.message());

        stream_.emplace(ioc_);
        stream_->expires_at(deadline);
        stream_->async_connect(endpoints, [&](beast::error_code e, const tcp::endpoint&) { ec = e; });
        Run();
        if (ec) {
            stream_.reset();
            Fail(ec == beast::error::timeout ? "Connection to " + url.host + " timed out"
                                             : "Cannot connect to " + url.host + ": " + ec.message());
        }
        // Requests and small answers go out at once instead of waiting for acknowledgements.
        stream_->socket().set_option(tcp::no_delay(true), ec);
        buffer_.clear();
    }

    bool IsOpen() const { return stream_.has_value(); }
    void Close() { stream_.reset(); }

    beast::error_code Write(const std::string& bytes, std::chrono::milliseconds limit)
    {
        beast::error_code ec;
        stream_->expires_at(Limit(limit));
        asio::async_write(*stream_, asio::buffer(bytes),
                          [&](beast::error_code e, std::size_t) { ec = e; });
        Run();
        return ec;
    }

    // Reads until the parser has a header (or is done); each read gets `limit` of silence.
    beast::error_code ReadHeader(Parser& parser, std::chrono::milliseconds limit)
    {
        beast::error_code ec;
        while (!ec && !parser.is_header_done())
            ec = ReadSome(parser, limit);
        return ec;
    }

    beast::error_code ReadBody(Parser& parser, std::chrono::milliseconds limit)
    {
        beast::error_code ec;
        while (!ec && !parser.is_done())
            ec = ReadSome(parser, limit);
        return ec;
    }

    // Bytes received beyond the answer just read: on a kept connection they
    // would pass for the next answer.
    bool HasLeftover() const { return buffer_.size() != 0; }

    [[noreturn]] static void Fail(const std::string& message) { throw EHttpError(message); }

private:
    beast::error_code ReadSome(Parser& parser, std::chrono::milliseconds limit)
    {
        beast::error_code ec;
        stream_->expires_at(Limit(limit));
        http::async_read_some(*stream_, buffer_, parser,
                              [&](beast::error_code e, std::size_t) { ec = e; });
        Run();
        return ec;
    }

    Clock::time_point Limit(std::chrono::milliseconds silence) const { return std::min(Clock::now() + silence, deadline_); }

    void Run()
    {
        if (abort_)
            abort_->Attach([this] { ioc_.stop(); });
        ioc_.restart();
        // Checked after the restart: an abort before it would be undone by it.
        if (!Aborted())
            ioc_.run();
        if (abort_)
            abort_->Detach();
        if (Aborted())
            Abandon();
    }

    bool Aborted() const { return abort_ && abort_->Aborted(); }

    // Lets the cancelled handlers finish while the frames they write into still exist.
    [[noreturn]] void Abandon()
    {
        resolver_.cancel();
        timer_.cancel();
        stream_.reset();
        ioc_.restart();
        ioc_.run();
        Fail("Cancelled");
    }

    asio::io_context ioc_;
    tcp::resolver resolver_{ioc_};
    asio::steady_timer timer_{ioc_};
    std::optional<beast::tcp_stream> stream_;
    beast::flat_buffer buffer_;
    THttpAbort* abort_;
    Clock::time_point deadline_ = Clock::time_point::max();
    std::chrono::milliseconds span_{0};
};

std::string Duration(std::chrono::milliseconds span)
{
    return span.count() % 1000 ? std::to_string(span.count()) + " ms" : std::to_string(span.count() / 1000) + " s";
}

std::string ReadFailure(const TWire& wire, const beast::error_code& ec)
{
    if (ec == beast::error::timeout && wire.DeadlinePassed())
        return "The request took longer than " + Duration(wire.DeadlineSpan());
    if (ec == beast::error::timeout)
        return "Read timed out";
    if (ec == kInterimFlood)
        return "More than " + std::to_string(kMaxInterimAnswers) + " interim answers";
    if (ec == http::error::body_limit)
        return "Response larger than 64 MiB";
    if (ec == http::error::partial_message || ec == http::error::end_of_stream)
        return "Connection closed before the answer was complete";
    return "Read failed: " + ec.message();
}

// Reads an answer's header, skipping a few interim "100 Continue" answers.
std::optional<Parser>& ReadAnswerHeader(TWire& wire, std::optional<Parser>& parser,
                                        std::chrono::milliseconds limit, beast::error_code& ec)
{
    for (int interim = 0;; ++interim) {
        parser.emplace();
        parser->header_limit(kHeaderLimit);
        parser->body_limit(THttpClient::kMaxBody);
        ec = wire.ReadHeader(*parser, limit);
        if (ec || parser->get().result_int() != 100)
            return parser;
        if (interim == kMaxInterimAnswers) {
            ec = kInterimFlood;
            return parser;
        }
    }
}

QUrl CookieUrl(const TUrlParts& url)
{
    const std::string path = url.target.substr(0, url.target.find('?'));
    QUrl out;
    out.setScheme("http");
    out.setHost(QString::fromLatin1(url.host.data(), int(url.host.size())));
    out.setPort(url.port);
    out.setPath(QUrl::fromPercentEncoding(QByteArray::fromStdString(path)));
    return out;
}

// The client's cookies with a cap per host and on each cookie's size.
class TCookieJar : public QNetworkCookieJar {
public:
    void Store(const QList<QNetworkCookie>& received, const QUrl& url)
    {
        QList<QNetworkCookie> sane;
        for (const QNetworkCookie& c : received)
            if (c.name().size() + c.value().size() <= kMaxCookieSize)
                sane.append(c);
        setCookiesFromUrl(sane, url);
        // The jar keeps new and updated cookies at its end: keep each domain's newest.
        const QList<QNetworkCookie> all = allCookies();
        QHash<QString, int> perDomain;
        QList<QNetworkCookie> kept;
        for (auto it = all.rbegin(); it != all.rend(); ++it)
            if (++perDomain[it->domain()] <= kMaxCookiesPerHost)
                kept.prepend(*it);
        if (kept.size() != all.size())
            setAllCookies(kept);
    }
};

} // namespace

struct THttpClient::Impl {
    TWire wire;
    std::string host; // host and port the wire is connected to
    unsigned short port = 0;
    TCookieJar cookies;
    std::chrono::milliseconds connectTimeout = kConnectTimeout;
    std::chrono::milliseconds readTimeout = kReadTimeout;
    THttpAbort* abort = nullptr;
    std::chrono::milliseconds deadline = kRequestDeadline;

    std::string Request(const TUrlParts& url) const
    {
        std::string r = "GET " + url.target + " HTTP/1.1\r\n"
                        "Content-Type: text/html\r\n"
                        "Host: " + url.host;
        if (url.port != 80)
            r += ":" + std::to_string(url.port);
        r += "\r\nAccept: text/html, */*\r\n"
             "User-Agent: Mozilla/3.0 (compatible; Hoopline)\r\n";
        const std::string cookie = CookieHeader(url);
        if (!cookie.empty())
            r += "Cookie: " + cookie + "\r\n";
        return r + "\r\n";
    }

    std::string CookieHeader(const TUrlParts& url) const
    {
        std::string out;
        for (const QNetworkCookie& c : cookies.cookiesForUrl(CookieUrl(url))) {
            const std::string pair = c.toRawForm(QNetworkCookie::NameAndValueOnly).toStdString();
            // Cookies that would make the header too long stay at home.
            if (out.size() + 2 + pair.size() > kMaxCookieHeader)
                continue;
            if (!out.empty())
                out += "; ";
            out += pair;
        }
        return out;
    }

    void StoreCookies(const TUrlParts& url, const Parser& parser)
    {
        for (const auto& field : parser.get()) {
            const auto rawName = field.name_string();
            const std::string name = Lower(std::string_view(rawName.data(), rawName.size()));
            if (name != "set-cookie" && name != "set-cookie2")
                continue;
            const auto value = field.value();
            cookies.Store(QNetworkCookie::parseCookies(QByteArray(value.data(), int(value.size()))), CookieUrl(url));
        }
    }

    // Sends the request, reusing the kept connection when it goes to the same
    // host; a kept connection the server has meanwhile dropped is replaced once.
    // Returns the answer's status.
    int Get(const TUrlParts& url, std::string& buffer)
    {
        wire.StartDeadline(deadline);
        const bool reuse = wire.IsOpen() && host == url.host && port == url.port;
        if (!reuse)
            Open(url);
        std::optional<Parser> parser;
        beast::error_code ec = Exchange(url, parser);
        if (ec && reuse && ec != beast::error::timeout && !parser->got_some()) {
            Open(url);
            ec = Exchange(url, parser);
        }
        if (ec) {
            wire.Close();
            throw EHttpError(ReadFailure(wire, ec), 0, parser->got_some());
        }
        StoreCookies(url, *parser);

        const auto& res = parser->get();
        const int status = res.result_int();
        if (status < 200 || status > 299 || res.find(http::field::location) != res.end()) {
            wire.Close(); // the refused body is never read
            throw EHttpError(StatusLine(*parser), status);
        }
        ec = wire.ReadBody(*parser, readTimeout);
        buffer += parser->get().body();
        if (ec || !parser->keep_alive() || wire.HasLeftover())
            wire.Close();
        if (ec)
            throw EHttpError(ReadFailure(wire, ec), 0, true);
        return status;
    }

    void Open(const TUrlParts& url)
    {
        wire.Connect(url, connectTimeout);
        host = url.host;
        port = url.port;
    }

    beast::error_code Exchange(const TUrlParts& url, std::optional<Parser>& parser)
    {
        parser.emplace();
        beast::error_code ec = wire.Write(Request(url), readTimeout);
        if (ec)
            return ec;
        ReadAnswerHeader(wire, parser, readTimeout, ec);
        return ec;
    }
};

void THttpAbort::Abort()
{
    const std::lock_guard lock(mutex_);
    aborted_ = true;
    if (stop_)
        stop_();
}

bool THttpAbort::Aborted() const
{
    const std::lock_guard lock(mutex_);
    return aborted_;
}

void THttpAbort::Attach(std::function<void()> stop)
{
    const std::lock_guard lock(mutex_);
    stop_ = std::move(stop);
}

void THttpAbort::Detach()
{
    const std::lock_guard lock(mutex_);
    stop_ = nullptr;
}

THttpClient::THttpClient(QObject* parent) : QObject(parent), d_(std::make_unique<Impl>()) {}

THttpClient::~THttpClient() = default;

void THttpClient::GetText(std::string_view url, std::string& text)
{
    std::string buffer;
    try {
        LoggedRequest(url, [&] { return d_->Get(SplitUrl(url), buffer); });
    } catch (const EHttpError&) {
        if (!buffer.empty())
            text = std::move(buffer);
        throw;
    }
    text = std::move(buffer);
}

void THttpClient::GetBuffer(std::string_view url, std::string& buffer)
{
    LoggedRequest(url, [&] { return d_->Get(SplitUrl(url), buffer); });
}

void THttpClient::Disconnect() { d_->wire.Close(); }

std::string THttpClient::CookiesFor(std::string_view url) const
{
    return d_->CookieHeader(SplitUrl(url));
}

void THttpClient::SetTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds read,
                              std::chrono::milliseconds request)
{
    d_->connectTimeout = connect;
    d_->readTimeout = read;
    d_->deadline = request;
}

void THttpClient::SetAbort(THttpAbort* abort)
{
    d_->abort = abort;
    d_->wire.SetAbort(abort);
}

int THttpClient::ProbeStatus(std::string_view url, std::string* reason) const
{
    std::string full(url);
    if (Lower(full).find("http://") == std::string::npos)
        full.insert(0, "http://");
    try {
        const TUrlParts parts = SplitUrl(full);
        TWire wire(d_->abort);
        wire.StartDeadline(d_->deadline);
        wire.Connect(parts, d_->connectTimeout);
        std::string request = "GET " + parts.target + " HTTP/1.1\r\nHost: " + parts.host;
        if (parts.port != 80)
            request += ":" + std::to_string(parts.port);
        request += "\r\nUser-Agent: InetURL:/1.0\r\nCache-Control: no-cache\r\n\r\n";
        beast::error_code ec = wire.Write(request, d_->readTimeout);
        std::optional<Parser> parser;
        if (!ec)
            ReadAnswerHeader(wire, parser, d_->readTimeout, ec);
        // A body too large to read still comes with a status, and the probe reads none.
        if (!ec || ec == http::error::body_limit)
            return parser->get().result_int();
        if (reason)
            *reason = ReadFailure(wire, ec);
    } catch (const EHttpError& e) {
        if (reason)
            *reason = e.what();
    }
    return 0;
}

bool UrlExists(const THttpClient& settings, std::string_view url)
{
    const int status = settings.ProbeStatus(url);
    return status == 200 || status == 302;
}

bool UrlExists(std::string_view url)
{
    return UrlExists(THttpClient(), url);
}

std::optional<std::string> DownloadToFile(THttpClient& client, std::string_view url, const QString& fileName,
                                          std::string_view fallbackUrl)
{
    const std::string_view source = UrlExists(client, url) ? url : fallbackUrl;
    client.Disconnect();
    std::string buffer;
    try {
        client.GetBuffer(source, buffer);
    } catch (const EHttpError&) {
        return std::nullopt;
    }
    ReplaceRegularFile(fileName, buffer, 0644);
    return buffer;
}
