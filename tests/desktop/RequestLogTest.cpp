// What the "hoopline.http" category says about requests: enough to diagnose,
// never the login or the password.
#include "app/HttpClient1.h"
#include "app/RequestLog.h"
#include "app/ServiceUrls.h"
#include "demo/DemoService.h"

#include <QLoggingCategory>
#include <QScopeGuard>
#include <gtest/gtest.h>

namespace {

struct Logged {
    QtMsgType type;
    QString category, text;
};
QList<Logged>* sink = nullptr;

void Keep(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    sink->append({type, QString::fromLatin1(context.category), text});
}

TEST(RequestLog, EachRequestIsOneLineWithoutTheQuery)
{
    QList<Logged> logged;
    sink = &logged;
    QLoggingCategory::setFilterRules(QStringLiteral("hoopline.http.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(Keep);
    const auto restore = qScopeGuard([&] {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules({});
    });

    TDemoService demo;
    const TServiceUrls urls(demo.Host(), "www.hoopline.test");
    TDemoReply notFound;
    notFound.status = 404;
    demo.Script("/basketball/img/7.png", notFound);
    THttpClient client;
    std::string body;
    client.GetText(urls.Login("ann", "s3cret-pw"), body);
    EXPECT_THROW(client.GetText(urls.TeamLogo("7"), body), EHttpError);

    ASSERT_EQ(logged.size(), 2);
    EXPECT_EQ(logged[0].type, QtDebugMsg);
    EXPECT_EQ(logged[0].category, "hoopline.http");
    EXPECT_TRUE(logged[0].text.startsWith(QString::fromStdString("GET " + demo.Host() + "/login/hl.php: 200 in ")))
        << logged[0].text.toStdString();
    EXPECT_EQ(logged[1].type, QtWarningMsg);
    EXPECT_TRUE(logged[1].text.contains("/basketball/img/7.png failed")) << logged[1].text.toStdString();
    EXPECT_TRUE(logged[1].text.contains("404")) << logged[1].text.toStdString();
    for (const Logged& line : logged)
        for (const char* secret : {"s3cret-pw", "ann", "pass=", "?"})
            EXPECT_FALSE(line.text.contains(QLatin1String(secret))) << line.text.toStdString();
}

TEST(RequestLog, LoggableUrlDropsCredentialsQueryAndFragment)
{
    EXPECT_EQ(LoggableUrl("http://h:81/login/hl.php?login=a&pass=b#x"), "h:81/login/hl.php");
    EXPECT_EQ(LoggableUrl("HTTP://user:pw@h/p?q"), "h/p");
    EXPECT_EQ(LoggableUrl("h/p#frag?x"), "h/p");
    EXPECT_EQ(LoggableUrl("http://h?pass=b"), "h");
}

}  // namespace
