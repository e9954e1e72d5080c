#pragma once
// The program's options: where the forecast service and the web site are,
// whether to run against the built-in demo service, how connections go (extra
// trusted certificates, a proxy), where the per-user files go and whether new
// bets are announced on the desktop.
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

struct TCommandLine {
    enum class TAction { Run, Help, Version, Error };

    TAction action = TAction::Run;
    QString message;          // help text, version text or error text for the other actions
    std::string serviceHost;  // [https://]host[:port]; the build's default unless --service-host
    std::string siteHost;     // [https://]host; the build's default unless --site-host
    bool demo = false;        // --demo: start the demo service and use it as the service host
    bool tls = false;         // --tls (with --demo): the demo service speaks https
    QString caFile;           // --ca-file: further trusted certificate authorities (PEM)
    std::optional<std::string> proxy;  // --proxy: replaces the environment's proxies ("" for none)
    QString dataDir;          // --data-dir: one folder for every per-user file; empty for the standard ones
    bool notifications = true;  // false with --no-notifications
};

// Parses `arguments` (program name first) without side effects.
TCommandLine ParseCommandLine(const QStringList& arguments);

// For main(), before any window exists: prints help or version to stdout
// (exit code 0) or an error to stderr (exit code 2); nullopt when the
// program should run with these options.
std::optional<int> ReportCommandLine(const TCommandLine& options);
