// hoopline-demo-service: the demo forecast service as a program of its own.
#include "demo/DemoService.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hoopline-demo-service"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Demo forecast service for Hoopline (login demo, password demo)."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port on 127.0.0.1 (0: any free port)."),
                                        QStringLiteral("N"), QStringLiteral("8642"));
    parser.addOption(portOption);
    parser.process(app);

    bool ok = false;
    const int port = parser.value(portOption).toInt(&ok);
    if (!ok || port < 0 || port > 65535) {
        std::fprintf(stderr, "Invalid port: %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }

    // Ctrl+C and SIGTERM end the program through the event loop, so the service stops cleanly.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr); // the server's threads inherit the mask
    try {
        TDemoService service(static_cast<unsigned short>(port));
        std::printf("Hoopline demo service on http://%s/ (login demo, password demo)\n",
                    service.Host().c_str());
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
