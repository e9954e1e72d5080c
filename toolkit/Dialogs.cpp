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

void ShowMessage(const QString& text, TMsgKind kind)
{
    if (MessageHook()) {
        MessageHook()(text, kind);
        return;
    }
    // Lines may end with CR, LF or CR LF, as in the service's texts.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(kind == mkError ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationName(), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
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
