#include "app/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString InFolder(const QString& folder, const QString& name)
{
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}
}  // namespace

QString TUserFolders::CredentialsFile() const { return InFolder(data, QStringLiteral("log.log")); }

QString TUserFolders::LogoFile(int team) const { return InFolder(cache, QStringLiteral("%1.png").arg(team)); }

QString TUserFolders::SettingsFile() const
{
    return config.isEmpty() ? QString() : QDir(config).filePath(QStringLiteral("hoopline.conf"));
}

bool TUserFolders::Create() const
{
    QDir dir;
    for (const QString& folder : {data, cache, config})
        if (!folder.isEmpty() && !dir.mkpath(folder))
            return false;
    return true;
}

TUserFolders ChooseUserFolders(const QString& dataDir)
{
    if (!dataDir.isEmpty())
        return {dataDir, dataDir, dataDir};
    return {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)};
}
