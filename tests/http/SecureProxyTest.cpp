// https against the demo service, certificate checks, and requests through a proxy.
#include "app/HttpClient1.h"
#include "app/ServiceMessages.h"
#include "demo/DemoService.h"
#include "tests/http/LoopbackProxy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace std::chrono_literals;

namespace {

// The head every plain request to `host` carries.
std::string PlainHead(const std::string& target, const std::string& host)
{
    return "GET " + target + " HTTP/1.1\r\n"
           "Content-Type: text/html\r\n"
           "Host: " + host + "\r\n"
           "Accept: text/html, */*\r\n"
           "User-Agent: Mozilla/3.0 (compatible; Hoopline)\r\n"
           "\r\n";
}

THttpConnection Trusting(const TDemoCertificate& certificate, TProxyRules proxies = {})
{
    THttpConnection connection;
    connection.trustAnchorsPem = certificate.certificatePem;
    connection.proxies = std::move(proxies);
    return connection;
}

TProxyRules Through(const TLoopbackProxy& proxy)
{
    TProxyRules rules;
    rules.SetExplicitProxy(proxy.Url());
    return rules;
}

// Plain connection settings that send every request through `proxy`.
THttpConnection Via(const TLoopbackProxy& proxy)
{
    THttpConnection connection;
    connection.proxies = Through(proxy);
    return connection;
}

class SecureTest : public ::testing::Test {
protected:
    std::string Url(const std::string& target) const { return "https://" + demo.Host() + target; }

    TDemoCertificate certificate = TDemoCertificate::Generate();
    TDemoService demo{0, certificate};
    THttpClient client;
};

TEST_F(SecureTest, LoginAndListOverTlsCarryThePlainBytes)
{
    client.SetConnection(Trusting(certificate));
    std::string login, list;
    client.GetText(Url("/login/hl.php?login=demo&pass=demo"), login);
    EXPECT_NE(login.find("<PODPISKA>"), std::string::npos) << login;
    EXPECT_NE(client.CookiesFor(Url("/login/hl.php")), "");
    client.GetText(Url("/login/hl.php?login=demo&pass=demo&menu=line"), list);
    EXPECT_NE(list.find("<match>"), std::string::npos);
    EXPECT_TRUE(UrlExists(client, Url("/refresh/hoopline4.2.3.txt")));

    const auto requests = demo.Requests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests[0], PlainHead("/login/hl.php?login=demo&pass=demo", demo.Host()));
    // The session cookie went back inside the tunnel, on the same connection.
    EXPECT_NE(requests[1].find("\r\nCookie: HLSESSION="), std::string::npos);
    EXPECT_EQ(demo.Connections(), 2); // the kept connection, and the probe's own
}

struct RefusalCase {
    const char* label;
    std::vector<std::string> certificateHosts; // empty: a plain server
    bool trusted;
    const char* message;
    bool untrusted; // the certificate was refused (rather than the connection failing)
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

// A refused handshake is a failed request that says why; nothing goes out in the clear.
TEST_P(RefusalTest, FailsWithAMessageInWords)
{
    const RefusalCase& c = GetParam();
    std::optional<TDemoCertificate> certificate;
    if (!c.certificateHosts.empty())
        certificate = TDemoCertificate::Generate(c.certificateHosts);
    TDemoService demo(0, certificate);
    THttpClient client;
    if (c.trusted)
        client.SetConnection(Trusting(*certificate));
    client.SetTimeouts(1s, 1s, 2s);
    std::string body;
    try {
        client.GetText("https://" + demo.Host() + "/login/hl.php?login=demo&pass=demo", body);
        ADD_FAILURE() << "the request must fail";
    } catch (const EHttpError& e) {
        EXPECT_EQ(std::string(e.what()).substr(0, std::string(c.message).size()), c.message) << e.what();
        EXPECT_FALSE(e.Answered());
        EXPECT_EQ(e.IsUntrusted(), c.untrusted);
        const QString shown = RequestFailureMessage(QStringLiteral("Logging in"), demo.Host(), e);
        EXPECT_EQ(shown.contains(QStringLiteral("could not prove that it is that service")), c.untrusted)
            << shown.toStdString();
    }
    EXPECT_TRUE(body.empty());
    for (const std::string& head : demo.Requests())
        EXPECT_EQ(head.find("pass=demo"), std::string::npos) << "sent in the clear: " << head;
    // The probe behind the version check fails the same way.
    std::optional<EHttpError> failure;
    EXPECT_EQ(client.ProbeStatus("https://" + demo.Host() + "/refresh/hoopline4.2.3.txt", &failure), 0);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->IsUntrusted(), c.untrusted) << failure->what();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTest,
    ::testing::Values(
        RefusalCase{"untrusted_certificate", {"127.0.0.1"}, false,
                    "The service's certificate is not trusted for 127.0.0.1 (self-signed certificate)", true},
        RefusalCase{"wrong_host_name", {"svc.example"}, true,
                    "The service's certificate is not valid for 127.0.0.1: it was issued for another host name", true},
        // A plain server waits for a request head that never comes.
        RefusalCase{"plain_server", {}, false, "The secure connection to 127.0.0.1 timed out", false}),
    [](const auto& testCase) { return testCase.param.label; });

