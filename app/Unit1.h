#pragma once
// The main window's logic: start-up in the logged-out state, the login with
// its version gate, the credentials file and page gating. The controls come
// from the window definition and are reached by name.
#include "app/HttpClient1.h"
#include "app/ServiceUrls.h"
#include "app/VersionGate.h"
#include "ui/Form1Definition.h"

#include <QSet>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class TForm1 : public TForm1Definition {
    Q_OBJECT
public:
    // Page indices of `Page`.
    enum { pgAbout, pgStats, pgLive, pgRadar, pgReport };

    static constexpr const char* kCredentialsFile = "log.log";

    // Builds the whole window, then puts it into the logged-out state.
    explicit TForm1(const TServiceUrls& urls, QWidget* parent = nullptr);
    ~TForm1() override;

    const TServiceUrls& Urls() const { return urls_; }
    THttpClient* HttpClient1;

    // Session state, sent with every service request once logged in.
    std::string SessionLogin;
    std::string SessionPassword;
    int LiveCountdown = 0;

    void FormCreate();
    void LoadSavedCredentials();
    // Writes SessionLogin and SessionPassword to the credentials file; a
    // failure is shown in a message box and the caller goes on.
    void SaveCredentials();

    // LOGIN
    void skSkinXFormButton1Click(QObject* Sender);
    // Refresh
    void skSkinXFormButton2Click(QObject* Sender);

    // The upcoming and the live lists.
    void LoadLineMatches();
    void LoadLiveMatches();

    // The statistics view of one match row of RX, RG, LG or LGG. Returns false
    // when the statistics request failed: the error box has been shown and
    // the view is left cleared.
    bool ShowMatchDetails(TDataGrid* grid, int row);
    // The match lists' double clicks; LGCellDblClick serves LG and LGG.
    void RXCellDblClick(QObject* Sender, int ACol, int ARow);
    void RGCellDblClick(QObject* Sender, int ACol, int ARow);
    void LGCellDblClick(QObject* Sender, int ACol, int ARow);
    // Buk: the bookmaker lines of `matchId` as RG holds them.
    void FillBookmakerLines(std::string_view matchId);

    // Rebuild the grids from a document already received (the loads fetch it first).
    void FillLineMatches(std::string_view body);
    void FillLiveMatches(std::string_view body);
    // Counts down to the next live refresh, once a second after the login.
    void Timer1Timer(QObject* Sender);
    // Announces the recommendation of LG row `row` if it was never seen this run.
    void CheckRecommendedBet(int row);
    void CopyLiveRowToBets(int row);

    bool LoggedIn() const { return loggedIn_; }

    // What the login calls outside the window; tests watch or replace them.
    std::function<void(std::string_view name)> PlaySound;
    std::function<TMarkerState(const std::string& url, std::string* reason)> ProbeVersion;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool PassVersionGate();
    void EnterLoggedInState(std::string_view body);
    void RememberOrForgetCredentials();
    void ShowServiceUnreachable(const std::string& reason);
    // Gives the grids the column widths the user set in earlier runs and keeps each new one.
    void RememberColumnWidths();

    // Parts of the statistics view.
    void ClearMatchDetails();
    void ShowTeamLogos(std::string_view stat);
    void ShowRecentResults(std::string_view stat);

    void AddLineMatch(std::string_view record);
    void AddLiveMatch(std::string_view record);
    void MarkQuarters(int row, std::string_view record);

    TServiceUrls urls_;
    bool loggedIn_ = false;
    // The texts of ListBox1, hashed: a refresh looks every row up in them.
    QSet<QString> seenBets_;
    // A tick may run pending messages; these keep ticks and live refreshes from nesting.
    bool ticking_ = false;
    bool liveRefreshing_ = false;
};
