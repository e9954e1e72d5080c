#pragma once
// Which HTTP proxy, if any, carries a request: read from the environment the
// way curl and browsers read it (http_proxy, https_proxy, no_proxy, in lower
// or upper case, lower case first) or given on the command line. Loopback
// hosts reach the service directly unless the proxy was given explicitly.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct TProxyServer {
    std::string host;
    unsigned short port = 1080;

    std::string Authority() const; // "host:port", an IPv6 host in brackets
};

// The proxy chosen for one request: none, a server, or a setting that cannot
// be used (then `error` says why and the request must fail, not go direct).
struct TProxyChoice {
    std::optional<TProxyServer> server;
    std::string error;
};

// "http://HOST[:PORT][/]" or "HOST[:PORT]" -> the server; `error` set when
// the value names another scheme, carries credentials or has a bad port.
TProxyChoice ParseProxyUrl(std::string_view url);

// True when `host` is exempt by a no_proxy list: entries separated by commas
// or spaces, each a host name that also covers its subdomains (a leading "."
// or "*." is allowed), an IP address, an IP range ("10.0.0.0/8"), or "*" for
// every host. Ports in entries are ignored; letter case does not matter.
bool NoProxyMatches(std::string_view list, std::string_view host);

// localhost, *.localhost, 127.0.0.0/8 and ::1.
bool IsLoopbackHost(std::string_view host);

class TProxyRules {
public:
    using TLookup = std::function<std::optional<std::string>(const char* name)>;

    // No proxy at all: every request goes direct.
    TProxyRules() = default;
    // From the process environment, or from `lookup` (tests).
    static TProxyRules FromEnvironment(const TLookup& lookup = {});

    // An explicit proxy for http and https alike, replacing the environment's;
    // "" turns proxies off. no_proxy still applies.
    void SetExplicitProxy(std::string_view url);

    TProxyChoice For(bool tls, std::string_view host) const;

private:
    struct TSetting {
        std::string name;  // where it came from, for messages
        TProxyChoice choice;
    };
    static std::optional<TSetting> Read(const TLookup& lookup, const char* lower, const char* upper);

    std::optional<TSetting> http_;
    std::optional<TSetting> https_;
    std::string noProxy_;
    bool explicit_ = false;
};
