#include "app/HttpClient1.h"
#include "demo/DemoService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <memory>
#include <string>

using namespace std::chrono_literals;

namespace {

class HttpTest : public ::testing::Test {
protected:
    std::string Url(const std::string& target) const { return "http://" + demo.Host() + target; }

    TDemoService demo;
    THttpClient client;
};

// --- the request on the wire -------------------------------------------------

TEST_F(HttpTest, LoginRequestIsByteExact)
{
    std::string body;
    client.GetText(Url("/login/hl.php?login=demo&pass=demo"), body);
    ASSERT_EQ(demo.Requests().size(), 1u);
    const std::string wire = demo.Requests()[0];
    EXPECT_EQ(wire, "GET /login/hl.php?login=demo&pass=demo HTTP/1.1\r\n"
                    "Content-Type: text/html\r\n"
                    "Host: " + demo.Host() + "\r\n"
                    "Accept: text/html, */*\r\n"
                    "User-Agent: Mozilla/3.0 (compatible; Hoopline)\r\n"
                    "\r\n");
    RecordProperty("login_request_wire_bytes", wire);
    std::printf("Login request on the wire:\n%s", wire.c_str());
}

TEST_F(HttpTest, FragmentIsNeverSentAndEmptyPathBecomesSlash)
{
    std::string body;
    client.GetText(Url("/login/hl.php?login=demo&pass=de#mo"), body);
    EXPECT_THROW(client.GetText("http://" + demo.Host(), body), EHttpError); // "/" is not served
    const auto requests = demo.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")), "GET /login/hl.php?login=demo&pass=de HTTP/1.1");
    EXPECT_EQ(requests[1].substr(0, requests[1].find("\r\n")), "GET / HTTP/1.1");
}

TEST(HttpWire, HostHeaderOmitsPort80)
{
    std::unique_ptr<TDemoService> demo;
    try {
        demo = std::make_unique<TDemoService>(80);
    } catch (const std::exception&) {
        GTEST_SKIP() << "port 80 is not available here";
    }
    THttpClient client;
    std::string body;
    client.GetText("http://127.0.0.1/refresh/hoopline4.2.3.txt", body);
    EXPECT_NE(demo->Requests().at(0).find("\r\nHost: 127.0.0.1\r\n"), std::string::npos);
}

// --- answers and failures ------------------------------------------------------

struct AnswerCase {
    const char* label;
    TDemoReply reply;
    bool ok;
    int status;        // of the error; 0 for none or a transport failure
    const char* text;  // what the destination holds afterwards
    friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.label; }
};

class AnswerTest : public HttpTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerTest, FollowsTheFailureRules)
{
    const AnswerCase& c = GetParam();
    demo.Script("/doc", c.reply);
    std::string text;
    try {
        client.GetText(Url("/doc"), text);
        EXPECT_TRUE(c.ok);
    } catch (const EHttpError& e) {
        EXPECT_FALSE(c.ok) << e.what();
        EXPECT_EQ(e.Status(), c.status);
        if (c.status) {
            EXPECT_EQ(std::string(e.what()).rfind("HTTP/1.1 " + std::to_string(c.status) + " ", 0), 0u) << e.what();
        }
    }
    EXPECT_EQ(text, c.text);
}

TDemoReply Reply(int status, std::string body = "doc")
{
    TDemoReply r;
    r.status = status;
    r.body = std::move(body);
    return r;
}

