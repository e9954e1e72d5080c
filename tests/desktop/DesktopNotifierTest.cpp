// Notices of new bets reach a notification service on the bus, and without
// one nothing happens. The bus is a private one started for the test.
#include "app/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's notification service and keeps what it is sent.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString app, icon, summary, body;
        QStringList actions;
        QVariantMap hints;
        int timeout;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString& app, uint, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        calls.append({app, icon, summary, body, actions, hints, timeout});
        return uint(calls.size());
    }
};

class DesktopNotifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        ASSERT_TRUE(daemon_.waitForStarted(10000)) << "dbus-daemon is part of the test setup (scripts/setup)";
        QDeadlineTimer deadline(10000);
        while (!daemon_.canReadLine() && !deadline.hasExpired())
            daemon_.waitForReadyRead(100);
        address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
        ASSERT_FALSE(address_.isEmpty());
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        QDBusConnection::disconnectFromBus(QStringLiteral("program"));
        daemon_.kill();
        daemon_.waitForFinished();
    }

    QDBusConnection Connect(const QString& name) { return QDBusConnection::connectToBus(address_, name); }

private:
    QProcess daemon_;
    QString address_;
};

TEST_F(DesktopNotifierTest, NewBetReachesTheService)
{
    QDBusConnection service = Connect(QStringLiteral("service"));
    ASSERT_TRUE(service.isConnected());
    FakeNotifications fake;
    ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake,
                                       QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));

    TDesktopNotifier notifier(Connect(QStringLiteral("program")));
    notifier.NotifyBet(QStringLiteral("Total <b>over</b> 155 & more"), QStringLiteral("Zadar – Rijeka"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !fake.calls.isEmpty(); }, 10000)) << "nothing arrived";
    QTest::qWait(100);
    ASSERT_EQ(fake.calls.size(), 1);
    const FakeNotifications::Call& call = fake.calls.front();
    EXPECT_EQ(call.app, "Hoopline");
    EXPECT_EQ(call.summary, "Recommended bet");
    EXPECT_EQ(call.body, QStringLiteral("Total &lt;b&gt;over&lt;/b&gt; 155 &amp; more\nZadar – Rijeka"))
        << "texts from the service are never taken as markup";
    EXPECT_EQ(call.hints.value(QStringLiteral("desktop-entry")).toString(), "net.hoopline.Hoopline");
}

// Whether the bus has no such service or there is no bus at all: no error, no message.
TEST_F(DesktopNotifierTest, NoServiceIsSilent)
{
    QStringList logged;
    static QStringList* sink;
    sink = &logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { sink->append(text); });

    TDesktopNotifier onBus(Connect(QStringLiteral("program")));
    onBus.NotifyBet(QStringLiteral("Over 150"), QStringLiteral("A – B"));
    TDesktopNotifier noBus(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                         QStringLiteral("dead")));
    noBus.NotifyBet(QStringLiteral("Over 150"), QStringLiteral("A – B"));
    QTest::qWait(300);

    qInstallMessageHandler(previous);
    QDBusConnection::disconnectFromBus(QStringLiteral("dead"));
    EXPECT_TRUE(logged.isEmpty()) << logged.join('\n').toStdString();
}

}  // namespace

#include "DesktopNotifierTest.moc"
