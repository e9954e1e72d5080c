#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

bool ValidHost(const QString& host)
{
    return !host.isEmpty() && !host.contains(QLatin1Char('/')) && !host.contains(QLatin1Char(' '))
           && !host.contains(QLatin1Char(':'));
}

// HOST or HOST:PORT with a port of 1..65535.
bool ValidServiceHost(const QString& value)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return ValidHost(value);
    bool ok = false;
    const int port = value.mid(colon + 1).toInt(&ok);
    return ok && port >= 1 && port <= 65535 && ValidHost(value.left(colon));
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Hoopline: basketball forecasts, live matches and statistics."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption service(QStringLiteral("service-host"),
                                     QStringLiteral("Forecast service to use."),
                                     QStringLiteral("HOST[:PORT]"));
    const QCommandLineOption site(QStringLiteral("site-host"),
                                  QStringLiteral("Web site for the download page."),
                                  QStringLiteral("HOST"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Run against a built-in demo service."));
    parser.addOption(service);
    parser.addOption(site);
    parser.addOption(demo);

    TCommandLine out;
    out.serviceHost = HOOPLINE_SERVICE_HOST;
    out.siteHost = HOOPLINE_SITE_HOST;
    if (!parser.parse(arguments)) {
        out.action = TCommandLine::TAction::Error;
        out.message = parser.errorText();
        return out;
    }
    if (parser.isSet(help)) {
        out.action = TCommandLine::TAction::Help;
        out.message = parser.helpText();
        return out;
    }
    if (parser.isSet(version)) {
        out.action = TCommandLine::TAction::Version;
        out.message = QStringLiteral("Hoopline " HOOPLINE_VERSION "\n");
        return out;
    }
    if (!parser.positionalArguments().isEmpty()) {
        out.action = TCommandLine::TAction::Error;
        out.message = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first();
        return out;
    }
    // Takes a host option's value when valid; false (with the error set) when not.
    const auto take = [&](const QCommandLineOption& option, bool (*valid)(const QString&),
                          const char* shape, std::string& into) {
        if (!parser.isSet(option))
            return true;
        const QString value = parser.value(option);
        if (!valid(value)) {
            out.action = TCommandLine::TAction::Error;
            out.message = QStringLiteral("Invalid --%1, expected %2: %3")
                              .arg(option.names().first(), QLatin1String(shape), value);
            return false;
        }
        into = value.toStdString();
        return true;
    };
    if (!take(service, ValidServiceHost, "HOST[:PORT]", out.serviceHost)
        || !take(site, ValidHost, "HOST", out.siteHost))
        return out;
    out.demo = parser.isSet(demo);
    return out;
}

TCommandLine ProcessCommandLine(const QStringList& arguments)
{
    TCommandLine options = ParseCommandLine(arguments);
    switch (options.action) {
    case TCommandLine::TAction::Run:
        return options;
    case TCommandLine::TAction::Help:
    case TCommandLine::TAction::Version:
        std::fputs(options.message.toLocal8Bit().constData(), stdout);
        std::exit(0);
    case TCommandLine::TAction::Error:
        std::fprintf(stderr, "%s\n", options.message.toLocal8Bit().constData());
        std::exit(2);
    }
    return options;
}