TDemoReply With(TDemoReply r, void (*change)(TDemoReply&))
{
    change(r);
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnswerTest,
    ::testing::Values(
        AnswerCase{"length_200", Reply(200, "<a>1</a>"), true, 0, "<a>1</a>"},
        AnswerCase{"chunked_200", With(Reply(200, "<match>chunks of seven</match>"),
                                       [](TDemoReply& r) { r.framing = TDemoReply::TFraming::Chunked; }),
                   true, 0, "<match>chunks of seven</match>"},
        AnswerCase{"close_delimited_200", With(Reply(200, "until close"),
                                               [](TDemoReply& r) { r.framing = TDemoReply::TFraming::Close; }),
                   true, 0, "until close"},
        AnswerCase{"continue_then_200", With(Reply(200), [](TDemoReply& r) { r.continues = 1; }), true, 0, "doc"},
        AnswerCase{"five_continues_then_200", With(Reply(200), [](TDemoReply& r) { r.continues = 5; }), true, 0,
                   "doc"},
        // An endless stream of interim answers must not hold the request.
        AnswerCase{"six_continues_refused", With(Reply(200), [](TDemoReply& r) { r.continues = 6; }), false, 0, ""},
        AnswerCase{"no_content_204", Reply(204, ""), true, 0, ""},
        AnswerCase{"redirect_302_not_followed",
                   With(Reply(302), [](TDemoReply& r) { r.headers = {{"Location", "/elsewhere"}}; }), false, 302, ""},
        AnswerCase{"ok_with_location", With(Reply(200), [](TDemoReply& r) { r.headers = {{"Location", "/x"}}; }),
                   false, 200, ""},
        AnswerCase{"not_modified_304", Reply(304, ""), false, 304, ""},
        AnswerCase{"unauthorized_401", Reply(401), false, 401, ""},
        AnswerCase{"proxy_auth_407", Reply(407), false, 407, ""},
        AnswerCase{"not_found_404", Reply(404), false, 404, ""},
        AnswerCase{"server_error_500", Reply(500), false, 500, ""},
        // What arrived before the break stays in the destination.
        AnswerCase{"closed_mid_body", With(Reply(200, "<match>cut here</match>"),
                                           [](TDemoReply& r) { r.closeAfterBytes = 9; }),
                   false, 0, "<match>cu"},
        AnswerCase{"closed_mid_chunk", With(Reply(200, "0123456789abcdef"),
                                            [](TDemoReply& r) {
                                                r.framing = TDemoReply::TFraming::Chunked;
                                                r.closeAfterBytes = 14; // "7\r\n0123456\r\n" + "7\r\n" -> "0123456"
                                            }),
                   false, 0, "0123456"},
        // A declared length past the cap is refused before any of it is read.
        AnswerCase{"over_64_mib", With(Reply(200, "x"),
                                       [](TDemoReply& r) {
                                           r.framing = TDemoReply::TFraming::Close;
                                           r.headers = {{"Content-Length", "67108865"}};
                                       }),
                   false, 0, ""}),
    [](const auto& testCase) { return testCase.param.label; });

TEST_F(HttpTest, GetBufferAppendsAndKeepsTheBodyOfRefusedAnswersOut)
{
    std::string buffer = "old:";
    client.GetBuffer(Url("/refresh/hoopline4.2.3.txt"), buffer);
    EXPECT_EQ(buffer, "old:4.2.3");
    EXPECT_THROW(client.GetBuffer(Url("/missing"), buffer), EHttpError);
    EXPECT_EQ(buffer, "old:4.2.3");
}

TEST(HttpFailures, ConnectionRefused)
{
    std::string host;
    {
        TDemoService gone;
        host = gone.Host();
    }
    THttpClient client;
    std::string text;
    EXPECT_THROW(client.GetText("http://" + host + "/x", text), EHttpError);
    EXPECT_TRUE(text.empty());
}

