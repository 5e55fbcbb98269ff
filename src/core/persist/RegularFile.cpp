#include "persist/RegularFile.h"
#include "persist/ErrnoText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisko {

namespace {

QString kindReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a file");
    return QStringLiteral("it is not a regular file");
}

// Opens without waiting for a pipe's other end, checks what was opened, and only
// then hands the descriptor, back in blocking mode, to `file`.
bool openChecked(const QString& path, int flags, QIODevice::OpenMode mode, QFile& file, QString* reason)
{
    auto failed = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        // Opening a pipe without a reader for writing, or a folder, fails here.
        return failed(errno == ENXIO ? kindReason(S_IFIFO) : errno == EISDIR ? kindReason(S_IFDIR) : errnoText(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int code = errno;
        ::close(fd);
        return failed(errnoText(code));
    }
    if (const QString why = kindReason(info.st_mode); !why.isEmpty()) {
        ::close(fd);
        return failed(why);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(file.errorString());
    }
    return true;
}

} // namespace

bool openRegularForReading(const QString& path, QFile& file, QString* reason)
{
    return openChecked(path, O_RDONLY, QIODevice::ReadOnly, file, reason);
}

bool openRegularForAppending(const QString& path, QFile& file, QString* reason)
{
    return openChecked(path, O_WRONLY | O_APPEND | O_CREAT, QIODevice::WriteOnly | QIODevice::Append, file, reason);
}

QString notRegularReason(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return kindReason(info.st_mode);
}

} // namespace brisko
