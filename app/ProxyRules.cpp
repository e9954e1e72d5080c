#include "app/ProxyRules.h"

#include <QHostAddress>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

// Lower case, without brackets around an IPv6 address and without a trailing dot.
std::string NormalHost(std::string_view host)
{
    if (host.size() > 1 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (!host.empty() && host.back() == '.')
        host.remove_suffix(1);
    return Lower(host);
}

QHostAddress AddressOf(const std::string& host)
{
    return QHostAddress(QString::fromStdString(host));
}

// One no_proxy entry against a normalised host.
bool EntryMatches(std::string_view entry, const std::string& host)
{
    if (entry == "*")
        return true;
    if (entry.find('/') != std::string_view::npos) {
        const QHostAddress address = AddressOf(host);
        const auto subnet = QHostAddress::parseSubnet(QString::fromLatin1(entry.data(), qsizetype(entry.size())));
        return !address.isNull() && subnet.second >= 0 && address.isInSubnet(subnet);
    }
    if (entry.front() != '[' && std::count(entry.begin(), entry.end(), ':') == 1)
        entry = entry.substr(0, entry.find(':'));
    else if (entry.front() == '[' && entry.find("]:") != std::string_view::npos)
        entry = entry.substr(0, entry.find("]:") + 1);
    if (entry.substr(0, 2) == "*.")
        entry.remove_prefix(2);
    else if (entry.front() == '.')
        entry.remove_prefix(1);
    const std::string name = NormalHost(entry);
    if (name.empty())
        return false;
    const QHostAddress a = AddressOf(host), b = AddressOf(name);
    if (!a.isNull() || !b.isNull())
        return !a.isNull() && a.isEqual(b);
    return host == name
           || (host.size() > name.size() && host.compare(host.size() - name.size(), name.size(), name) == 0
               && host[host.size() - name.size() - 1] == '.');
}

} // namespace

std::string TProxyServer::Authority() const
{
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

TProxyChoice ParseProxyUrl(std::string_view url)
{
    TProxyChoice out;
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        if (Lower(url.substr(0, scheme)) != "http") {
            out.error = "only http:// proxies are supported";
            return out;
        }
        url.remove_prefix(scheme + 3);
    }
    if (!url.empty() && url.back() == '/')
        url.remove_suffix(1);
    if (url.find('@') != std::string_view::npos) {
        out.error = "proxy credentials are not supported";
        return out;
    }
    TProxyServer server;
    std::string_view host = url;
    const std::size_t close = url.rfind(']');
    const std::size_t colon = url.rfind(':');
    if (colon != std::string_view::npos && (close == std::string_view::npos || colon > close)
        && (url.front() == '[' || url.find(':') == colon)) {
        const std::string_view port = url.substr(colon + 1);
        unsigned value = 0;
        bool valid = !port.empty() && port.size() <= 5;
        for (const char c : port) {
            valid = valid && c >= '0' && c <= '9';
            value = value * 10 + unsigned(c - '0');
        }
        if (!valid || value == 0 || value > 65535) {
            out.error = "invalid proxy port \"" + std::string(port) + "\"";
            return out;
        }
        server.port = static_cast<unsigned short>(value);
        host = url.substr(0, colon);
    }
    server.host = NormalHost(host);
    if (server.host.empty() || server.host.find_first_of("/?# ") != std::string::npos) {
        out.error = "no proxy host";
        return out;
    }
    out.server = std::move(server);
    return out;
}

bool NoProxyMatches(std::string_view list, std::string_view host)
{
    const std::string normal = NormalHost(host);
    constexpr std::string_view separators = ", \t";
    std::size_t at = 0;
    while ((at = list.find_first_not_of(separators, at)) != std::string_view::npos) {
        const std::size_t end = std::min(list.find_first_of(separators, at), list.size());
        if (EntryMatches(Lower(list.substr(at, end - at)), normal))
            return true;
        at = end;
    }
    return false;
}

bool IsLoopbackHost(std::string_view host)
{
    const std::string normal = NormalHost(host);
    constexpr std::string_view suffix = ".localhost";
    if (normal == "localhost"
        || (normal.size() > suffix.size() && normal.compare(normal.size() - suffix.size(), suffix.size(), suffix) == 0))
        return true;
    return AddressOf(normal).isLoopback();
}

TProxyRules TProxyRules::FromEnvironment(const TLookup& lookup)
{
    const TLookup read = lookup ? lookup : [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    TProxyRules rules;
    rules.http_ = Read(read, "http_proxy", "HTTP_PROXY");
    rules.https_ = Read(read, "https_proxy", "HTTPS_PROXY");
    if (const auto list = read("no_proxy"))
        rules.noProxy_ = *list;
    else if (const auto upper = read("NO_PROXY"))
        rules.noProxy_ = *upper;
    return rules;
}

std::optional<TProxyRules::TSetting> TProxyRules::Read(const TLookup& lookup, const char* lower, const char* upper)
{
    for (const char* name : {lower, upper})
        if (const auto value = lookup(name); value && !value->empty())
            return TSetting{name, ParseProxyUrl(*value)};
    return std::nullopt;
}

void TProxyRules::SetExplicitProxy(std::string_view url)
{
    explicit_ = true;
    http_.reset();
    https_.reset();
    if (url.empty())
        return;
    TSetting setting{"--proxy", ParseProxyUrl(url)};
    http_ = setting;
    https_ = std::move(setting);
}

TProxyChoice TProxyRules::For(bool tls, std::string_view host) const
{
    const std::optional<TSetting>& setting = tls ? https_ : http_;
    if (!setting || NoProxyMatches(noProxy_, host) || (!explicit_ && IsLoopbackHost(host)))
        return {};
    TProxyChoice choice = setting->choice;
    if (!choice.error.empty())
        choice.error = "The proxy setting " + setting->name + " cannot be used: " + choice.error;
    return choice;
}
