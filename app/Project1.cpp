// Program entry: the command line, the application object, the main window, the message loop.
#include "app/CommandLine.h"
#include "app/ConnectionOptions.h"
#include "app/DesktopNotifier.h"
#include "app/Unit1.h"
#include "app/UserFolders.h"
#include "app/WindowPlacement.h"
#include "demo/DemoService.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Fonts.h"
#include "toolkit/Resources.h"

#include <QApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// While the GUI starts, Qt's messages are held back: a platform that cannot
// start ends the program with one plain sentence instead of an abort.
struct THeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<THeldMessage>* heldMessages = nullptr;

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs("Hoopline needs a graphical session, but no display could be opened.\n", stderr);
        std::_Exit(1);
    }
    heldMessages->append({type, QByteArray(context.category), text});
}

std::unique_ptr<QApplication> StartGui(int& argc, char** argv)
{
    QList<THeldMessage> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(HoldStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const THeldMessage& m : held)
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
    return app;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Hoopline"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HOOPLINE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.hoopline.Hoopline"));

    // Read before the GUI exists, so --help and --version need no display.
    TCommandLine options;
    std::optional<THttpConnection> connection;
    {
        const QCoreApplication core(argc, argv);
        options = ParseCommandLine(QCoreApplication::arguments());
        if (const std::optional<int> exitCode = ReportCommandLine(options))
            return *exitCode;
        QString error;
        connection = ConnectionFromOptions(options, error);
        if (!connection) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 2;
        }
    }

    const std::unique_ptr<QApplication> app = StartGui(argc, argv);
    InstallDefaultApplicationFont();
    QApplication::setWindowIcon(LoadMainIcon());

    const TUserFolders folders = ChooseUserFolders(options.dataDir);
    if (!folders.Create()) {
        ShowMessage(QStringLiteral("The folders for Hoopline's files could not be made:\n%1\n%2\n%3")
                        .arg(folders.data, folders.cache, folders.config),
                    mkError);
        return 1;
    }

    std::unique_ptr<TDemoService> demo;
    if (options.demo) {
        try {
            std::optional<TDemoCertificate> certificate;
            if (options.tls) {
                certificate = TDemoCertificate::Generate();
                connection->trustAnchorsPem += "\n" + certificate->certificatePem;
            }
            demo = std::make_unique<TDemoService>(0, certificate);
        } catch (const std::exception& e) {
            ShowMessage(QStringLiteral("The demo service could not be started: %1").arg(QString::fromUtf8(e.what())),
                        mkError);
            return 1;
        }
        options.serviceHost = demo->ServiceHost();
    }

    TDesktopNotifier notifier;
    int result = 0;
    {
        TForm1 form(TServiceUrls(options.serviceHost, options.siteHost), folders);
        form.HttpClient1->SetConnection(*connection);
        if (options.notifications)
            form.NotifyBet = [&notifier](const QString& bet, const QString& match) { notifier.NotifyBet(bet, match); };
        PlaceLoggedOutWindow(form);
        form.show();
        result = QApplication::exec();
    }
    return result;
}
