#include "app/Unit1.h"

#include "app/ColumnWidths.h"
#include "app/Credentials.h"
#include "app/ServiceMessages.h"
#include "app/SoundCues.h"
#include "app/TaggedText.h"
#include "app/WindowPlacement.h"
#include "toolkit/CodePage.h"
#include "toolkit/Dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

TForm1::TForm1(const TServiceUrls& urls, const TUserFolders& folders, QWidget* parent)
    : TForm1Definition(parent),
      HttpClient1(new THttpClient(this)),
      Requests(new TRequestRunner(this, Page)),
      urls_(urls),
      folders_(folders)
{
    HttpClient1->setObjectName(QStringLiteral("HttpClient1"));
    HttpClient1->SetAbort(&Requests->AbortSwitch());
    Requests->OnIdle = [this] {
        if (tickHeld_)
            QTimer::singleShot(0, this, [this] { RunHeldTick(); });
    };
    PlaySound = PlayResourceSound;
    ProbeVersion = [this](const std::string& url, std::optional<EHttpError>* failure) {
        return ProbeVersionThroughRequests(url, failure);
    };

    // Shown without "http://" so that it fits between the label's place and the page's edge.
    const QString home = FromAnsi(urls_.SiteHome());
    skSkinLinkLabel1->SetCaption(QString(home).remove(QStringLiteral("http://")));
    skSkinLinkLabel1->SetURL(home);

    skSkinXFormButton1->OnClick = [this](QObject* s) { skSkinXFormButton1Click(s); };
    skSkinXFormButton2->OnClick = [this](QObject* s) { skSkinXFormButton2Click(s); };
    Timer1->OnTimer = [this](QObject* s) { Timer1Timer(s); };
    RX->OnCellDblClick = [this](QObject* s, int c, int r) { RXCellDblClick(s, c, r); };
    RG->OnCellDblClick = [this](QObject* s, int c, int r) { RGCellDblClick(s, c, r); };
    for (TDataGrid* grid : {LG, LGG})
        grid->OnCellDblClick = [this](QObject* s, int c, int r) { LGCellDblClick(s, c, r); };
    RememberColumnWidths();

    FormCreate();
}

TForm1::~TForm1()
{
    SessionLogin.clear();
    SessionPassword.clear();
}

void TForm1::RememberColumnWidths()
{
    const QString file = folders_.SettingsFile();
    if (file.isEmpty())
        return;  // no settings file: widths last for this run only
    QSettings settings(file, QSettings::IniFormat);
    for (TDataGrid* grid : findChildren<TDataGrid*>()) {
        ColumnWidths::Restore(*grid, settings);
        grid->OnColumnResizedByUser = [grid, file](QObject*, int col) {
            QSettings changed(file, QSettings::IniFormat);
            ColumnWidths::Save(*grid, col, changed);
        };
    }
}

void TForm1::FormCreate()
{
    for (int i : {pgStats, pgLive, pgRadar, pgReport})
        Page->Pages(i)->SetTabVisible(false);
    Page->Pages(pgAbout)->SetTabVisible(true);
    LoadSavedCredentials();
    Page->SetActivePageIndex(pgAbout);
    LiveCountdown = 60;
}

void TForm1::LoadSavedCredentials()
{
    const auto lines = ReadCredentialsFile(folders_.CredentialsFile());
    if (!lines)
        return;
    zap->SetChecked(true);
    // A file cut short fills what it has.
    if (lines->size() > 0)
        loginedit->setText(FromAnsi((*lines)[0]));
    if (lines->size() > 1)
        passedit->SetText(FromAnsi((*lines)[1]));
}

void TForm1::SaveCredentials()
{
    const QString error = WriteCredentialsFile(folders_.CredentialsFile(), SessionLogin, SessionPassword);
    if (!error.isEmpty())
        ShowMessage(QStringLiteral("The login could not be remembered in \"%1\": %2")
                        .arg(folders_.CredentialsFile(), error),
                    mkError);
}

void TForm1::RememberOrForgetCredentials()
{
    if (zap->Checked()) {
        SaveCredentials();
        return;
    }
    const QString error = DeleteCredentialsFile(folders_.CredentialsFile());
    if (!error.isEmpty())
        ShowMessage(QStringLiteral("The remembered login could not be deleted from \"%1\": %2")
                        .arg(folders_.CredentialsFile(), error),
                    mkError);
}

