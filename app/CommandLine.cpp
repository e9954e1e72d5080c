#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

// The toolkit's own options (-platform xcb, -style ..., -reverse): read by the
// GUI when it starts, so the program's parser passes over them.
QStringList WithoutToolkitOptions(const QStringList& arguments)
{
    static const QStringList withValue{"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                       "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-display",
                                       "-style", "-stylesheet", "-session"};
    static const QStringList flags{"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (i > 0 && withValue.contains(arguments[i]))
            ++i;
        else if (i == 0 || !flags.contains(arguments[i]))
            kept.append(arguments[i]);
    }
    return kept;
}

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
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the remembered login and the team logos in DIR."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption quiet(QStringLiteral("no-notifications"),
                                   QStringLiteral("Do not announce new recommended bets on the desktop."));
    for (const QCommandLineOption* option : {&service, &site, &demo, &dataDir, &quiet})
        parser.addOption(*option);

    TCommandLine out;
    out.serviceHost = HOOPLINE_SERVICE_HOST;
    out.siteHost = HOOPLINE_SITE_HOST;
    if (!parser.parse(WithoutToolkitOptions(arguments))) {
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
    if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty()) {
        out.action = TCommandLine::TAction::Error;
        out.message = QStringLiteral("Invalid --data-dir, expected a folder");
        return out;
    }
    out.demo = parser.isSet(demo);
    out.dataDir = parser.value(dataDir);
    out.notifications = !parser.isSet(quiet);
    return out;
}

std::optional<int> ReportCommandLine(const TCommandLine& options)
{
    switch (options.action) {
    case TCommandLine::TAction::Run:
        return std::nullopt;
    case TCommandLine::TAction::Help:
    case TCommandLine::TAction::Version:
        std::fputs(options.message.toLocal8Bit().constData(), stdout);
        return 0;
    case TCommandLine::TAction::Error:
        std::fprintf(stderr, "%s\n", options.message.toLocal8Bit().constData());
        return 2;
    }
    return std::nullopt;
}
