// Where the per-user files live: the platform's folders for this user, or the
// one folder given with --data-dir.
#include "app/CommandLine.h"
#include "app/UserFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(UserFolders, StandardFoldersAreTheUsersOwn)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString oldName = QCoreApplication::applicationName();
    const auto restore = qScopeGuard([&] {
        QCoreApplication::setApplicationName(oldName);
        for (const char* var : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            qunsetenv(var);
    });
    QCoreApplication::setApplicationName(QStringLiteral("Hoopline"));
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());

    const TUserFolders folders = ChooseUserFolders({});
    EXPECT_EQ(folders.CredentialsFile(), home.path() + "/data/Hoopline/log.log");
    EXPECT_EQ(folders.LogoFile(1), home.path() + "/cache/Hoopline/1.png");
    EXPECT_EQ(folders.LogoFile(2), home.path() + "/cache/Hoopline/2.png");
    EXPECT_EQ(folders.SettingsFile(), home.path() + "/config/Hoopline/hoopline.conf");
    ASSERT_TRUE(folders.Create());
    for (const QString& dir : {folders.data, folders.cache, folders.config})
        EXPECT_TRUE(QFileInfo(dir).isDir()) << dir.toStdString();
}

TEST(UserFolders, DataDirHoldsEveryFile)
{
    const TCommandLine options = ParseCommandLine({"hoopline", "--data-dir", "/tmp/hl-data"});
    ASSERT_EQ(options.action, TCommandLine::TAction::Run);
    const TUserFolders folders = ChooseUserFolders(options.dataDir);
    EXPECT_EQ(folders.CredentialsFile(), "/tmp/hl-data/log.log");
    EXPECT_EQ(folders.LogoFile(2), "/tmp/hl-data/2.png");
    EXPECT_EQ(folders.SettingsFile(), "/tmp/hl-data/hoopline.conf");

    EXPECT_EQ(ParseCommandLine({"hoopline", "--data-dir="}).action, TCommandLine::TAction::Error);
    EXPECT_FALSE(ParseCommandLine({"hoopline", "--no-notifications"}).notifications);
    EXPECT_TRUE(ParseCommandLine({"hoopline"}).notifications);
}

TEST(UserFolders, NoFoldersMeansTheCurrentDirectoryAndNoSettings)
{
    const TUserFolders folders;
    EXPECT_EQ(folders.CredentialsFile(), "log.log");
    EXPECT_EQ(folders.LogoFile(1), "1.png");
    EXPECT_EQ(folders.SettingsFile(), "");
}

}  // namespace