TEST_F(HttpTest, SilentServerRunsIntoTheReadTimeLimit)
{
    TDemoReply slow = Reply(200);
    slow.delay = 3s;
    demo.Script("/slow", slow);
    client.SetTimeouts(THttpClient::kConnectTimeout, 300ms);
    std::string text;
    const auto start = std::chrono::steady_clock::now();
    try {
        client.GetText(Url("/slow"), text);
        ADD_FAILURE() << "a silent server must fail the GET";
    } catch (const EHttpError& e) {
        EXPECT_STREQ(e.what(), "Read timed out");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    // The client recovers on a fresh connection.
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    EXPECT_EQ(text, "4.2.3");
}

// The limit is on silence, not on the whole answer.
TEST_F(HttpTest, ReadTimeLimitCountsSilenceBetweenPieces)
{
    TDemoReply trickle = Reply(200, "0123456789");
    trickle.trickleBytes = 3;
    trickle.tricklePause = 150ms;
    demo.Script("/trickle", trickle);
    trickle.tricklePause = 1500ms;
    demo.Script("/stall", trickle);
    client.SetTimeouts(THttpClient::kConnectTimeout, 400ms);

    std::string text;
    client.GetText(Url("/trickle"), text); // 450 ms in all
    EXPECT_EQ(text, "0123456789");
    text.clear();
    EXPECT_THROW(client.GetText(Url("/stall"), text), EHttpError);
    EXPECT_EQ(text, "012");
}

// A server that keeps sending, slowly enough never to be silent, still runs
// into the deadline of the whole request.
TEST_F(HttpTest, TricklingBodyRunsIntoTheRequestDeadline)
{
    TDemoReply trickle = Reply(200, std::string(40, 't'));
    trickle.trickleBytes = 1;
    trickle.tricklePause = 50ms;
    demo.Script("/trickle", trickle);
    client.SetTimeouts(THttpClient::kConnectTimeout, 1s, 400ms);
    std::string text;
    const auto start = std::chrono::steady_clock::now();
    try {
        client.GetText(Url("/trickle"), text);
        ADD_FAILURE() << "a trickling answer must fail the GET";
    } catch (const EHttpError& e) {
        EXPECT_STREQ(e.what(), "The request took longer than 400 ms");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
    EXPECT_GT(text.size(), 0u);
    EXPECT_LT(text.size(), 40u);
    // The next request has a deadline of its own.
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    EXPECT_EQ(text, "4.2.3");
}

TEST(HttpDefaults, TimeLimitsAndCap)
{
    EXPECT_EQ(THttpClient::kRequestDeadline, 60s);
    EXPECT_EQ(THttpClient::kConnectTimeout, 10s);
    EXPECT_EQ(THttpClient::kReadTimeout, 30s);
    EXPECT_EQ(THttpClient::kMaxBody, 64u * 1024 * 1024);
}

// --- connection and cookies ----------------------------------------------------

TEST_F(HttpTest, KeepsTheConnectionUnlessTheServerCloses)
{
    std::string text;
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    EXPECT_EQ(demo.Connections(), 1);

    TDemoReply closing = Reply(200);
    closing.headers = {{"Connection", "close"}};
    demo.Script("/closing", closing);
    client.GetText(Url("/closing"), text);
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    EXPECT_EQ(demo.Connections(), 2);

    client.Disconnect();
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    EXPECT_EQ(demo.Connections(), 3);
}

// Bytes after a complete answer would be taken for the answer to the next
// request on a kept connection.
TEST_F(HttpTest, BytesBeyondAnAnswerNeverPassForTheNextOne)
{
    TDemoReply planted = Reply(200, "first");
    planted.trailing = "HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\nplanted";
    demo.Script("/first", planted);
    std::string text;
    client.GetText(Url("/first"), text);
    EXPECT_EQ(text, "first");
    client.GetText(Url("/refresh/hoopline4.2.3.txt"), text);
    EXPECT_EQ(text, "4.2.3");
    EXPECT_EQ(demo.Connections(), 2);
}

TEST_F(HttpTest, CookieJarKeepsTheNewestFiftyPerHostAndAShortHeader)
{
    for (int answer = 0; answer < 10; ++answer) {
        TDemoReply many = Reply(200);
        for (int i = 0; i < 1000; ++i)
            many.headers.emplace_back("Set-Cookie", "c" + std::to_string(answer) + "_" + std::to_string(i) + "=value");
        demo.Script("/many", many);
        std::string text;
        client.GetText(Url("/many"), text);
    }
    std::string header = client.CookiesFor(Url("/any"));
    EXPECT_EQ(std::count(header.begin(), header.end(), ';') + 1, 50);
    EXPECT_EQ(header.rfind("c9_950=value", 0), 0u) << header.substr(0, 40);
    EXPECT_NE(header.find("c9_999=value"), std::string::npos);

    // One cookie too large for any browser is dropped; large ones that fit
    // alone still keep the header short.
    TDemoReply big = Reply(200);
    big.headers = {{"Set-Cookie", "huge=" + std::string(5000, 'h')}};
    for (int i = 0; i < 4; ++i)
        big.headers.emplace_back("Set-Cookie", "big" + std::to_string(i) + "=" + std::string(3000, 'b'));
    demo.Script("/big", big);
    std::string text;
    client.GetText(Url("/big"), text);
    header = client.CookiesFor(Url("/any"));
    EXPECT_LE(header.size(), 8192u);
    EXPECT_EQ(header.find("huge="), std::string::npos);
    EXPECT_NE(header.find("big0="), std::string::npos);
}

TEST_F(HttpTest, CookiesGoBackToTheSameHostOnly)
{
    std::string text;
    client.GetText(Url("/login/hl.php?login=demo&pass=demo"), text);
    client.GetText(Url("/login/hl.php?login=demo&pass=demo&menu=line"), text);
    // Same server, other host name: no cookie.
    client.GetText("http://localhost:" + std::to_string(demo.Port()) + "/refresh/hoopline4.2.3.txt", text);

    const auto requests = demo.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].find("Cookie:"), std::string::npos);
    const std::string tail = "User-Agent: Mozilla/3.0 (compatible; Hoopline)\r\nCookie: HLSESSION=demo1001\r\n\r\n";
    EXPECT_EQ(requests[1].substr(requests[1].size() - tail.size()), tail);
    EXPECT_EQ(requests[2].find("Cookie:"), std::string::npos);
}

