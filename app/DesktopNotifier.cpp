#include "app/DesktopNotifier.h"

#include <QVariantMap>

TDesktopNotifier::TDesktopNotifier(const QDBusConnection& bus) : bus_(bus) {}

void TDesktopNotifier::NotifyBet(const QString& bet, const QString& match)
{
    // Sent without waiting for the answer: a missing service only means an error reply nobody reads.
    if (bus_.isConnected())
        bus_.send(BetMessage(bet, match));
}

QDBusMessage TDesktopNotifier::BetMessage(const QString& bet, const QString& match)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Servers may read the body as markup; the texts come from the network.
    const QString body = bet.toHtmlEscaped() + QLatin1Char('\n') + match.toHtmlEscaped();
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("net.hoopline.Hoopline"));
    message << QStringLiteral("Hoopline") << uint(0) << QStringLiteral("hoopline") << QStringLiteral("Recommended bet")
            << body << QStringList() << hints << int(-1);
    return message;
}
