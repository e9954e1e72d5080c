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
    QMessageBox box(kind == mkError ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationName(), text, QMessageBox::Ok,
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