TEST_F(HttpTest, CookiesOfARefusedAnswerAreKept)
{
    TDemoReply refused = Reply(404);
    refused.headers = {{"Set-Cookie", "a=1; Path=/"}, {"Set-Cookie2", "b=2"}};
    demo.Script("/refused", refused);
    std::string text;
    EXPECT_THROW(client.GetText(Url("/refused"), text), EHttpError);
    EXPECT_EQ(client.CookiesFor(Url("/any")), "a=1; b=2");
}

// --- UrlExists -----------------------------------------------------------------

struct ProbeCase {
    const char* label;
    int status;
    bool exists;
    friend void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.label; }
};

class UrlExistsTest : public HttpTest, public ::testing::WithParamInterface<ProbeCase> {};

TEST_P(UrlExistsTest, TrueForOkAndFoundOnly)
{
    TDemoReply r = Reply(GetParam().status);
    r.headers = {{"Location", "/elsewhere"}}; // never followed
    demo.Script("/probe", r);
    EXPECT_EQ(UrlExists(Url("/probe")), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Cases, UrlExistsTest,
                         ::testing::Values(ProbeCase{"ok_200", 200, true}, ProbeCase{"found_302", 302, true},
                                           ProbeCase{"moved_301", 301, false}, ProbeCase{"not_found_404", 404, false},
                                           ProbeCase{"error_500", 500, false}),
                         [](const auto& testCase) { return testCase.param.label; });

TEST_F(HttpTest, UrlExistsPrefixRulesAndOwnConnection)
{
    std::string text;
    client.GetText(Url("/login/hl.php?login=demo&pass=demo"), text); // a cookie in the client
    EXPECT_TRUE(UrlExists("HTTP://" + demo.Host() + "/refresh/hoopline4.2.3.txt"));
    EXPECT_TRUE(UrlExists(demo.Host() + "/refresh/hoopline4.2.3.txt"));
    EXPECT_FALSE(UrlExists(Url("/refresh/hoopline4.2.2.txt")));
    EXPECT_FALSE(UrlExists("ftp://" + demo.Host() + "/x"));
    const auto requests = demo.Requests();
    ASSERT_EQ(requests.size(), 4u);
    for (std::size_t i = 1; i < requests.size(); ++i)
        EXPECT_EQ(requests[i].find("Cookie:"), std::string::npos);
    EXPECT_EQ(demo.Connections(), 4);
}

TEST(UrlExistsNoServer, IsFalse)
{
    std::string host;
    {
        TDemoService gone;
        host = gone.Host();
    }
    EXPECT_FALSE(UrlExists("http://" + host + "/refresh/hoopline4.2.3.txt"));
}

// --- DownloadToFile ------------------------------------------------------------

class DownloadTest : public HttpTest {
protected:
    QString File() const { return dir.filePath("1.png"); }
    std::string Read() const
    {
        QFile f(File());
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
    }
    void Write(const std::string& bytes) const
    {
        QFile f(File());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qint64(bytes.size()));
    }
    std::string Fetch(const std::string& target)
    {
        std::string bytes;
        client.GetBuffer(Url(target), bytes);
        return bytes;
    }
    void Download(const std::string& target)
    {
        DownloadToFile(client, Url(target), File(), Url("/basketball/img/hl_logo.png"));
    }

    QTemporaryDir dir;
};