TEST(Proxy, PlainRequestsGoInAbsoluteFormWithTheSameHeaders)
{
    TDemoService demo;
    TLoopbackProxy proxy;
    THttpClient client;
    client.SetConnection(Via(proxy));
    std::string body;
    client.GetText("http://" + demo.Host() + "/login/hl.php?login=demo&pass=demo", body);
    client.GetText("http://" + demo.Host() + "/login/hl.php?login=demo&pass=demo&menu=line", body);
    EXPECT_NE(body.find("<match>"), std::string::npos);
    const auto lines = proxy.RequestLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "GET http://" + demo.Host() + "/login/hl.php?login=demo&pass=demo HTTP/1.1");
    EXPECT_EQ(demo.Requests().at(0), PlainHead("/login/hl.php?login=demo&pass=demo", demo.Host()));
    EXPECT_TRUE(UrlExists(client, "http://" + demo.Host() + "/refresh/hoopline4.2.3.txt"));
    EXPECT_EQ(proxy.RequestLines().back(), "GET http://" + demo.Host() + "/refresh/hoopline4.2.3.txt HTTP/1.1");
}

TEST(Proxy, HttpsGoesThroughATunnel)
{
    const TDemoCertificate certificate = TDemoCertificate::Generate();
    TDemoService demo(0, certificate);
    TLoopbackProxy proxy;
    THttpClient client;
    client.SetConnection(Trusting(certificate, Through(proxy)));
    std::string body;
    client.GetText("https://" + demo.Host() + "/login/hl.php?login=demo&pass=demo&menu=line", body);
    EXPECT_NE(body.find("<match>"), std::string::npos);
    ASSERT_EQ(proxy.RequestLines().size(), 1u);
    EXPECT_EQ(proxy.RequestLines()[0], "CONNECT " + demo.Host() + " HTTP/1.1");
    EXPECT_EQ(demo.Requests().at(0), PlainHead("/login/hl.php?login=demo&pass=demo&menu=line", demo.Host()));
}

// The environment's proxy leaves loopback alone: the bytes stay exactly those of a direct request.
TEST(Proxy, EnvironmentProxyLeavesLoopbackUntouched)
{
    TDemoService demo;
    TLoopbackProxy proxy;
    THttpClient client;
    THttpConnection connection;
    connection.proxies = TProxyRules::FromEnvironment([&](const char* name) -> std::optional<std::string> {
        return std::string(name) == "http_proxy" ? std::optional<std::string>(proxy.Url()) : std::nullopt;
    });
    client.SetConnection(connection);
    std::string body;
    client.GetText("http://" + demo.Host() + "/login/hl.php?login=demo&pass=demo", body);
    EXPECT_TRUE(proxy.RequestLines().empty());
    EXPECT_EQ(demo.Requests().at(0), PlainHead("/login/hl.php?login=demo&pass=demo", demo.Host()));
}

// A proxy that wants a login fails the request; nothing goes around it.
TEST(Proxy, LoginRequiredIsAFailure)
{
    TLoopbackProxy proxy(TLoopbackProxy::TMode::LoginRequired);
    THttpClient client;
    client.SetConnection(Via(proxy));
    std::string body;
    try {
        client.GetText("http://svc.example/login/hl.php", body);
        ADD_FAILURE() << "the proxy refused";
    } catch (const EHttpError& e) {
        EXPECT_EQ(e.Status(), 407);
    }
    try {
        client.GetText("https://svc.example/login/hl.php", body);
        ADD_FAILURE() << "the proxy refused";
    } catch (const EHttpError& e) {
        EXPECT_EQ(std::string(e.what()), "The proxy " + proxy.Url().substr(7)
                                             + " asks for a login (HTTP/1.1 407 Proxy Authentication Required);"
                                               " Hoopline sends no proxy credentials");
    }
    EXPECT_EQ(proxy.RequestLines(), (std::vector<std::string>{"GET http://svc.example/login/hl.php HTTP/1.1",
                                                              "CONNECT svc.example:443 HTTP/1.1"}));
}

struct SilentCase {
    const char* label;
    bool tls;
    const char* messageEnd;
};

class SilentProxyTest : public ::testing::TestWithParam<SilentCase> {};

TEST_P(SilentProxyTest, TimeLimitsHoldOnTheProxyLeg)
{
    TLoopbackProxy proxy(TLoopbackProxy::TMode::Silent);
    THttpClient client;
    client.SetConnection(Via(proxy));
    client.SetTimeouts(THttpClient::kConnectTimeout, 300ms, 2s);
    std::string body;
    const auto start = std::chrono::steady_clock::now();
    try {
        client.GetText(std::string(GetParam().tls ? "https" : "http") + "://svc.example/login/hl.php", body);
        ADD_FAILURE() << "a silent proxy must fail the GET";
    } catch (const EHttpError& e) {
        const std::string what = e.what(), tail = GetParam().messageEnd;
        EXPECT_TRUE(what.size() >= tail.size() && what.compare(what.size() - tail.size(), tail.size(), tail) == 0)
            << what;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SilentProxyTest,
    ::testing::Values(SilentCase{"http", false, "Read timed out"},
                      SilentCase{"https", true, "did not answer the tunnel request in time"}),
    [](const auto& testCase) { return testCase.param.label; });

} // namespace
