#pragma once
// Desktop notifications for new recommended bets, through the freedesktop
// notification service on the session bus. Without a bus or without the
// service nothing happens and nothing is reported.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>

class TDesktopNotifier {
public:
    explicit TDesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus());

    // "Recommended bet", with the bet and the match it belongs to.
    void NotifyBet(const QString& bet, const QString& match);

    // The Notify call that announces a bet.
    static QDBusMessage BetMessage(const QString& bet, const QString& match);

private:
    QDBusConnection bus_;
};
