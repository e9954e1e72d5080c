#pragma once
// The main window's logic: start-up in the logged-out state, the login with
// its version gate, the credentials file and page gating. The controls come
// from the window definition and are reached by name.
#include "app/HttpClient1.h"
#include "app/RequestRunner.h"
#include "app/ServiceUrls.h"
#include "app/UserFolders.h"
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

    // Builds the whole window, then puts it into the logged-out state. The
    // credentials and logo files live in `folders` (by default the current directory).
    explicit TForm1(const TServiceUrls& urls, const TUserFolders& folders = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    const TServiceUrls& Urls() const { return urls_; }
    const TUserFolders& Folders() const { return folders_; }
    THttpClient* HttpClient1;
    // Every request of the window waits through it, so the window stays painted.
    TRequestRunner* Requests;

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
    // Fills the view from a statistics document already received; odds1 and
    // odds2 stand in for the document's "no odds".
    void FillMatchDetails(std::string_view body, const QString& odds1, const QString& odds2);
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
    // ProbeVersion is called on the GUI thread and waits through Requests.
    std::function<void(std::string_view name)> PlaySound;
    // Announces a new recommended bet on the desktop; none when empty.
    std::function<void(const QString& bet, const QString& match)> NotifyBet;
    std::function<TMarkerState(const std::string& url, std::optional<EHttpError>* failure)> ProbeVersion;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool PassVersionGate();
    TMarkerState ProbeVersionThroughRequests(const std::string& url, std::optional<EHttpError>* failure);
    void EnterLoggedInState(std::string_view body);
    void RememberOrForgetCredentials();
    // A failed request in a message box, unless the window is closing.
    void ShowRequestFailure(const QString& action, const EHttpError& error);

    // The notices beside the lists: set after a failed load, cleared by a good one.
    void ShowLineNotice(const EHttpError* failure);
    void ShowLiveNotice(const EHttpError* failure);
    void UpdateLiveNotice();
    // A tick that fell due while a request waited runs once the request's step is done.
    void RunHeldTick();
    // Gives the grids the column widths the user set in earlier runs and keeps each new one,
    // in the settings file; without one they last for this run only.
    void RememberColumnWidths();

    // Parts of the statistics view.
    void ClearMatchDetails();
    void ShowTeamLogos(std::string_view stat);
    void ShowRecentResults(std::string_view stat);

    void AddLineMatch(std::string_view record);
    void AddLiveMatch(std::string_view record);
    void MarkQuarters(int row, std::string_view record);

    TServiceUrls urls_;
    TUserFolders folders_;
    bool loggedIn_ = false;
    // The texts of ListBox1, hashed: a refresh looks every row up in them.
    QSet<QString> seenBets_;
    // A tick may run pending messages; these keep ticks and live refreshes from nesting.
    bool ticking_ = false;
    bool liveRefreshing_ = false;
    bool tickHeld_ = false;
    QString liveFailure_;  // "Service unreachable at 12:04" while the live list is failing
};
