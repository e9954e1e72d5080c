#pragma once
// Every URL the program builds: "http://" (or "https://" for a host given
// with that scheme) + host + a fixed path, with the
// values percent-encoded so that "#", "&", "+" or a space in a password
// cannot cut or corrupt the query. Plain letters and digits go out as typed.
#include <string>
#include <string_view>

// Each byte outside letters, digits and "-._~" becomes "%XX" (upper-case hex).
std::string PercentEncode(std::string_view value);

class TServiceUrls {
public:
    // serviceHost may carry a port ("127.0.0.1:8642"); siteHost is the web site's.
    // Either may start with "https://" (or "http://", the default).
    TServiceUrls(std::string serviceHost, std::string siteHost);

    // The hosts without their scheme.
    const std::string& ServiceHost() const { return serviceHost_; }
    const std::string& SiteHost() const { return siteHost_; }

    std::string VersionMarker() const;
    std::string Login(std::string_view login, std::string_view password) const;
    std::string LineMatches(std::string_view login, std::string_view password) const;
    std::string LiveMatches(std::string_view login, std::string_view password) const;
    std::string MatchStatistics(std::string_view matchId) const;
    std::string TeamLogo(std::string_view teamId) const;
    std::string FallbackLogo() const;
    // The web site's download page (Windows-1251 bytes), handed to the shell only.
    std::string DownloadPage() const;
    // The web site's home address, ending in "/".
    std::string SiteHome() const;

private:
    std::string Service(std::string_view path) const;

    std::string serviceScheme_;
    std::string serviceHost_;
    std::string siteScheme_;
    std::string siteHost_;
};
