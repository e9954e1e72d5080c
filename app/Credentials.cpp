#include "app/Credentials.h"

#include "app/LocalFiles.h"

std::optional<std::vector<std::string>> ReadCredentialsFile(const QString& path)
{
    const std::optional<QByteArray> read = ReadRegularFile(path, kMaxCredentialsFileRead);
    if (!read)
        return std::nullopt;
    const QByteArray& data = *read;
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
    // Owner-only from the moment the file exists, before any byte of the password goes in.
    return ReplaceRegularFile(path, login + "\r\n" + password + "\r\n", 0600);
}

QString DeleteCredentialsFile(const QString& path)
{
    return DeleteRegularFile(path);
}
