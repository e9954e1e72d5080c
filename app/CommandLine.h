#pragma once
// The program's options: where the forecast service and the web site are,
// and whether to run against the built-in demo service.
#include <QString>
#include <QStringList>

#include <string>

struct TCommandLine {
    enum class TAction { Run, Help, Version, Error };

    TAction action = TAction::Run;
    QString message;          // help text, version text or error text for the other actions
    std::string serviceHost;  // host[:port]; the build's default unless --service-host
    std::string siteHost;     // the build's default unless --site-host
    bool demo = false;        // --demo: start the demo service and use it as the service host
};

// Parses `arguments` (program name first) without side effects.
TCommandLine ParseCommandLine(const QStringList& arguments);

// For main(): prints help or version to stdout and exits 0, prints an error
// to stderr and exits 2; otherwise returns the options to run with.
TCommandLine ProcessCommandLine(const QStringList& arguments);
