#pragma once
// The credentials file: the login on line 1, the password on line 2, each
// ended by CR LF, 8-bit text. It holds a password, so it is readable by its
// owner only and replaced atomically.
#include <QString>
#include <optional>
#include <string>
#include <vector>

// Two lines never need more; a larger file is read only this far.
constexpr qint64 kMaxCredentialsFileRead = 4096;

// The file's lines (CR, LF or CR LF end a line; only the first two are kept);
// nullopt when the file does not exist, cannot be read or is not a regular
// file (a link, a FIFO, a device or a folder is never read).
std::optional<std::vector<std::string>> ReadCredentialsFile(const QString& path);

// Replaces the file by one holding the two lines. Returns an empty text on
// success, otherwise why it failed (the old file is then left as it was).
QString WriteCredentialsFile(const QString& path, const std::string& login, const std::string& password);

// Deletes the file, or a link of its name (never a folder); a missing file is
// no error. Empty text on success.
QString DeleteCredentialsFile(const QString& path);
