#include "app/CommandLine.h"

#include "app/ProxyRules.h"

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

// The host part after an optional "http://" or "https://".
QString WithoutScheme(const QString& value)
{
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")})
        if (value.startsWith(scheme, Qt::CaseInsensitive))
            return value.mid(scheme.size());
    return value;
}

bool ValidSiteHost(const QString& value)
{
    return ValidHost(WithoutScheme(value));
}

// [http[s]://]HOST or HOST:PORT with a port of 1..65535.
bool ValidServiceHost(const QString& value)
{
    const QString host = WithoutScheme(value);
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return ValidHost(host);
    bool ok = false;
    const int port = host.mid(colon + 1).toInt(&ok);
    return ok && port >= 1 && port <= 65535 && ValidHost(host.left(colon));
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
                                     QStringLiteral("Forecast service to use; https:// for an encrypted connection."),
                                     QStringLiteral("[https://]HOST[:PORT]"));
    const QCommandLineOption site(QStringLiteral("site-host"),
                                  QStringLiteral("Web site for the download page."),
                                  QStringLiteral("[https://]HOST"));
    const QCommandLineOption caFile(QStringLiteral("ca-file"),
                                    QStringLiteral("Also trust the certificate authorities in FILE (PEM)."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption proxy(
        QStringLiteral("proxy"),
        QStringLiteral("HTTP proxy for every request, instead of http_proxy and https_proxy; \"\" for none."),
        QStringLiteral("URL"));
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Run against a built-in demo service."));
    const QCommandLineOption tls(QStringLiteral("tls"),
                                 QStringLiteral("With --demo: the demo service uses https."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the remembered login and the team logos in DIR."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption quiet(QStringLiteral("no-notifications"),
                                   QStringLiteral("Do not announce new recommended bets on the desktop."));
    for (const QCommandLineOption* option : {&service, &site, &caFile, &proxy, &demo, &tls, &dataDir, &quiet})
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
    if (!take(service, ValidServiceHost, "[https://]HOST[:PORT]", out.serviceHost)
        || !take(site, ValidSiteHost, "[https://]HOST", out.siteHost))
        return out;
    const auto fail = [&](const QString& message) {
        out.action = TCommandLine::TAction::Error;
        out.message = message;
        return out;
    };
    if (parser.isSet(proxy)) {
        const std::string value = parser.value(proxy).toStdString();
        const TProxyChoice choice = ParseProxyUrl(value);
        if (!value.empty() && !choice.error.empty())
            return fail(QStringLiteral("Invalid --proxy, %1: %2")
                            .arg(QString::fromStdString(choice.error), parser.value(proxy)));
        out.proxy = value;
    }
    if (parser.isSet(caFile) && parser.value(caFile).isEmpty())
        return fail(QStringLiteral("Invalid --ca-file, expected a file"));
    if (parser.isSet(tls) && !parser.isSet(demo))
        return fail(QStringLiteral("--tls only works together with --demo"));
    if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty())
        return fail(QStringLiteral("Invalid --data-dir, expected a folder"));
    out.demo = parser.isSet(demo);
    out.tls = parser.isSet(tls);
    out.caFile = parser.value(caFile);
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
