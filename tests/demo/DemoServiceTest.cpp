#include "app/CountryFlags.h"
#include "app/HttpClient1.h"
#include "app/ServiceUrls.h"
#include "app/TaggedText.h"
#include "demo/DemoService.h"

#include <QImage>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

class DemoTest : public ::testing::Test {
protected:
    std::string Get(const std::string& url)
    {
        std::string body;
        client.GetText(url, body);
        return body;
    }
    std::vector<std::string> Records(const std::string& body)
    {
        std::vector<std::string> out;
        WalkMatchList(body, [&](std::string_view r) { out.emplace_back(r); });
        return out;
    }
    std::string E(std::string_view text, std::string_view name) { return std::string(ExtractElement(text, name)); }
    // "a:b" -> {a, b}
    std::pair<int, int> Split(const std::string& v, char sep)
    {
        const auto p = v.find(sep);
        EXPECT_NE(p, std::string::npos) << v;
        return {std::atoi(v.substr(0, p).c_str()), std::atoi(v.substr(p + 1).c_str())};
    }

    TDemoService demo;
    TServiceUrls urls{demo.Host(), "www.example"};
    THttpClient client;
};

TEST_F(DemoTest, VersionMarkerAndLogin)
{
    EXPECT_TRUE(UrlExists(urls.VersionMarker()));
    EXPECT_FALSE(UrlExists("http://" + demo.Host() + "/refresh/hoopline4.2.2.txt"));

    const std::string rejected = Get(urls.Login("demo", "wrong"));
    EXPECT_NE(rejected.find("Autorization"), std::string::npos);
    EXPECT_EQ(client.CookiesFor(urls.Login("demo", "demo")), "");
    EXPECT_NE(Get(urls.LineMatches("guest", "demo")).find("utorization"), std::string::npos);

    const std::string accepted = Get(urls.Login("demo", "demo"));
    EXPECT_EQ(accepted.find("utorization"), std::string::npos);
    EXPECT_FALSE(E(accepted, "PODPISKA").empty());
    EXPECT_EQ(client.CookiesFor(urls.LineMatches("demo", "demo")).rfind("HLSESSION=", 0), 0u);
}

TEST_F(DemoTest, UpcomingListIsVariedAndComplete)
{
    const auto records = Records(Get(urls.LineMatches("demo", "demo")));
    EXPECT_GE(records.size(), 25u);
    EXPECT_LE(records.size(), 40u);
    std::set<std::string> countries, ids;
    int confederation = 0, withLines = 0;
    for (const std::string& r : records) {
        ids.insert(E(r, "id"));
        const int flag = CountryFlagIndex(E(r, "country"));
        EXPECT_GT(flag, 0) << E(r, "country");
        flag == 25 ? ++confederation : (countries.insert(E(r, "country")), 0);
        for (const char* name : {"liga", "date", "time", "home", "away", "kf1", "kf2", "latest1", "latest2", "h2h"})
            EXPECT_FALSE(E(r, name).empty()) << name;
        EXPECT_NE(E(r, "home"), E(r, "away"));
        const auto [p1, p2] = Split(E(r, "precent"), '-');
        EXPECT_EQ(p1 + p2, 100);
        const auto [f1, f2] = Split(E(r, "forecast"), ':');
        EXPECT_EQ(f1 > f2, p1 > 50) << "the favourite is forecast to score more";
        const std::string kf = E(r, "LIVE_KF");
        withLines += !kf.empty();
        if (!kf.empty()) {
            for (const char* name : {"hand1", "kof1", "hand2", "kof2", "total", "u", "o"})
                EXPECT_FALSE(E(kf, name).empty()) << name;
        }
    }
    EXPECT_EQ(ids.size(), records.size());
    EXPECT_GE(countries.size(), 15u);
    EXPECT_GT(confederation, 0);
    EXPECT_GT(withLines, 0);
    EXPECT_LT(withLines, int(records.size()));
}

