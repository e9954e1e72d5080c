#include "app/Credentials.h"

#include <QFile>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> ReadCredentialsFile(const QString& path)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    for (qsizetype i = 0; i < data.size() && lines.size() < 2; ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            pending = false;
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            pending = true;
        }
    }
    if (pending && lines.size() < 2)
        lines.push_back(line);
    return lines;
}

QString WriteCredentialsFile(const QString& path, const std::string& login, const std::string& password)
{
    const fs::path target = path.toStdString();
    fs::path temp = target;
    temp += ".tmp";
    std::error_code ec;
    fs::remove(temp, ec);
    {
        // Created owner-only before any byte of the password goes in.
        QFile file(QString::fromStdString(temp.string()));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)
            || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return file.errorString();
        const std::string content = login + "\r\n" + password + "\r\n";
        const bool written = file.write(content.data(), qint64(content.size())) == qint64(content.size());
        bool flushed = written && file.flush();
#ifdef Q_OS_UNIX
        // On disk before the rename, so the new name never points at an empty file.
        flushed = flushed && ::fsync(file.handle()) == 0;
#endif
        const QString error = file.errorString();
        file.close();
        if (!flushed) {
            fs::remove(temp, ec);
            return error;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return QString::fromStdString(ec.message());
    }
    return {};
}

QString DeleteCredentialsFile(const QString& path)
{
    std::error_code ec;
    fs::remove(path.toStdString(), ec);
    return ec ? QString::fromStdString(ec.message()) : QString();
}
