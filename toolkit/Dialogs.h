#pragma once
// Message boxes and the shell's "open", behind hooks so that tests can watch
// them instead of blocking on a modal box or starting a browser.
#include <QString>
#include <functional>

enum TMsgKind { mkInformation, mkError };

// Shows a modal message box with an OK button (the window caption is the
// application's name).
void ShowMessage(const QString& text, TMsgKind kind = mkInformation);
// Opens a URL or file with the desktop's default handler ("open" verb).
void ShellOpen(const QString& url);

// Test hooks: while set, they replace the box and the shell call.
using TMessageHook = std::function<void(const QString& text, TMsgKind kind)>;
using TShellHook = std::function<void(const QString& url)>;
void SetMessageHook(TMessageHook hook);
void SetShellHook(TShellHook hook);