TEST_F(DemoTest, EveryListedMatchHasStatisticsAndLogos)
{
    auto records = Records(Get(urls.LineMatches("demo", "demo")));
    const auto live = Records(Get(urls.LiveMatches("demo", "demo")));
    records.insert(records.end(), live.begin(), live.end());
    std::set<std::string> teams;
    for (const std::string& r : records) {
        const std::string body = Get(urls.MatchStatistics(E(r, "id")));
        const std::string stat = E(body, "stat");
        ASSERT_FALSE(stat.empty()) << E(r, "id");
        EXPECT_EQ(E(stat, "home"), E(r, "home"));
        EXPECT_EQ(E(stat, "away"), E(r, "away"));
        EXPECT_EQ(E(stat, "TOTAL1") + ":" + E(stat, "TOTAL2"), E(r, "forecast"));
        for (const char* table : {"table1", "table2"}) {
            const std::string t = E(stat, table);
            EXPECT_EQ(std::stoi(E(t, "win")) + std::stoi(E(t, "loss")), std::stoi(E(t, "game")));
        }
        // Each list agrees with its summary row.
        const struct {
            const char* list;
            const char* summary;
            const char* prefix;
            const char* win;
            std::size_t min, max;
        } lists[] = {{"Latest1", "stat1", "l1", "W", 6, 10}, {"Latest2", "stat2", "l2", "W", 6, 10},
                     {"H2H", "stat0", "h2h", "1", 1, 10}};
        for (const auto& l : lists) {
            std::size_t count = 0;
            int wins = 0;
            // Meetings name the winning side; their summary counts the home team's wins.
            const std::string team = E(stat, "home");
            WalkSubList(E(stat, l.list), [&](std::string_view rec, int) {
                ++count;
                const std::string_view itog = ExtractElement(rec, "itog");
                wins += *l.win == 'W' ? itog == "W"
                                      : ExtractElement(rec, itog == "1" ? "home" : "away") == team;
            });
            EXPECT_GE(count, l.min) << l.list;
            EXPECT_LE(count, l.max) << l.list;
            EXPECT_EQ(E(E(stat, l.summary), std::string(l.prefix) + "_win"), std::to_string(wins)) << l.list;
        }
        teams.insert(E(stat, "id_home"));
        teams.insert(E(stat, "id_away"));
    }
    for (const std::string& team : teams) {
        std::string png;
        client.GetBuffer(urls.TeamLogo(team), png);
        EXPECT_FALSE(QImage::fromData(QByteArray::fromStdString(png), "PNG").isNull()) << team;
    }
    std::string fallback;
    client.GetBuffer(urls.FallbackLogo(), fallback);
    EXPECT_FALSE(QImage::fromData(QByteArray::fromStdString(fallback), "PNG").isNull());
    EXPECT_FALSE(UrlExists(urls.TeamLogo("99999")));
    EXPECT_THROW(Get(urls.MatchStatistics("99999")), EHttpError);
}

TEST_F(DemoTest, LiveMatchesProgressWithTheClock)
{
    std::map<std::string, std::pair<int, int>> lastScore;
    std::map<std::string, std::set<std::string>> tipsById;
    for (int minute = 0; minute < 120; minute += 2) {
        const auto records = Records(Get(urls.LiveMatches("demo", "demo")));
        EXPECT_GE(records.size(), 8u);
        EXPECT_LE(records.size(), 15u);
        for (const std::string& r : records) {
            const std::string id = E(r, "id");
            const auto score = Split(E(r, "score"), ':');
            if (lastScore.count(id)) {
                EXPECT_GE(score.first, lastScore[id].first) << id;
                EXPECT_GE(score.second, lastScore[id].second) << id;
            }
            lastScore[id] = score;
            // The score is the sum of the quarters.
            int home = 0, away = 0;
            for (const char* q : {"q1", "q2", "q3", "q4"})
                if (!E(r, q).empty()) {
                    home += Split(E(r, q), ':').first;
                    away += Split(E(r, q), ':').second;
                }
            EXPECT_EQ(std::make_pair(home, away), score);
            EXPECT_TRUE(std::set<std::string>({"1Q", "2Q", "3Q", "4Q"}).count(E(r, "vr")));
            if (!E(r, "rb").empty())
                tipsById[E(r, "rb")].insert(id);
        }
        demo.AdvanceClock(120s);
    }
    EXPECT_GT(lastScore.size(), 30u) << "finished matches make way for new ones";
    EXPECT_GT(tipsById.size(), 10u);
    bool shared = false;
    for (const auto& [tip, ids] : tipsById)
        shared = shared || ids.size() > 1;
    EXPECT_TRUE(shared) << "now and then two matches carry the same tip";
}

TEST_F(DemoTest, MostSpecificScriptWins)
{
    TDemoReply any;
    any.body = "<match><id>any</id></match>";
    TDemoReply live;
    live.body = "<match><id>live</id></match>";
    demo.Script("/login/hl.php", any);
    demo.Script("/login/hl.php?menu=live", live);
    EXPECT_EQ(Get(urls.LiveMatches("demo", "demo")), *live.body);
    EXPECT_EQ(Get(urls.LineMatches("demo", "demo")), *any.body);

    TDemoReply refused;
    refused.status = 503;
    demo.Script("/login/hl.php?menu=live&login=demo", refused);
    EXPECT_THROW(Get(urls.LiveMatches("demo", "demo")), EHttpError);

    demo.ClearScripts();
    EXPECT_GE(Records(Get(urls.LiveMatches("demo", "demo"))).size(), 8u);
}

} // namespace
