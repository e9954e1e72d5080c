// Program entry: the application object, the main window, the message loop.
#include "app/CommandLine.h"
#include "app/Unit1.h"
#include "demo/DemoService.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Fonts.h"
#include "toolkit/Resources.h"

#include <QApplication>
#include <QScreen>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hoopline"));
    TCommandLine options = ProcessCommandLine(QApplication::arguments());
    InstallDefaultApplicationFont();
    QApplication::setWindowIcon(LoadMainIcon());

    std::unique_ptr<TDemoService> demo;
    if (options.demo) {
        try {
            demo = std::make_unique<TDemoService>();
        } catch (const std::exception& e) {
            ShowMessage(QStringLiteral("The demo service could not be started: %1").arg(QString::fromUtf8(e.what())),
                        mkError);
            return 1;
        }
        options.serviceHost = demo->Host();
    }

    int result = 0;
    {
        TForm1 form(TServiceUrls(options.serviceHost, options.siteHost));
        // Centred on the screen when first shown.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect frame = form.frameGeometry();
            form.move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
        }
        form.show();
        result = QApplication::exec();
    }
    return result;
}
