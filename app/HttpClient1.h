#pragma once
// The one HTTP/1.1 client of the program (the form's `HttpClient1`), the
// status probe `UrlExists` and the logo download `DownloadToFile`.
// All calls block their caller; connecting and every read have time limits,
// and each request as a whole a deadline, so neither a silent nor a
// trickling server holds a request longer than that. "https://" URLs run the
// same request inside TLS with the server's certificate checked; a proxy, when
// configured, carries plain requests in absolute form and https in a tunnel.
#include "app/ProxyRules.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A failed GET. The message is the status line for a status failure
// ("HTTP/1.1 404 Not Found"), otherwise a short description of what broke.
class EHttpError : public std::runtime_error {
public:
    explicit EHttpError(const std::string& message, int status = 0, bool answered = false)
        : std::runtime_error(message), status_(status), answered_(answered || status != 0) {}

    // The server's certificate was refused: nothing was sent to it.
    static EHttpError Untrusted(const std::string& message)
    {
        EHttpError error(message);
        error.untrusted_ = true;
        return error;
    }
    // The HTTP status of a refused answer; 0 for connection and body failures.
    int Status() const { return status_; }
    // False when no byte of an answer arrived (refused, silent, reset, cancelled):
    // only then was the server out of reach.
    bool Answered() const { return answered_; }
    bool IsUntrusted() const { return untrusted_; }

private:
    int status_;
    bool answered_;
    bool untrusted_ = false;
};

// Lets another thread end the exchange in progress, and every later one, at
// once: the waiting call fails with "Cancelled". Used when the window closes.
class THttpAbort {
public:
    void Abort();
    bool Aborted() const;

    // The exchange that is running says how to stop it while it runs.
    void Attach(std::function<void()> stop);
    void Detach();

private:
    mutable std::mutex mutex_;
    std::function<void()> stop_;
    bool aborted_ = false;
};

// How the client reaches hosts. The default goes direct and trusts the system's
// certificate authorities only.
struct THttpConnection {
    // Further trusted certificate authorities, PEM text (--ca-file, the demo's own).
    std::string trustAnchorsPem;
    TProxyRules proxies;
};

// Throws EHttpError when `pem` holds no usable certificate.
void CheckTrustAnchors(const std::string& pem);

class THttpClient : public QObject {
public:
    static constexpr std::size_t kMaxBody = 64u << 20;
    static constexpr std::chrono::milliseconds kConnectTimeout{10000};
    static constexpr std::chrono::milliseconds kReadTimeout{30000};
    // The whole of one request, however slowly the server sends its bytes.
    static constexpr std::chrono::milliseconds kRequestDeadline{60000};

    explicit THttpClient(QObject* parent = nullptr);
    ~THttpClient() override;

    // Replaces how hosts are reached and drops the kept connection. Throws
    // EHttpError when `trustAnchorsPem` holds no usable certificate.
    void SetConnection(const THttpConnection& connection);

    // GETs `url` ("http[s]://host[:port]/path?query", a "#..." part is never sent).
    // On success `text` becomes the body. On failure EHttpError is thrown and
    // `text` becomes the part of a body that had arrived, if any byte did.
    void GetText(std::string_view url, std::string& text);
    // Same request; appends the body to `buffer`, also the part of a failed one.
    void GetBuffer(std::string_view url, std::string& buffer);

    // Drops the kept connection; the next GET opens a fresh one.
    void Disconnect();

    // Cookie header value the next request to `url` would carry ("" for none).
    std::string CookiesFor(std::string_view url) const;

    // Time limits; the defaults are kConnectTimeout, kReadTimeout and
    // kRequestDeadline (tests shorten them).
    void SetTimeouts(std::chrono::milliseconds connect, std::chrono::milliseconds read,
                     std::chrono::milliseconds request = kRequestDeadline);
    // While set, `abort` can end this client's exchanges and probes from another thread.
    void SetAbort(THttpAbort* abort);

    // The status of `url`'s answer to a plain GET on a connection of its own,
    // without cookies (the probe behind UrlExists), with this client's limits;
    // 0 when no HTTP answer came, and `failure` then says why.
    int ProbeStatus(std::string_view url, std::optional<EHttpError>* failure = nullptr) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// True when `url` answers with status 200 or 302 (redirects are not followed).
// "http://" is put in front when the URL contains neither it nor "https://" in any letter case.
// Uses its own connection and no cookies; never throws.
bool UrlExists(std::string_view url);
// The same probe with `settings`' time limits and abort switch.
bool UrlExists(const THttpClient& settings, std::string_view url);

// Fetches `url` through `client`, or `fallbackUrl` when `url` does not
// exist, and returns the received bytes (nullopt when the GET failed). The
// bytes are also kept in `fileName` as a cache, written safely (see
// ReplaceRegularFile); a failed write leaves the old file whole and is not
// reported. Never throws.
std::optional<std::string> DownloadToFile(THttpClient& client, std::string_view url, const QString& fileName,
                                          std::string_view fallbackUrl);
