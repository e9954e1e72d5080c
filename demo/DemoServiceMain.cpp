// hoopline-demo-service: the demo forecast service as a program of its own.
#include "demo/DemoService.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>

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
    const QCommandLineOption tlsOption(QStringLiteral("tls"),
                                       QStringLiteral("Serve https with a certificate made at start."));
    parser.addOption(tlsOption);
    const QCommandLineOption caOutOption(
        QStringLiteral("ca-out"),
        QStringLiteral("With --tls: write the certificate to FILE, for hoopline --ca-file (default: print it)."),
        QStringLiteral("FILE"));
    parser.addOption(caOutOption);
    parser.process(app);
    if (parser.isSet(caOutOption) && !parser.isSet(tlsOption)) {
        std::fprintf(stderr, "--ca-out only works together with --tls\n");
        return 2;
    }

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
        // The key lives in memory only; clients trust the certificate itself.
        std::optional<TDemoCertificate> certificate;
        if (parser.isSet(tlsOption))
            certificate = TDemoCertificate::Generate();
        TDemoService service(static_cast<unsigned short>(port), certificate);
        std::printf("Hoopline demo service on %s://%s/ (login demo, password demo)\n",
                    certificate ? "https" : "http", service.Host().c_str());
        if (certificate && parser.isSet(caOutOption)) {
            QSaveFile out(parser.value(caOutOption));
            const QByteArray pem = QByteArray::fromStdString(certificate->certificatePem);
            if (!out.open(QIODevice::WriteOnly) || out.write(pem) != pem.size() || !out.commit()) {
                std::fprintf(stderr, "Cannot write %s: %s\n", qPrintable(out.fileName()), qPrintable(out.errorString()));
                return 1;
            }
            std::printf("Its certificate is in %s (use it with hoopline --ca-file)\n", qPrintable(out.fileName()));
        } else if (certificate) {
            std::printf("Its certificate, for hoopline --ca-file:\n%s", certificate->certificatePem.c_str());
        }
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
