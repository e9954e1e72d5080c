#pragma once
// Reading and writing the program's own small files (remembered login, logo
// cache) in a folder that others may also write to: nothing here follows a
// symbolic link, blocks on a FIFO, or leaves a half-written file behind.
#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

// At most `limit` bytes from the start of `path`, read only when it is a
// regular file (checked on the open file, links not followed); nullopt for
// anything else or when it cannot be read.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit);

// Replaces `path` by a new file holding `bytes`. The file is created
// exclusively beside the target with `permissions` from its first moment,
// written in full and synced before it takes the name, and the folder is
// synced after. A target that is not a regular file (a link, a folder, a FIFO)
// is left alone. Empty text on success, otherwise why not; the old file is then
// whole.
QString ReplaceRegularFile(const QString& path, std::string_view bytes, unsigned permissions);

// Deletes `path` when it is a regular file or a link (never the link's target
// nor a folder). A missing file is no error. Empty text on success.
QString DeleteRegularFile(const QString& path);
