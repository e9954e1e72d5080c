#include "app/CommandLine.h"
#include "app/ServiceUrls.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(ServiceUrls, EveryRowOfTheTable)
{
    const TServiceUrls urls("svc.example:8642", "www.example");
    const struct {
        std::string built, expected;
    } rows[] = {
        {urls.VersionMarker(), "http://svc.example:8642/refresh/hoopline4.2.3.txt"},
        {urls.Login("demo", "demo"), "http://svc.example:8642/login/hl.php?login=demo&pass=demo"},
        {urls.LineMatches("demo", "demo"), "http://svc.example:8642/login/hl.php?login=demo&pass=demo&menu=line"},
        {urls.LiveMatches("demo", "demo"), "http://svc.example:8642/login/hl.php?login=demo&pass=demo&menu=live"},
        {urls.MatchStatistics("310002"), "http://svc.example:8642/basketball/match.php?id=310002"},
        {urls.TeamLogo("1706"), "http://svc.example:8642/basketball/img/1706.png"},
        {urls.FallbackLogo(), "http://svc.example:8642/basketball/img/hl_logo.png"},
        {urls.DownloadPage(),
         "http://www.example/index.php?option=com_content&view=article&id=6&Itemid=9#\xD1\xEA\xE0\xF7\xE0\xF2\xFC"},
        {urls.SiteHome(), "http://www.example/"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.built, row.expected);
}

// A host given with https:// makes every URL of that host https; the host itself loses the scheme.
TEST(ServiceUrls, SchemeOfTheHosts)
{
    const TServiceUrls secure("HTTPS://svc.example:8443", "https://www.example");
    EXPECT_EQ(secure.ServiceHost(), "svc.example:8443");
    EXPECT_EQ(secure.Login("a", "b"), "https://svc.example:8443/login/hl.php?login=a&pass=b");
    EXPECT_EQ(secure.TeamLogo("7"), "https://svc.example:8443/basketball/img/7.png");
    EXPECT_EQ(secure.SiteHome(), "https://www.example/");
    const TServiceUrls plain("http://svc.example", "www.example");
    EXPECT_EQ(plain.VersionMarker(), "http://svc.example/refresh/hoopline4.2.3.txt");
    EXPECT_EQ(plain.SiteHome(), "http://www.example/");
}

// Values that would cut or corrupt the query go out percent-encoded.
TEST(ServiceUrls, ValuesArePercentEncoded)
{
    const struct {
        const char* value;
        const char* encoded;
    } cases[] = {
        {"demo42", "demo42"},
        {"-._~", "-._~"},
        {"a b", "a%20b"},
        {"p#&+=?", "p%23%26%2B%3D%3F"},
        {"%", "%25"},
        {"\xC0\xFF", "%C0%FF"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PercentEncode(c.value), c.encoded) << c.value;

    const TServiceUrls urls("h", "s");
    EXPECT_EQ(urls.Login("ann&menu=x", "se cret#1"),
              "http://h/login/hl.php?login=ann%26menu%3Dx&pass=se%20cret%231");
    EXPECT_EQ(urls.TeamLogo("../x"), "http://h/basketball/img/..%2Fx.png");
}

struct OptionCase {
    const char* label;
    QStringList args;
    TCommandLine::TAction action;
    std::string serviceHost;
    std::string siteHost;
    bool demo;
    bool tls = false;
    std::optional<std::string> proxy = std::nullopt;
    QString caFile = {};
};

class CommandLineTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(CommandLineTest, Parses)
{
    const OptionCase& c = GetParam();
    const TCommandLine options = ParseCommandLine(QStringList{"hoopline"} + c.args);
    EXPECT_EQ(options.action, c.action) << options.message.toStdString();
    if (c.action != TCommandLine::TAction::Run)
        return;
    EXPECT_EQ(options.serviceHost, c.serviceHost);
    EXPECT_EQ(options.siteHost, c.siteHost);
    EXPECT_EQ(options.demo, c.demo);
    EXPECT_EQ(options.tls, c.tls);
    EXPECT_EQ(options.proxy, c.proxy);
    EXPECT_EQ(options.caFile, c.caFile);
}

using A = TCommandLine::TAction;
INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        OptionCase{"defaults", {}, A::Run, HOOPLINE_SERVICE_HOST, HOOPLINE_SITE_HOST, false},
        OptionCase{"service_with_port", {"--service-host", "127.0.0.1:8642"}, A::Run, "127.0.0.1:8642",
                   HOOPLINE_SITE_HOST, false},
        OptionCase{"both_hosts_and_demo", {"--service-host=svc", "--site-host", "www.x", "--demo"}, A::Run, "svc",
                   "www.x", true},
        OptionCase{"toolkit_options_left_to_the_gui", {"-platform", "xcb", "-reverse", "--demo"}, A::Run,
                   HOOPLINE_SERVICE_HOST, HOOPLINE_SITE_HOST, true},
        OptionCase{"https_hosts", {"--service-host", "https://svc:8443", "--site-host", "https://www.x"}, A::Run,
                   "https://svc:8443", "https://www.x", false},
        OptionCase{"demo_over_tls_with_proxy_and_ca",
                   {"--demo", "--tls", "--proxy", "http://p:3128", "--ca-file", "/tmp/ca.pem"}, A::Run,
                   HOOPLINE_SERVICE_HOST, HOOPLINE_SITE_HOST, true, true, "http://p:3128", "/tmp/ca.pem"},
        OptionCase{"no_proxy_at_all", {"--proxy="}, A::Run, HOOPLINE_SERVICE_HOST, HOOPLINE_SITE_HOST, false,
                   false, ""},
        OptionCase{"other_scheme", {"--service-host", "ftp://svc"}, A::Error, "", "", false},
        OptionCase{"tls_without_demo", {"--tls"}, A::Error, "", "", false},
        OptionCase{"socks_proxy", {"--proxy", "socks5://p:1080"}, A::Error, "", "", false},
        OptionCase{"proxy_with_password", {"--proxy", "http://u:pw@p:3128"}, A::Error, "", "", false},
        OptionCase{"empty_ca_file", {"--ca-file="}, A::Error, "", "", false},
        OptionCase{"port_out_of_range", {"--service-host", "h:70000"}, A::Error, "", "", false},
        OptionCase{"empty_port", {"--service-host", "h:"}, A::Error, "", "", false},
        OptionCase{"site_with_path", {"--site-host", "www.x/down"}, A::Error, "", "", false},
        OptionCase{"unknown_option", {"--colour"}, A::Error, "", "", false},
        OptionCase{"stray_argument", {"extra"}, A::Error, "", "", false},
        OptionCase{"help", {"--help"}, A::Help, "", "", false},
        OptionCase{"version", {"--version"}, A::Version, "", "", false}),
    [](const auto& testCase) { return testCase.param.label; });

TEST(CommandLine, VersionAndHelpTexts)
{
    EXPECT_EQ(ParseCommandLine({"hoopline", "--version"}).message, "Hoopline 4.2.3\n");
    const QString help = ParseCommandLine({"hoopline", "--help"}).message;
    for (const char* option : {"--service-host", "--site-host", "--demo", "--version", "--ca-file", "--proxy", "--tls"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

} // namespace
