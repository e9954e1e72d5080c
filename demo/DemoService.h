#pragma once
// The demo forecast service: a real HTTP/1.1 server on a loopback port that
// answers the six operations of the forecast service with generated,
// internally consistent data (login "demo", password "demo").
//
// Tests start it in-process and may script any answer:
//
//   TDemoService demo;                           // 127.0.0.1, free port
//   std::string host = demo.Host();              // "127.0.0.1:41234"
//   TDemoReply r;
//   r.body = "<match><id>1</id></match>";        // a whole scripted document
//   demo.Script("/login/hl.php?menu=line", r);   // the upcoming list only
//   demo.Script("/basketball/match.php", {.status = 404});
//
// A script key is a path, optionally with query pairs; it applies to every
// request with that path whose query holds all those pairs (the key with
// the most pairs wins). Scripts stay until ClearScripts().
//
// With a certificate it serves https instead (TLS on the same kind of port).
#include "demo/DemoCertificate.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TDemoReply {
    enum class TFraming {
        Length,  // Content-Length
        Chunked, // Transfer-Encoding: chunked (the body in chunks of 7 bytes or less)
        Close,   // no length: the body ends when the server closes the connection
    };

    int status = 200;
    std::string reason{}; // empty: the usual text of the status
    // Extra header lines, sent in this order after the server's own
    // (Location, Set-Cookie, Connection: close, ...).
    std::vector<std::pair<std::string, std::string>> headers{};
    // The body; when unset, the generated document of the path is sent
    // (with a scripted status of 4xx/5xx and no body, a short error page).
    std::optional<std::string> body{};
    TFraming framing = TFraming::Length;
    // Waits this long before answering (the server stays silent meanwhile).
    std::chrono::milliseconds delay{0};
    // Closes the connection after this many body bytes (framing headers as if complete).
    std::optional<std::size_t> closeAfterBytes{};
    // Sends the body in pieces of this many bytes with a pause between them (0: at once).
    std::size_t trickleBytes = 0;
    std::chrono::milliseconds tricklePause{0};
    // Sends this many interim "HTTP/1.1 100 Continue" answers first.
    int continues = 0;
    // Bytes sent right after the answer as if they belonged to it (a planted
    // second answer, say); the connection stays open.
    std::string trailing{};
    // Closes the connection without a byte of an answer (after the delay).
    bool dropConnection = false;
};

class TDemoService {
public:
    // Listens on 127.0.0.1:port (0: a free port) and serves on its own threads,
    // over TLS with `certificate` when given. Throws std::runtime_error when
    // the port cannot be bound or the certificate not used.
    explicit TDemoService(unsigned short port = 0, const std::optional<TDemoCertificate>& certificate = std::nullopt);
    ~TDemoService(); // stops listening and closes every connection

    TDemoService(const TDemoService&) = delete;
    TDemoService& operator=(const TDemoService&) = delete;

    unsigned short Port() const;
    std::string Host() const; // "127.0.0.1:" + port
    // The service host to configure: Host(), with "https://" in front when serving TLS.
    std::string ServiceHost() const;

    void Script(const std::string& key, TDemoReply reply);
    void ClearScripts();

    // Every request head received so far, byte for byte (request line to the empty line).
    std::vector<std::string> Requests() const;
    // Connections accepted so far (keep-alive shows as one for many requests).
    int Connections() const;

    // Seconds the live matches have advanced beyond the wall clock; tests move time on.
    void AdvanceClock(std::chrono::seconds by);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};
