#include "app/HttpClient1.h"

#include "app/LocalFiles.h"

#include <QHash>
#include "app/RequestLog.h"

#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QUrl>

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/address.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/asio/ssl/error.hpp>
#include <boost/asio/ssl/stream.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/empty_body.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/string_body.hpp>

#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>

#include <algorithm>
#include <optional>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
namespace ssl = asio::ssl;
using TlsStream = ssl::stream<beast::tcp_stream>;
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
    bool tls = false;
    std::string host;
    unsigned short port = 80;
    std::string target; // path, document and query as sent

    unsigned short DefaultPort() const { return tls ? 443 : 80; }
    // "host[:port]" as the Host header and the absolute form write it.
    std::string Authority() const { return port == DefaultPort() ? HostName() : HostPort(); }
    // "host:port", the port always written (a tunnel's target).
    std::string HostPort() const { return HostName() + ":" + std::to_string(port); }
    std::string HostName() const { return host.find(':') != std::string::npos ? "[" + host + "]" : host; }
    std::string Scheme() const { return tls ? "https://" : "http://"; }
};

// "http[s]://host[:port]/path?query#fragment" -> parts; the fragment is dropped.
TUrlParts SplitUrl(std::string_view url)
{
    TUrlParts parts;
    const std::string scheme = Lower(url.substr(0, std::min(url.find("://"), url.size())));
    if (scheme == "http" || scheme == "https") {
        parts.tls = scheme == "https";
        parts.port = parts.DefaultPort();
        url.remove_prefix(scheme.size() + 3);
    } else if (url.find("://") != std::string_view::npos) {
        throw EHttpError("Unsupported URL scheme"); // the URL itself may carry a password
    }
    url = url.substr(0, url.find('#'));

    const std::size_t authorityEnd = std::min(url.find('/'), url.find('?'));
    std::string_view authority = url.substr(0, authorityEnd);
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

template <class AnyParser>
std::string StatusLine(const AnyParser& parser)
{
    const auto& res = parser.get();
    return "HTTP/" + std::to_string(res.version() / 10) + "." + std::to_string(res.version() % 10)
           + " " + std::to_string(res.result_int()) + " " + std::string(res.reason());
}

// Why the certificate of `host` was refused, in words; empty when it was not.
std::string CertificateFailure(const TlsStream& stream, const std::string& host)
{
    const long result = SSL_get_verify_result(const_cast<TlsStream&>(stream).native_handle());
    switch (result) {
    case X509_V_OK:
        return {};
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
        return "The service's certificate is not valid for " + host + ": it was issued for another host name";
    default:
        return "The service's certificate is not trusted for " + host + " ("
               + X509_verify_cert_error_string(result) + ")";
    }
}

// One TCP connection, plain or inside TLS, driven by asynchronous operations
// on a private io_context: only those honour a time limit, yet the caller
// still blocks.
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

    // Opens a TCP connection to `host`; `peer` names it in messages ("the proxy ...").
    void Connect(const std::string& host, unsigned short port, const std::string& peer,
                 std::chrono::milliseconds limit)
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
        resolver_.async_resolve(host, std::to_string(port),
                                [&](beast::error_code e, tcp::resolver::results_type r) {
                                    timer_.cancel();
                                    ec = e;
                                    endpoints = std::move(r);
                                });
        Run();
        if (ec == asio::error::operation_aborted)
            Fail("Connection to " + peer + " timed out");
        if (ec)
            Fail("Cannot resolve " + peer + ": " + ec.message());

        plain_.emplace(ioc_);
        plain_->expires_at(deadline);
        plain_->async_connect(endpoints, [&](beast::error_code e, const tcp::endpoint&) { ec = e; });
        Run();
        if (ec) {
            plain_.reset();
            Fail(ec == beast::error::timeout ? "Connection to " + peer + " timed out"
                                             : "Cannot connect to " + peer + ": " + ec.message());
        }
        // Requests and small answers go out at once instead of waiting for acknowledgements.
        plain_->socket().set_option(tcp::no_delay(true), ec);
        buffer_.clear();
    }

    // Asks the proxy on the open connection for a tunnel to `authority` ("host:port").
    void Tunnel(const std::string& authority, const std::string& proxy, std::chrono::milliseconds limit)
    {
        const std::string request = "CONNECT " + authority + " HTTP/1.1\r\nHost: " + authority
                                    + "\r\nUser-Agent: Mozilla/3.0 (compatible; Hoopline)\r\n\r\n";
        beast::error_code ec = Write(request, limit);
        http::response_parser<http::empty_body> parser;
        parser.header_limit(kHeaderLimit);
        parser.skip(true); // an answer to CONNECT has no body
        while (!ec && !parser.is_header_done())
            ec = ReadSome(parser, limit);
        if (ec == beast::error::timeout)
            Fail(proxy + " did not answer the tunnel request in time");
        if (ec)
            Fail(proxy + " dropped the tunnel request: " + ec.message());
        const int status = parser.get().result_int();
        if (status == 407)
            Fail(proxy + " asks for a login (" + StatusLine(parser) + "); Hoopline sends no proxy credentials");
        if (status < 200 || status > 299)
            Fail(proxy + " refused the tunnel to " + authority + ": " + StatusLine(parser));
        if (HasLeftover())
            Fail(proxy + " sent data before the tunnel was open");
    }

    // Runs TLS over the open connection, checking that the certificate is trusted and names `host`.
    void StartTls(ssl::context& context, const std::string& host, std::chrono::milliseconds limit)
    {
        tls_.emplace(std::move(*plain_), context);
        plain_.reset();
        SSL* ssl = tls_->native_handle();
        beast::error_code ec;
        asio::ip::make_address(host, ec);
        if (ec) {
            SSL_set_tlsext_host_name(ssl, host.c_str()); // no name indication for an address
            SSL_set1_host(ssl, host.c_str());
        } else {
            X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str());
        }
        tls_->set_verify_mode(ssl::verify_peer);
        beast::get_lowest_layer(*tls_).expires_at(Limit(limit));
        tls_->async_handshake(ssl::stream_base::client, [&](beast::error_code e) { ec = e; });
        Run();
        if (!ec)
            return;
        const std::string refusal = CertificateFailure(*tls_, host);
        tls_.reset();
        if (!refusal.empty())
            throw EHttpError::Untrusted(refusal);
        Fail(ec == beast::error::timeout ? "The secure connection to " + host + " timed out"
                                         : "The secure connection to " + host + " failed: " + ec.message());
    }

    bool IsOpen() const { return plain_ || tls_; }
    void Close()
    {
        tls_.reset();
        plain_.reset();
    }

    beast::error_code Write(const std::string& bytes, std::chrono::milliseconds limit)
    {
        beast::error_code ec;
        WithStream([&](auto& stream) {
            beast::get_lowest_layer(stream).expires_at(Limit(limit));
            asio::async_write(stream, asio::buffer(bytes), [&](beast::error_code e, std::size_t) { ec = e; });
        });
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
    template <class F>
    void WithStream(F&& f)
    {
        if (tls_)
            f(*tls_);
        else
            f(*plain_);
    }

    template <class AnyParser>
    beast::error_code ReadSome(AnyParser& parser, std::chrono::milliseconds limit)
    {
        beast::error_code ec;
        WithStream([&](auto& stream) {
            beast::get_lowest_layer(stream).expires_at(Limit(limit));
            http::async_read_some(stream, buffer_, parser, [&](beast::error_code e, std::size_t) { ec = e; });
        });
        Run();
        // A TLS server that closes without saying so ends a body that runs until the close.
        if (ec == ssl::error::stream_truncated && parser.need_eof())
            parser.put_eof(ec);
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
        if (plain_)
            plain_->cancel();
        if (tls_)
            beast::get_lowest_layer(*tls_).cancel();
        ioc_.restart();
        ioc_.run();
        Close();
        Fail("Cancelled");
    }

    asio::io_context ioc_;
    tcp::resolver resolver_{ioc_};
    asio::steady_timer timer_{ioc_};
    std::optional<beast::tcp_stream> plain_;
    std::optional<TlsStream> tls_;
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
    if (ec == http::error::partial_message || ec == http::error::end_of_stream || ec == ssl::error::stream_truncated)
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
    out.setScheme(url.tls ? "https" : "http");
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

// Trusts the system's authorities and those in `pem`; TLS 1.2 or later.
std::unique_ptr<ssl::context> MakeTlsContext(const std::string& pem)
{
    auto context = std::make_unique<ssl::context>(ssl::context::tls_client);
    SSL_CTX_set_min_proto_version(context->native_handle(), TLS1_2_VERSION);
    beast::error_code ec;
    context->set_default_verify_paths(ec);
    if (!pem.empty()) {
        context->add_certificate_authority(asio::buffer(pem), ec);
        if (ec)
            throw EHttpError("The trusted certificates could not be read: " + ec.message());
    }
    return context;
}

struct THttpClient::Impl {
    TWire wire;
    bool tls = false; // scheme, host and port the wire is connected to
    std::string host;
    unsigned short port = 0;
    bool absoluteForm = false; // the wire goes to a proxy that wants absolute URLs
    TCookieJar cookies;
    std::chrono::milliseconds connectTimeout = kConnectTimeout;
    std::chrono::milliseconds readTimeout = kReadTimeout;
    THttpAbort* abort = nullptr;
    std::chrono::milliseconds deadline = kRequestDeadline;
    TProxyRules proxies;
    std::string trustAnchorsPem;
    // Made at the first https request: reading the system's trust store costs
    // more than a whole plain exchange.
    mutable std::unique_ptr<ssl::context> tlsContext;

    ssl::context& TlsContext() const
    {
        if (!tlsContext)
            tlsContext = MakeTlsContext(trustAnchorsPem);
        return *tlsContext;
    }

    // Opens `w` to `url`'s host, through a proxy when the rules say so, and
    // starts TLS for https. True when requests on it take the absolute form.
    bool Reach(TWire& w, const TUrlParts& url) const
    {
        const TProxyChoice proxy = proxies.For(url.tls, url.host);
        if (!proxy.error.empty())
            throw EHttpError(proxy.error);
        if (proxy.server) {
            const std::string name = "the proxy " + proxy.server->Authority();
            w.Connect(proxy.server->host, proxy.server->port, name, connectTimeout);
            if (url.tls)
                w.Tunnel(url.HostPort(), "The proxy " + proxy.server->Authority(), readTimeout);
        } else {
            w.Connect(url.host, url.port, url.host, connectTimeout);
        }
        if (url.tls)
            w.StartTls(TlsContext(), url.host, connectTimeout);
        return proxy.server && !url.tls;
    }

    // The request line's target: the path, or the whole URL for a proxy.
    static std::string Target(const TUrlParts& url, bool absolute)
    {
        return absolute ? url.Scheme() + url.Authority() + url.target : url.target;
    }

    std::string Request(const TUrlParts& url) const
    {
        std::string r = "GET " + Target(url, absoluteForm) + " HTTP/1.1\r\n"
                        "Content-Type: text/html\r\n"
                        "Host: " + url.Authority();
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
        const bool reuse = wire.IsOpen() && tls == url.tls && host == url.host && port == url.port;
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
        wire.Close();
        absoluteForm = Reach(wire, url);
        tls = url.tls;
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

void CheckTrustAnchors(const std::string& pem)
{
    MakeTlsContext(pem);
}

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

void THttpClient::SetConnection(const THttpConnection& connection)
{
    d_->trustAnchorsPem = connection.trustAnchorsPem;
    d_->tlsContext.reset();
    if (!d_->trustAnchorsPem.empty())
        d_->TlsContext(); // refuses unusable anchors now rather than at the first request
    d_->proxies = connection.proxies;
    Disconnect();
}

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

int THttpClient::ProbeStatus(std::string_view url, std::optional<EHttpError>* failure) const
{
    std::string full(url);
    const std::string lower = Lower(full);
    if (lower.find("http://") == std::string::npos && lower.find("https://") == std::string::npos)
        full.insert(0, "http://");
    try {
        const TUrlParts parts = SplitUrl(full);
        TWire wire(d_->abort);
        wire.StartDeadline(d_->deadline);
        const bool absolute = d_->Reach(wire, parts);
        const std::string request = "GET " + Impl::Target(parts, absolute) + " HTTP/1.1\r\nHost: " + parts.Authority()
                                    + "\r\nUser-Agent: InetURL:/1.0\r\nCache-Control: no-cache\r\n\r\n";
        beast::error_code ec = wire.Write(request, d_->readTimeout);
        std::optional<Parser> parser;
        if (!ec)
            ReadAnswerHeader(wire, parser, d_->readTimeout, ec);
        // A body too large to read still comes with a status, and the probe reads none.
        if (!ec || ec == http::error::body_limit)
            return parser->get().result_int();
        if (failure)
            failure->emplace(ReadFailure(wire, ec));
    } catch (const EHttpError& e) {
        if (failure)
            failure->emplace(e);
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
