// The stand-alone demo service over TLS, as a user starts it for hoopline --ca-file.
#include "app/HttpClient1.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(DemoProgram, ServesHttpsWithTheCertificateItWrites)
{
    QTemporaryDir dir;
    const QString caFile = dir.filePath("demo-ca.pem");
    QProcess service;
    service.start(QStringLiteral(HOOPLINE_DEMO_PROGRAM), {"--tls", "--port", "0", "--ca-out", caFile});
    ASSERT_TRUE(service.waitForStarted());
    QString banner;
    while (!banner.contains('\n') && service.waitForReadyRead(20000))
        banner += QString::fromLocal8Bit(service.readAllStandardOutput());
    const QRegularExpressionMatch port = QRegularExpression("on https://127\\.0\\.0\\.1:(\\d+)/").match(banner);
    ASSERT_TRUE(port.hasMatch()) << banner.toStdString();

    QFile file(caFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pem = file.readAll();
    EXPECT_TRUE(pem.startsWith("-----BEGIN CERTIFICATE-----"));
    EXPECT_FALSE(pem.contains("PRIVATE KEY")); // the key never leaves the process

    THttpClient client;
    THttpConnection connection;
    connection.trustAnchorsPem = pem.toStdString();
    client.SetConnection(connection);
    std::string body;
    client.GetText("https://127.0.0.1:" + port.captured(1).toStdString() + "/refresh/hoopline4.2.3.txt", body);
    EXPECT_EQ(body, "4.2.3");

    service.terminate();
    EXPECT_TRUE(service.waitForFinished(10000));
}

} // namespace
