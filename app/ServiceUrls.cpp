#include "app/ServiceUrls.h"

#include <algorithm>
#include <cctype>
#include <utility>

std::string PercentEncode(std::string_view value)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')
                                || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_'
                                || c == '~';
        if (unreserved) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

namespace {
// Takes an "http://" or "https://" off `host` (any letter case) and returns it, "http://" when none.
std::string TakeScheme(std::string& host)
{
    for (const std::string_view scheme : {"http://", "https://"}) {
        const bool same = host.size() >= scheme.size()
                          && std::equal(scheme.begin(), scheme.end(), host.begin(), [](char a, char b) {
                                 return a == std::tolower(static_cast<unsigned char>(b));
                             });
        if (same) {
            host.erase(0, scheme.size());
            return std::string(scheme);
        }
    }
    return "http://";
}
} // namespace

TServiceUrls::TServiceUrls(std::string serviceHost, std::string siteHost)
    : serviceScheme_(TakeScheme(serviceHost)), serviceHost_(std::move(serviceHost)),
      siteScheme_(TakeScheme(siteHost)), siteHost_(std::move(siteHost))
{
}

std::string TServiceUrls::Service(std::string_view path) const
{
    return serviceScheme_ + serviceHost_ + std::string(path);
}

std::string TServiceUrls::VersionMarker() const
{
    return Service("/refresh/hoopline" HOOPLINE_VERSION ".txt");
}

std::string TServiceUrls::Login(std::string_view login, std::string_view password) const
{
    return Service("/login/hl.php?login=") + PercentEncode(login) + "&pass=" + PercentEncode(password);
}

std::string TServiceUrls::LineMatches(std::string_view login, std::string_view password) const
{
    return Login(login, password) + "&menu=line";
}

std::string TServiceUrls::LiveMatches(std::string_view login, std::string_view password) const
{
    return Login(login, password) + "&menu=live";
}

std::string TServiceUrls::MatchStatistics(std::string_view matchId) const
{
    return Service("/basketball/match.php?id=") + PercentEncode(matchId);
}

std::string TServiceUrls::TeamLogo(std::string_view teamId) const
{
    return Service("/basketball/img/") + PercentEncode(teamId) + ".png";
}

std::string TServiceUrls::FallbackLogo() const
{
    return Service("/basketball/img/hl_logo.png");
}

std::string TServiceUrls::DownloadPage() const
{
    // "Скачать" in Windows-1251.
    return siteScheme_ + siteHost_
           + "/index.php?option=com_content&view=article&id=6&Itemid=9#\xD1\xEA\xE0\xF7\xE0\xF2\xFC";
}

std::string TServiceUrls::SiteHome() const
{
    return siteScheme_ + siteHost_ + "/";
}
