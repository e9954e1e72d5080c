#include "app/Unit1.h"

#include "app/ColumnWidths.h"
#include "app/Credentials.h"
#include "app/SoundCues.h"
#include "app/TaggedText.h"
#include "toolkit/CodePage.h"
#include "toolkit/Dialogs.h"

#include <QCloseEvent>

TForm1::TForm1(const TServiceUrls& urls, QWidget* parent)
    : TForm1Definition(parent), HttpClient1(new THttpClient(this)), urls_(urls)
{
    HttpClient1->setObjectName(QStringLiteral("HttpClient1"));
    PlaySound = PlayResourceSound;
    ProbeVersion = [](const std::string& url, std::string* reason) { return ProbeVersionMarker(url, reason); };

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
    QSettings settings;
    for (TDataGrid* grid : findChildren<TDataGrid*>()) {
        ColumnWidths::Restore(*grid, settings);
        grid->OnColumnResizedByUser = [grid](QObject*, int col) {
            QSettings changed;
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
    const auto lines = ReadCredentialsFile(QString::fromLatin1(kCredentialsFile));
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
    const QString error = WriteCredentialsFile(QString::fromLatin1(kCredentialsFile), SessionLogin, SessionPassword);
    if (!error.isEmpty())
        ShowMessage(QStringLiteral("The login could not be remembered in \"%1\": %2")
                        .arg(QString::fromLatin1(kCredentialsFile), error),
                    mkError);
}

void TForm1::RememberOrForgetCredentials()
{
    if (zap->Checked()) {
        SaveCredentials();
        return;
    }
    const QString error = DeleteCredentialsFile(QString::fromLatin1(kCredentialsFile));
    if (!error.isEmpty())
        ShowMessage(QStringLiteral("The remembered login could not be deleted from \"%1\": %2")
                        .arg(QString::fromLatin1(kCredentialsFile), error),
                    mkError);
}

void TForm1::ShowServiceUnreachable(const std::string& reason)
{
    ShowMessage(QStringLiteral("The forecast service at %1 could not be reached.\n%2")
                    .arg(FromAnsi(urls_.ServiceHost()), QString::fromStdString(reason)),
                mkError);
}

bool TForm1::PassVersionGate()
{
    std::string reason;
    switch (ProbeVersion(urls_.VersionMarker(), &reason)) {
    case TMarkerState::msCurrent:
        return true;
    case TMarkerState::msUnreachable:
        ShowServiceUnreachable(reason);
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
        HttpClient1->GetText(urls_.Login(SessionLogin, SessionPassword), body);
    } catch (const std::exception& e) {
        // A failed request is no login, whatever part of an answer came.
        ShowServiceUnreachable(e.what());
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
    Timer1->SetEnabled(true);
    skSkinForm1->SetSizeable(true);
    for (int i : {pgStats, pgLive, pgReport})
        Page->Pages(i)->SetTabVisible(true);
    Page->Pages(pgAbout)->SetTabVisible(false);
    Page->SetActivePageIndex(pgStats);
    loggedIn_ = true;
}

void TForm1::closeEvent(QCloseEvent* e)
{
    SessionLogin.clear();
    SessionPassword.clear();
    TForm1Definition::closeEvent(e);
}