void TForm1::ShowRequestFailure(const QString& action, const EHttpError& error)
{
    if (!Requests->Aborted())
        ShowMessage(RequestFailureMessage(action, urls_.ServiceHost(), error), mkError);
}

TMarkerState TForm1::ProbeVersionThroughRequests(const std::string& url, std::optional<EHttpError>* failure)
{
    TMarkerState state = TMarkerState::msUnreachable;
    try {
        Requests->Run(QStringLiteral("Checking the program version at %1\u2026").arg(FromAnsi(urls_.ServiceHost())),
                      [&] { state = ProbeVersionMarker(*HttpClient1, url, failure); });
    } catch (const EHttpError& e) {
        if (failure)
            failure->emplace(e);
    }
    return state;
}

bool TForm1::PassVersionGate()
{
    std::optional<EHttpError> failure;
    const TMarkerState state = ProbeVersion(urls_.VersionMarker(), &failure);
    if (Requests->Aborted())
        return false;
    switch (state) {
    case TMarkerState::msCurrent:
        return true;
    case TMarkerState::msUnreachable:
        ShowRequestFailure(QStringLiteral("The version check"), failure ? *failure : EHttpError("No answer"));
        return false;
    case TMarkerState::msOutdated:
        break;
    }
    ShowMessage(QStringLiteral("Update Programm from ") + FromAnsi(urls_.SiteHost()) + QStringLiteral("\r")
                + QStringLiteral("Обновите программу с сайта!"));
    ShellOpen(FromAnsi(urls_.DownloadPage()));
    close();
    return false;
}

void TForm1::skSkinXFormButton1Click(QObject*)
{
    PlaySound("zvuk2");
    if (!PassVersionGate())
        return;
    SessionLogin = ToAnsi(loginedit->text());
    SessionPassword = ToAnsi(passedit->Text());

    std::string body;
    try {
        const std::string url = urls_.Login(SessionLogin, SessionPassword);
        Requests->Run(QStringLiteral("Logging in to %1\u2026").arg(FromAnsi(urls_.ServiceHost())),
                      [&] { HttpClient1->GetText(url, body); });
    } catch (const EHttpError& e) {
        // A failed request is no login, whatever part of an answer came.
        ShowRequestFailure(QStringLiteral("The login"), e);
        return;
    }
    if (body.find("utorization") != std::string::npos) {
        ShowMessage(QStringLiteral("Autorization Fail..."));
        return;
    }
    EnterLoggedInState(body);
}

void TForm1::EnterLoggedInState(std::string_view body)
{
    setWindowTitle(QStringLiteral("Hoopline (") + FromAnsi(ExtractElement(body, "PODPISKA")) + QStringLiteral(")"));
    RememberOrForgetCredentials();
    LoadLineMatches();
    LoadLiveMatches();
    if (Requests->Aborted())
        return;  // the window closed while the lists loaded
    Timer1->SetEnabled(true);
    skSkinForm1->SetSizeable(true);
    if (!folders_.SettingsFile().isEmpty())
        RestoreWindowPlacement(folders_.SettingsFile(), *this);
    for (int i : {pgStats, pgLive, pgReport})
        Page->Pages(i)->SetTabVisible(true);
    Page->Pages(pgAbout)->SetTabVisible(false);
    Page->SetActivePageIndex(pgStats);
    loggedIn_ = true;
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (loggedIn_ && !folders_.SettingsFile().isEmpty())
        SaveWindowPlacement(folders_.SettingsFile(), *this);
    // A request still waiting ends now; its caller stops without a word.
    Requests->Abort();
    SessionLogin.clear();
    SessionPassword.clear();
    TForm1Definition::closeEvent(e);
}

void TForm1::keyPressEvent(QKeyEvent* e)
{
    // Enter in the login fields is a press of LOGIN; the fields leave the key to the window.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const QWidget* focus = focusWidget();
    if (enter && !e->isAutoRepeat() && !loggedIn_ && (focus == loginedit || focus == passedit)) {
        skSkinXFormButton1->Click();
        return;
    }
    TForm1Definition::keyPressEvent(e);
}
