#pragma once
// The demo service's world: leagues, teams, upcoming matches and matches in
// play, all generated from fixed seeds so every document agrees with the
// others (a team keeps its name, id, table line and recent results in every
// answer; a live match's score only grows with the clock).
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TDemoData {
public:
    using TClock = std::chrono::system_clock;

    // Upcoming matches are scheduled after `start`; live matches run from it.
    explicit TDemoData(TClock::time_point start);

    // The upcoming-match list document (25 to 40 records).
    std::string LineDocument() const;
    // The live-match list document at `now` (8 to 15 records).
    std::string LiveDocument(TClock::time_point now) const;
    // The statistics document of a listed match id; nullopt for an unknown id.
    std::optional<std::string> StatsDocument(std::string_view matchId, TClock::time_point now) const;
    // True when `teamId` names a team (its logo exists).
    bool IsTeam(std::string_view teamId) const;

    static std::string LoginAccepted();
    static std::string LoginRejected();

    struct TTeam {
        std::string id;
        std::string name;
        std::string country;
        double rating = 0; // 0..1
    };
    struct TTableRow {
        int team = 0;
        int games = 0, wins = 0, scored = 0, conceded = 0;
    };
    struct TLeague {
        std::string country; // as the service names it
        std::string name;
        int averageTotal = 160;
        std::vector<int> teams;      // indices into the team list
        std::vector<TTableRow> table; // best first
    };
    struct TMatch {
        std::string id;
        int league = 0;
        int home = 0, away = 0;
        TClock::time_point kickoff;
        bool hasLines = true;
        unsigned long long seed = 0;
    };
    struct TGame {
        TClock::time_point date;
        int home = 0, away = 0;
        std::array<std::array<int, 2>, 4> quarters{};
        int Points(int side) const;
    };

private:
    TMatch LiveMatch(int slot, long cycle) const;
    std::optional<TMatch> FindMatch(std::string_view id, TClock::time_point now) const;
    std::string StatsFor(const TMatch& m) const;
    std::vector<TGame> RecentGames(int team) const;
    std::vector<TGame> Meetings(int home, int away) const;
    TGame PlayGame(unsigned long long seed, int league, int home, int away, TClock::time_point date) const;
    std::string Form(int team) const;
    std::string MeetingsSummary(int home, int away) const;

    TClock::time_point start_;
    std::vector<TLeague> leagues_;
    std::vector<TTeam> teams_;
    std::vector<int> leagueOf_; // domestic league of each team
    std::vector<TMatch> line_;
};
