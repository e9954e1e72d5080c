#include "app/LocalFiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotRegular(const QString& path)
{
    return QStringLiteral("\"%1\" is not a regular file").arg(path);
}

// Closes the descriptor on every way out.
class TFd {
public:
    explicit TFd(int fd) : fd_(fd) {}
    ~TFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return fd_; }
    // Closes now and reports whether the last writes reached the file.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

int CreateExclusive(const std::string& path, unsigned permissions)
{
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(path.c_str(), flags, mode_t(permissions));
    if (fd < 0 && errno == EEXIST) {
        // Left over from a run that died while saving; unlink never follows a link.
        ::unlink(path.c_str());
        fd = ::open(path.c_str(), flags, mode_t(permissions));
    }
    return fd;
}

// The rename is only durable once the folder's entry is on disk too.
void SyncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const TFd fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        ::fsync(fd.Get());
}

} // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit)
{
    // Non-blocking so that opening a FIFO returns at once; the type is checked
    // on what was opened, so nothing can be swapped in between.
    const QByteArray name = QFile::encodeName(path);
    TFd fd(::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    QByteArray data(qsizetype(std::min<qint64>(limit, st.st_size)), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd.Get(), data.data() + got, std::size_t(data.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    data.truncate(got);
    return data;
}

QString ReplaceRegularFile(const QString& path, std::string_view bytes, unsigned permissions)
{
    const std::string target = QFile::encodeName(path).toStdString();
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return NotRegular(path);

    const std::string temp = target + ".tmp";
    TFd fd(CreateExclusive(temp, permissions));
    if (fd.Get() < 0)
        return ErrnoText(errno);
    bool ok = WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    int error = errno;
    if (!fd.Close() && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return ErrnoText(error);
    }
    SyncFolderOf(path);
    return {};
}

QString DeleteRegularFile(const QString& path)
{
    const std::string target = QFile::encodeName(path).toStdString();
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0)
        return errno == ENOENT ? QString() : ErrnoText(errno);
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return NotRegular(path);
    if (::unlink(target.c_str()) != 0 && errno != ENOENT)
        return ErrnoText(errno);
    return {};
}
