#include "toolkit/Dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace {
TMessageHook& MessageHook()
{
    static TMessageHook hook;
    return hook;
}
TShellHook& ShellHook()
{
    static TShellHook hook;
    return hook;
}
}  // namespace

QString MessageBoxText(const QString& text)
{
    const QChar ellipsis(0x2026);
    QString out;
    int lines = 1;
    int column = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // CR LF ends one line, not two.
            const bool pair = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
            if (++lines > kMaxMessageLines)
                return out + ellipsis;
            out += c;
            if (pair)
                out += text[++i];
            column = 0;
        } else if (column < kMaxMessageLineLength) {
            out += c;
            ++column;
        } else if (column++ == kMaxMessageLineLength) {
            out += ellipsis;
        }
    }
    return out;
}

void ShowMessage(const QString& text, TMsgKind kind)
{
    QString shown = MessageBoxText(text);
    if (MessageHook()) {
        MessageHook()(shown, kind);
        return;
    }
    // Lines may end with CR, LF or CR LF, as in the service's texts.
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(kind == mkError ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationName(), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Texts come from the service and from files: markup must never become
    // links or pictures the box would fetch.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ShellOpen(const QString& url)
{
    if (ShellHook()) {
        ShellHook()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void SetMessageHook(TMessageHook hook)
{
    MessageHook() = std::move(hook);
}

void SetShellHook(TShellHook hook)
{
    ShellHook() = std::move(hook);
}
