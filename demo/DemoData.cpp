#include "demo/DemoData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

// splitmix64: the same numbers on every platform, unlike std:: distributions.
class TRng {
public:
    explicit TRng(unsigned long long seed) : state_(seed) {}
    unsigned long long Next()
    {
        unsigned long long z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Real() { return double(Next() >> 11) / double(1ull << 53); }
    int Int(int lo, int hi) { return lo + int(Next() % unsigned(hi - lo + 1)); }
    double Noise() { return Real() + Real() + Real() - 1.5; } // roughly -1.5..1.5, peaked

private:
    unsigned long long state_;
};

unsigned long long Mix(unsigned long long a, unsigned long long b)
{
    return TRng(a * 1000003ull ^ b).Next();
}

struct TLeagueSeed {
    const char* country;
    const char* league;
    int averageTotal;
    std::vector<const char*> cities;
};

// Countries use the service's spelling of the flag table.
const std::vector<TLeagueSeed>& LeagueSeeds()
{
    static const std::vector<TLeagueSeed> seeds = {
        {"Spain", "ACB", 162, {"Madrid", "Barcelona", "Valencia", "Malaga", "Bilbao", "Zaragoza", "Murcia", "Sevilla"}},
        {"Italy", "Lega A", 160, {"Milano", "Bologna", "Venezia", "Sassari", "Brescia", "Trento", "Varese"}},
        {"France", "Pro A", 158, {"Lyon", "Monaco", "Paris", "Nanterre", "Dijon", "Strasbourg", "Le Mans"}},
        {"Germany", "BBL", 165, {"Berlin", "Munich", "Bamberg", "Ulm", "Oldenburg", "Bonn", "Hamburg"}},
        {"Greece", "A1", 154, {"Athens", "Piraeus", "Thessaloniki", "Patras", "Larissa", "Lavrio"}},
        {"Turkey", "BSL", 161, {"Istanbul", "Ankara", "Izmir", "Bursa", "Antalya", "Konya"}},
        {"Lithuania", "LKL", 163, {"Kaunas", "Vilnius", "Klaipeda", "Panevezys", "Siauliai", "Alytus"}},
        {"Serbia", "KLS", 157, {"Belgrade", "Novi Sad", "Nis", "Kragujevac", "Cacak", "Subotica"}},
        {"Russia", "VTB League", 159, {"Moscow", "Kazan", "Samara", "Perm", "Sochi", "Nizhny"}},
        {"Israel", "Super League", 166, {"Tel Aviv", "Jerusalem", "Haifa", "Holon", "Eilat", "Ashdod"}},
        {"Croatia", "Premijer Liga", 156, {"Zagreb", "Split", "Zadar", "Rijeka", "Osijek", "Sibenik"}},
        {"Poland", "PLK", 160, {"Warsaw", "Gdansk", "Wroclaw", "Lublin", "Torun", "Szczecin"}},
        {"Argentina", "Liga Nacional", 158, {"Buenos Aires", "Cordoba", "Rosario", "Mar del Plata", "Mendoza", "Salta"}},
        {"Brazil", "NBB", 164, {"Sao Paulo", "Rio", "Brasilia", "Franca", "Bauru", "Fortaleza"}},
        {"Australia", "NBL", 170, {"Sydney", "Melbourne", "Perth", "Brisbane", "Adelaide", "Cairns"}},
        {"China", "CBA", 198, {"Beijing", "Shanghai", "Guangdong", "Liaoning", "Shenzhen", "Zhejiang"}},
        {"Japan", "B.League", 160, {"Tokyo", "Osaka", "Nagoya", "Chiba", "Utsunomiya", "Kawasaki"}},
        {"South Korea", "KBL", 158, {"Seoul", "Busan", "Incheon", "Ulsan", "Suwon", "Daegu"}},
        {"Latvia", "LBL", 162, {"Riga", "Ventspils", "Liepaja", "Valmiera", "Jelgava", "Ogre"}},
        {"Slovenia", "Liga Nova KBM", 157, {"Ljubljana", "Koper", "Celje", "Krka", "Sencur", "Zlatorog"}},
    };
    return seeds;
}

const char* const kNicknames[] = {"Lions", "Eagles", "Bears", "Wolves", "Sharks", "Falcons", "Titans",
                                  "Rockets", "Giants", "Hawks", "Bulls", "Knights", "Stars", "Dragons"};

constexpr int kLiveSlots = 14;
constexpr int kGameMinutes = 40;
constexpr int kCycleMinutes = 50;           // 40 in play, then a pause before the slot's next match
constexpr seconds kRealPerGameMinute{15};   // a whole match takes ten real minutes
constexpr int kLiveIdBase = 5000000;
constexpr int kLineIdBase = 310001;

std::string Fixed(double v, int decimals)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string Pair(int a, int b, char sep = ':') { return std::to_string(a) + sep + std::to_string(b); }

std::tm Local(TDemoData::TClock::time_point t)
{
    const std::time_t tt = TDemoData::TClock::to_time_t(t);
    std::tm tm{};
    localtime_r(&tt, &tm);
    return tm;
}

std::string DateText(TDemoData::TClock::time_point t)
{
    const std::tm tm = Local(t);
    char buf[40];  // room for any int, as the compiler checks
    std::snprintf(buf, sizeof buf, "%02d.%02d.%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
    return buf;
}

std::string TimeText(TDemoData::TClock::time_point t)
{
    const std::tm tm = Local(t);
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", tm.tm_hour, tm.tm_min);
    return buf;
}

class TDoc {
public:
    TDoc& Add(std::string_view name, std::string_view value)
    {
        text_ += '<';
        text_ += name;
        text_ += '>';
        text_ += value;
        text_ += "</";
        text_ += name;
        text_ += '>';
        return *this;
    }
    TDoc& Add(std::string_view name, int value) { return Add(name, std::to_string(value)); }
    TDoc& Add(std::string_view name, const TDoc& inner) { return Add(name, inner.text_); }
    TDoc& Raw(std::string_view s)
    {
        text_ += s;
        return *this;
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

struct TForecast {
    int home = 0, away = 0, percentHome = 50;
    double oddsHome = 1.9, oddsAway = 1.9;
};

TForecast Forecast(const TDemoData::TTeam& h, const TDemoData::TTeam& a, int averageTotal)
{
    TForecast f;
    const double edge = (h.rating - a.rating) * 7.0 + 1.5; // home court counts
    f.home = int(std::lround(averageTotal / 2.0 + edge));
    f.away = int(std::lround(averageTotal / 2.0 - edge));
    const double p = 1.0 / (1.0 + std::exp(-(f.home - f.away) / 7.0));
    f.percentHome = std::clamp(int(std::lround(p * 100)), 3, 97);
    const double margin = 0.94;
    f.oddsHome = std::max(1.02, margin / (f.percentHome / 100.0));
    f.oddsAway = std::max(1.02, margin / (1 - f.percentHome / 100.0));
    return f;
}

TDoc Lines(TRng& rng, const TForecast& f, bool withWinOdds)
{
    const double hand = std::round((f.away - f.home) * 2.0) / 2.0 + (rng.Real() < 0.5 ? 0.5 : -0.5);
    const double total = f.home + f.away + 0.5 + rng.Int(-3, 3);
    TDoc kf;
    if (withWinOdds)
        kf.Add("w1", Fixed(f.oddsHome, 2)).Add("w2", Fixed(f.oddsAway, 2));
    kf.Add("hand1", (hand > 0 ? "+" : "") + Fixed(hand, 1))
        .Add("kof1", Fixed(1.80 + rng.Real() * 0.2, 2))
        .Add("hand2", (hand < 0 ? "+" : "") + Fixed(-hand, 1))
        .Add("kof2", Fixed(1.80 + rng.Real() * 0.2, 2))
        .Add("total", Fixed(total, 1))
        .Add("u", Fixed(1.80 + rng.Real() * 0.2, 2))
        .Add("o", Fixed(1.80 + rng.Real() * 0.2, 2));
    return kf;
}

std::string QuarterList(const TDemoData::TGame& g)
{
    std::string out = "(";
    for (int q = 0; q < 4; ++q)
        out += (q ? ", " : "") + Pair(g.quarters[q][0], g.quarters[q][1]);
    return out + ")";
}

// Records of past games plus the summary of them from `side`'s view (-1: the
// first listed home team's view, for meetings of two teams).
struct TSummary {
    int games = 0, wins = 0, losses = 0, points = 0, against = 0;
    std::array<int, 4> quarters{};
};

std::string Average(int sum, int count) { return count ? Fixed(double(sum) / count, 1) : "0"; }

TDoc SummaryDoc(const std::string& prefix, const TSummary& s)
{
    TDoc d;
    d.Add("winner1", s.games ? int(std::lround(100.0 * s.wins / s.games)) : 0)
        .Add(prefix + "_win", s.wins)
        .Add(prefix + "_loss", s.losses)
        .Add(prefix + "_t1", Average(s.points, s.games))
        .Add(prefix + "_t2", Average(s.against, s.games))
        .Add(prefix + "_at", Average(s.points + s.against, s.games));
    for (int q = 0; q < 4; ++q)
        d.Add(prefix + "_q" + std::to_string(q + 1), Average(s.quarters[q], s.games));
    return d;
}

} // namespace

int TDemoData::TGame::Points(int side) const
{
    int sum = 0;
    for (const auto& q : quarters)
        sum += q[side];
    return sum;
}

TDemoData::TDemoData(TClock::time_point start) : start_(start)
{
    TRng rng(20261210);
    for (const TLeagueSeed& seed : LeagueSeeds()) {
        TLeague league{seed.country, seed.league, seed.averageTotal, {}, {}};
        const int leagueIndex = int(leagues_.size());
        for (const char* city : seed.cities) {
            const std::string nickname = kNicknames[rng.Int(0, std::size(kNicknames) - 1)];
            league.teams.push_back(int(teams_.size()));
            teams_.push_back({std::to_string(1000 + leagueIndex * 100 + int(league.teams.size())),
                              std::string(city) + " " + nickname, seed.country, rng.Real()});
            leagueOf_.push_back(leagueIndex);
        }
        leagues_.push_back(std::move(league));
    }
    // The confederation competition: the two best-rated teams of ten leagues.
    TLeague europe{"Europe", "Euroleague", 160, {}, {}};
    for (int l = 0; l < 10; ++l) {
        std::vector<int> t = leagues_[l].teams;
        std::sort(t.begin(), t.end(), [&](int a, int b) { return teams_[a].rating > teams_[b].rating; });
        europe.teams.insert(europe.teams.end(), t.begin(), t.begin() + 2);
    }
    leagues_.push_back(std::move(europe));

    for (TLeague& league : leagues_) {
        const int games = 2 * (int(league.teams.size()) - 1) + rng.Int(0, 2);
        for (int t : league.teams) {
            const double r = teams_[t].rating;
            TTableRow row{t, games, 0, 0, 0};
            row.wins = std::clamp(int(std::lround(games * (0.15 + 0.7 * r + 0.05 * rng.Noise()))), 0, games);
            const double perGame = league.averageTotal / 2.0;
            row.scored = int(std::lround(games * (perGame + (r - 0.5) * 10 + rng.Noise() * 2)));
            row.conceded = int(std::lround(games * (perGame - (r - 0.5) * 10 + rng.Noise() * 2)));
            league.table.push_back(row);
        }
        std::sort(league.table.begin(), league.table.end(), [](const TTableRow& a, const TTableRow& b) {
            const int pa = 2 * a.wins + (a.games - a.wins), pb = 2 * b.wins + (b.games - b.wins);
            return pa != pb ? pa > pb : a.scored - a.conceded > b.scored - b.conceded;
        });
    }

    // 32 upcoming matches over every competition, one every 2 h 15 min from the next full hour.
    const auto firstHour = std::chrono::floor<hours>(start_) + hours(2);
    for (int i = 0; i < 32; ++i) {
        const int l = (i * 5) % int(leagues_.size());
        const std::vector<int>& t = leagues_[l].teams;
        TRng pick(Mix(77, i));
        const int h = pick.Int(0, int(t.size()) - 1);
        const int a = (h + pick.Int(1, int(t.size()) - 1)) % int(t.size());
        line_.push_back({std::to_string(kLineIdBase + i), l, t[h], t[a], firstHour + minutes(135 * i),
                         pick.Real() < 0.75, Mix(78, i)});
    }
}

std::string TDemoData::LoginAccepted()
{
    return "<PODPISKA>Demo account, subscription until 31.12.2027</PODPISKA>";
}

std::string TDemoData::LoginRejected()
{
    return "<html><body><b>Autorization Fail</b>: wrong login or password</body></html>";
}

bool TDemoData::IsTeam(std::string_view teamId) const
{
    return std::any_of(teams_.begin(), teams_.end(), [&](const TTeam& t) { return t.id == teamId; });
}

TDemoData::TGame TDemoData::PlayGame(unsigned long long seed, int league, int home, int away,
                                     TClock::time_point date) const
{
    TRng rng(seed);
    TGame g;
    g.date = date;
    g.home = home;
    g.away = away;
    const TForecast f = Forecast(teams_[home], teams_[away], leagues_[league].averageTotal);
    for (auto& q : g.quarters) {
        q[0] = std::max(8, int(std::lround(f.home / 4.0 + rng.Noise() * 4)));
        q[1] = std::max(8, int(std::lround(f.away / 4.0 + rng.Noise() * 4)));
    }
    if (g.Points(0) == g.Points(1)) // no extra time here: the better side takes the last quarter
        ++g.quarters[3][teams_[home].rating >= teams_[away].rating ? 0 : 1];
    return g;
}

std::vector<TDemoData::TGame> TDemoData::RecentGames(int team) const
{
    // Rounds of the domestic league, newest first, paired by the circle method,
    // so the game of two teams on one day is the same game in both their lists.
    const int league = leagueOf_[team];
    const std::vector<int>& mates = leagues_[league].teams;
    std::vector<int> slots = mates;
    if (slots.size() % 2)
        slots.push_back(-1); // a bye
    const int n = int(slots.size());
    const int count = TRng(Mix(team, 9)).Int(6, 10);
    std::vector<TGame> games;
    for (int round = 0; int(games.size()) < count && round < 4 * n; ++round) {
        std::vector<int> order{slots[0]};
        for (int i = 0; i < n - 1; ++i)
            order.push_back(slots[1 + (i + round) % (n - 1)]);
        for (int i = 0; i < n / 2; ++i) {
            int home = order[i], away = order[n - 1 - i];
            if (home != team && away != team)
                continue;
            if (home < 0 || away < 0)
                break;
            if ((round + i) % 2)
                std::swap(home, away);
            const auto date = std::chrono::floor<hours>(start_) - hours(24 * (3 * round + 2) + league % 5);
            games.push_back(PlayGame(Mix(league * 1000 + round, 300 + i), league, home, away, date));
        }
    }
    return games;
}

std::vector<TDemoData::TGame> TDemoData::Meetings(int home, int away) const
{
    const int league = leagueOf_[home] == leagueOf_[away] ? leagueOf_[home] : int(leagues_.size()) - 1;
    const auto lo = std::min(home, away), hi = std::max(home, away);
    TRng rng(Mix(lo * 1000 + hi, 11));
    std::vector<TGame> games;
    const int count = rng.Int(3, 6);
    for (int i = 0; i < count; ++i) {
        const auto date = std::chrono::floor<hours>(start_) - hours(24 * (90 * i + 60 + rng.Int(0, 20)));
        games.push_back(i % 2 ? PlayGame(Mix(lo * 1000 + hi, 200 + i), league, hi, lo, date)
                              : PlayGame(Mix(lo * 1000 + hi, 200 + i), league, lo, hi, date));
    }
    return games;
}

std::string TDemoData::Form(int team) const
{
    std::string out;
    for (const TGame& g : RecentGames(team)) {
        const int side = g.home == team ? 0 : 1;
        out += g.Points(side) > g.Points(1 - side) ? 'W' : 'L';
        if (out.size() == 6)
            break;
    }
    return out;
}

std::string TDemoData::MeetingsSummary(int home, int away) const
{
    int homeWins = 0, awayWins = 0;
    for (const TGame& g : Meetings(home, away)) {
        const int winner = g.Points(0) > g.Points(1) ? g.home : g.away;
        (winner == home ? homeWins : awayWins)++;
    }
    return Pair(homeWins, awayWins);
}

std::string TDemoData::LineDocument() const
{
    TDoc doc;
    for (const TMatch& m : line_) {
        const TLeague& l = leagues_[m.league];
        const TForecast f = Forecast(teams_[m.home], teams_[m.away], l.averageTotal);
        TRng rng(m.seed);
        TDoc rec;
        rec.Add("id", m.id)
            .Add("country", l.country)
            .Add("liga", l.name)
            .Add("date", DateText(m.kickoff))
            .Add("time", TimeText(m.kickoff))
            .Add("home", teams_[m.home].name)
            .Add("away", teams_[m.away].name)
            .Add("kf1", Fixed(f.oddsHome, 2))
            .Add("kf2", Fixed(f.oddsAway, 2))
            .Add("forecast", Pair(f.home, f.away))
            .Add("precent", Pair(f.percentHome, 100 - f.percentHome, '-'))
            .Add("latest1", Form(m.home))
            .Add("latest2", Form(m.away))
            .Add("h2h", MeetingsSummary(m.home, m.away));
        if (m.hasLines)
            rec.Add("LIVE_KF", Lines(rng, f, false));
        doc.Raw("\r\n").Add("match", rec);
    }
    return doc.Raw("\r\n").Text();
}

TDemoData::TMatch TDemoData::LiveMatch(int slot, long cycle) const
{
    TRng rng(Mix(slot + 1, cycle + 1));
    TMatch m;
    m.id = std::to_string(kLiveIdBase + slot * 10000 + int(cycle % 10000));
    m.league = rng.Int(0, int(leagues_.size()) - 1);
    const std::vector<int>& t = leagues_[m.league].teams;
    const int h = rng.Int(0, int(t.size()) - 1);
    m.home = t[h];
    m.away = t[(h + rng.Int(1, int(t.size()) - 1)) % t.size()];
    // Slots are staggered so that 11 or 12 of the 14 are in play at any time.
    const long offsetMinutes = long(slot) * kCycleMinutes / kLiveSlots;
    m.kickoff = start_ + kRealPerGameMinute * (cycle * kCycleMinutes - offsetMinutes);
    m.hasLines = rng.Real() < 0.8;
    m.seed = rng.Next();
    return m;
}

std::string TDemoData::LiveDocument(TClock::time_point now) const
{
    TDoc doc;
    const auto elapsed = std::chrono::duration_cast<seconds>(now - start_);
    const std::vector<std::string> sharedTips = {"Total Over in 4Q", "Home win in 2nd half", "Away +5.5 in 3Q"};
    for (int slot = 0; slot < kLiveSlots; ++slot) {
        const long offsetMinutes = long(slot) * kCycleMinutes / kLiveSlots;
        const long played = long(elapsed / kRealPerGameMinute) + offsetMinutes; // game minutes since cycle 0
        const long cycle = played >= 0 ? played / kCycleMinutes : -1;
        if (cycle < 0)
            continue;
        const TMatch m = LiveMatch(slot, cycle);
        // Seconds of game time run since this match's kick-off.
        const long gameSeconds = long((now - m.kickoff) / std::chrono::seconds(1)) * 60 / kRealPerGameMinute.count();
        if (gameSeconds < 0 || gameSeconds >= kGameMinutes * 60)
            continue;
        const int quarter = int(gameSeconds / 600);
        const double inQuarter = (gameSeconds % 600) / 600.0;
        const TLeague& l = leagues_[m.league];
        const TForecast f = Forecast(teams_[m.home], teams_[m.away], l.averageTotal);
        const TGame full = PlayGame(m.seed, m.league, m.home, m.away, m.kickoff);

        TRng rng(m.seed ^ 0x5555);
        TDoc rec;
        std::array<std::string, 4> qs;
        int sh = 0, sa = 0;
        for (int q = 0; q <= quarter; ++q) {
            const double part = q < quarter ? 1.0 : inQuarter;
            const int ph = int(full.quarters[q][0] * part), pa = int(full.quarters[q][1] * part);
            qs[q] = Pair(ph, pa);
            sh += ph;
            sa += pa;
        }
        const int left = 600 - int(gameSeconds % 600);
        char clock[8];
        std::snprintf(clock, sizeof clock, "%02d:%02d", left / 60, left % 60);

        // About two in three matches get a tip some minutes in; a few share a stock text.
        std::string tip;
        const int tipMinute = rng.Int(6, 30);
        if (rng.Real() < 0.65 && gameSeconds >= tipMinute * 60) {
            tip = rng.Real() < 0.2 ? sharedTips[rng.Int(0, int(sharedTips.size()) - 1)]
                                   : "Total " + std::string(rng.Real() < 0.5 ? "Over " : "Under ")
                                         + Fixed(f.home + f.away + rng.Int(-6, 6) + 0.5, 1) + " ("
                                         + teams_[m.home].name + " - " + teams_[m.away].name + ")";
        }
        rec.Add("id", m.id)
            .Add("country", l.country)
            .Add("liga", l.name)
            .Add("time", TimeText(m.kickoff))
            .Add("vr", std::to_string(quarter + 1) + "Q")
            .Add("q", clock)
            .Add("home", teams_[m.home].name)
            .Add("away", teams_[m.away].name)
            .Add("kf1", Fixed(f.oddsHome, 2))
            .Add("kf2", Fixed(f.oddsAway, 2))
            .Add("score", Pair(sh, sa))
            .Add("q1", qs[0]).Add("q2", qs[1]).Add("q3", qs[2]).Add("q4", qs[3])
            .Add("q5", "")
            .Add("forecast", Pair(f.home, f.away))
            .Add("precent", Pair(f.percentHome, 100 - f.percentHome, '-'))
            .Add("h2h", MeetingsSummary(m.home, m.away))
            .Add("rb", tip);
        if (m.hasLines) {
            // Live win odds follow the score.
            TForecast live = f;
            const double p = 1.0 / (1.0 + std::exp(-((sh - sa) + (f.home - f.away) * (1 - gameSeconds / 2400.0)) / 6.0));
            live.oddsHome = std::max(1.01, 0.94 / std::clamp(p, 0.02, 0.98));
            live.oddsAway = std::max(1.01, 0.94 / std::clamp(1 - p, 0.02, 0.98));
            rec.Add("LIVE_KF", Lines(rng, live, true));
        }
        doc.Raw("\r\n").Add("match", rec);
    }
    return doc.Raw("\r\n").Text();
}

std::optional<TDemoData::TMatch> TDemoData::FindMatch(std::string_view id, TClock::time_point now) const
{
    for (const TMatch& m : line_)
        if (m.id == id)
            return m;
    long value = 0;
    for (char c : id) {
        if (c < '0' || c > '9' || value > 100000000)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (id.empty() || value < kLiveIdBase || value >= kLiveIdBase + kLiveSlots * 10000)
        return std::nullopt;
    const int slot = int((value - kLiveIdBase) / 10000);
    const long cycle = (value - kLiveIdBase) % 10000;
    const TMatch m = LiveMatch(slot, cycle);
    if (m.kickoff > now) // not played yet: the service has never listed it
        return std::nullopt;
    return m;
}

std::optional<std::string> TDemoData::StatsDocument(std::string_view matchId, TClock::time_point now) const
{
    const std::optional<TMatch> m = FindMatch(matchId, now);
    if (!m)
        return std::nullopt;
    return StatsFor(*m);
}

std::string TDemoData::StatsFor(const TMatch& m) const
{
    const TLeague& l = leagues_[m.league];
    const TTeam& home = teams_[m.home];
    const TTeam& away = teams_[m.away];
    const TForecast f = Forecast(home, away, l.averageTotal);
    const bool live = m.id.size() == 7;

    TDoc stat;
    stat.Add("id", m.id)
        .Add("id_home", home.id)
        .Add("id_away", away.id)
        .Add("home", home.name)
        .Add("away", away.name)
        .Add("country1", home.country)
        .Add("country2", away.country)
        // In-play matches have no pre-match odds here; the list row has them.
        .Add("kf1", live ? std::string("-") : Fixed(f.oddsHome, 2))
        .Add("kf2", live ? std::string("-") : Fixed(f.oddsAway, 2))
        .Add("date", DateText(m.kickoff))
        .Add("time", TimeText(m.kickoff))
        .Add("country", l.country)
        .Add("liga", l.name);

    int totalGoals = 0, totalGames = 0;
    for (const TTableRow& r : l.table) {
        totalGoals += r.scored + r.conceded;
        totalGames += r.games;
    }
    const auto tableOf = [&](int team, const char* winnersName, const char* scoredName,
                             const char* concededName) {
        const auto it = std::find_if(l.table.begin(), l.table.end(), [&](const TTableRow& r) { return r.team == team; });
        const TTableRow& r = *it;
        TDoc t;
        t.Add("country", l.country)
            .Add("liga", l.name)
            .Add("num", int(it - l.table.begin()) + 1)
            .Add("game", r.games)
            .Add("win", r.wins)
            .Add("loss", r.games - r.wins)
            .Add("goals", Pair(r.scored, r.conceded))
            .Add("pts", 2 * r.wins + (r.games - r.wins));
        stat.Add(winnersName, int(std::lround(100.0 * r.wins / r.games)))
            .Add(scoredName, Fixed(double(r.scored) / r.games, 1))
            .Add(concededName, Fixed(double(r.conceded) / r.games, 1));
        return t;
    };
    stat.Add("table1", tableOf(m.home, "winners1", "hz", "hp"));
    stat.Add("table2", tableOf(m.away, "winners2", "az", "ap"));
    stat.Add("avgtotals", Fixed(double(totalGoals) / std::max(1, totalGames), 1));

    const auto list = [&](const std::vector<TGame>& games, int team, const char* win, const char* loss,
                          TSummary& s) {
        TDoc sub;
        for (const TGame& g : games) {
            // A team list counts from that team's side, the meetings from the home team's.
            const int side = g.home == team ? 0 : 1;
            const bool won = g.Points(side) > g.Points(1 - side);
            ++s.games;
            (won ? s.wins : s.losses)++;
            s.points += g.Points(side);
            s.against += g.Points(1 - side);
            for (int q = 0; q < 4; ++q)
                s.quarters[q] += g.quarters[q][0] + g.quarters[q][1];
            const bool homeWon = g.Points(0) > g.Points(1);
            TDoc rec;
            rec.Add("date", DateText(g.date))
                .Add("home", teams_[g.home].name)
                .Add("away", teams_[g.away].name)
                .Add("score", Pair(g.Points(0), g.Points(1)))
                .Add("q", QuarterList(g))
                .Add("itog", *win == 'W' ? (won ? win : loss) : (homeWon ? win : loss));
            sub.Raw("\r\n").Add("match", rec);
        }
        return sub;
    };
    TSummary s1, s2, s0;
    stat.Add("Latest1", list(RecentGames(m.home), m.home, "W", "L", s1));
    stat.Add("Latest2", list(RecentGames(m.away), m.away, "W", "L", s2));
    stat.Add("H2H", list(Meetings(m.home, m.away), m.home, "1", "2", s0));
    stat.Add("stat0", SummaryDoc("h2h", s0)).Add("stat1", SummaryDoc("l1", s1)).Add("stat2", SummaryDoc("l2", s2));
    stat.Add("TOTAL1", f.home).Add("TOTAL2", f.away)
        .Add("PRECENT1", f.percentHome).Add("PRECENT2", 100 - f.percentHome);
    return TDoc().Add("stat", stat).Text();
}
