#pragma once
// Message boxes and the shell's "open", behind hooks so that tests can watch
// them instead of blocking on a modal box or starting a browser.
#include <QString>
#include <functional>

enum TMsgKind { mkInformation, mkError };

// Longest line and most lines a message box shows; longer texts are cut with "…".
constexpr int kMaxMessageLineLength = 200;
constexpr int kMaxMessageLines = 12;

// The text cut as a box shows it: long lines and too many lines end in "…";
// line ends stay as they are.
QString MessageBoxText(const QString& text);
// Shows a modal message box with an OK button (the window caption is the
// application's name). The text is always plain text, never markup; test
// hooks receive it as the box would show it.
void ShowMessage(const QString& text, TMsgKind kind = mkInformation);
// Opens a URL or file with the desktop's default handler ("open" verb).
void ShellOpen(const QString& url);

// Test hooks: while set, they replace the box and the shell call.
using TMessageHook = std::function<void(const QString& text, TMsgKind kind)>;
using TShellHook = std::function<void(const QString& url)>;
void SetMessageHook(TMessageHook hook);
void SetShellHook(TShellHook hook);