TEST_F(DownloadTest, TeamLogoOrFallback)
{
    Download("/basketball/img/1001.png");
    EXPECT_EQ(Read(), Fetch("/basketball/img/1001.png"));
    EXPECT_EQ(Read().substr(1, 3), "PNG");

    Download("/basketball/img/999999.png");
    EXPECT_EQ(Read(), Fetch("/basketball/img/hl_logo.png"));
}

TEST_F(DownloadTest, FailureKeepsTheOldFileWhole)
{
    Write("old logo");
    TDemoReply cut = Reply(200, std::string(5000, 'p'));
    cut.closeAfterBytes = 1000;
    demo.Script("/basketball/img/1001.png", cut);
    Download("/basketball/img/1001.png");
    EXPECT_EQ(Read(), "old logo");

    // The probe says yes, the download is refused.
    demo.Script("/basketball/img/1001.png", Reply(302));
    Download("/basketball/img/1001.png");
    EXPECT_EQ(Read(), "old logo");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"1.png"}); // no temporary left behind
}

// A write that fails (here: the file size limit, as on a full disk) must
// neither empty the old file nor hide the received bytes from the caller.
TEST_F(DownloadTest, FailedWriteKeepsTheOldFileWhole)
{
    Write("old logo");
    const std::string logo = Fetch("/basketball/img/1001.png");
    ASSERT_GT(logo.size(), 64u);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto received = DownloadToFile(client, Url("/basketball/img/1001.png"), File(), Url("/basketball/img/hl_logo.png"));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(received, logo);
    EXPECT_EQ(Read(), "old logo");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"1.png"});
}

struct PlaceCase {
    const char* label;
    void (*make)(const QString& path, const QString& elsewhere);
    friend void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.label; }
};

class DownloadPlaceTest : public DownloadTest, public ::testing::WithParamInterface<PlaceCase> {};

// Whatever stands under the logo's name that is no regular file stays as it
// is, and nothing is written through it.
TEST_P(DownloadPlaceTest, LeavesWhatIsNoRegularFileAlone)
{
    const QString elsewhere = dir.filePath("elsewhere");
    {
        QFile f(elsewhere);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    GetParam().make(File(), elsewhere);
    const QFileInfo before(File());
    const auto received = DownloadToFile(client, Url("/basketball/img/1001.png"), File(), Url("/basketball/img/hl_logo.png"));
    EXPECT_EQ(received, Fetch("/basketball/img/1001.png"));
    const QFileInfo after(File());
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
    EXPECT_EQ(after.isDir(), before.isDir());
    QFile f(elsewhere);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "precious");
    EXPECT_FALSE(QFile::exists(File() + ".tmp"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DownloadPlaceTest,
    ::testing::Values(PlaceCase{"link_to_a_file", [](const QString& p, const QString& e) { QFile::link(e, p); }},
                      PlaceCase{"dangling_link", [](const QString& p, const QString& e) { QFile::link(e + ".none", p); }},
                      PlaceCase{"folder", [](const QString& p, const QString&) { QDir().mkdir(p); }},
                      PlaceCase{"fifo", [](const QString& p, const QString&) { ::mkfifo(QFile::encodeName(p).constData(), 0600); }}),
    [](const auto& testCase) { return testCase.param.label; });

TEST_F(DownloadTest, EmptyOkAnswerWritesAnEmptyFile)
{
    Write("old logo");
    demo.Script("/basketball/img/1001.png", Reply(200, ""));
    Download("/basketball/img/1001.png");
    EXPECT_EQ(Read(), "");
}

} // namespace
