#include "persist/WholeFile.h"
#include "persist/ErrnoText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace brisko {

namespace {

// The file's own data reaches the disk before it replaces anything: some file
// systems report a full disk or a failed device only here.
QString syncFailure(QFileDevice& file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return errnoText(errno);
#else
    Q_UNUSED(file);
#endif
    return {};
}

// Writes on after a short write, so that a full disk answers with its own error
// rather than with a count that is merely short.
bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

WholeFileWriter::WholeFileWriter(const QString& path)
    : m_path(path)
    , m_file(path)
{
}

bool WholeFileWriter::fail(const QString& reason)
{
    m_reason = reason.isEmpty() ? QStringLiteral("the file could not be written") : reason;
    m_failure = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), m_reason);
    return false;
}

bool WholeFileWriter::open()
{
    if (QFileInfo(m_path).isDir())
        return fail(QStringLiteral("it is a folder, not a file"));
    // Unbuffered, so that every write reports its own failure at once.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(m_file.errorString());
    return true;
}

bool WholeFileWriter::commit(qint64 expectedSize)
{
    // QSaveFile alone would commit a file whose buffered bytes never reached the
    // disk; the device's own error, the size and the sync are checked first.
    if (m_file.error() != QFileDevice::NoError) {
        const QString reason = m_file.errorString();
        cancel();
        return fail(reason);
    }
    const qint64 written = m_file.pos();
    if (!m_file.flush() || m_file.size() != written || (expectedSize >= 0 && written != expectedSize)) {
        const QString reason = m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                                     : QStringLiteral("not every byte was written");
        cancel();
        return fail(reason);
    }
    if (const QString reason = syncFailure(m_file); !reason.isEmpty()) {
        cancel();
        return fail(reason);
    }
    if (!m_file.commit())
        return fail(m_file.errorString());
    return true;
}

void WholeFileWriter::cancel()
{
    if (!m_file.isOpen())
        return;
    m_file.cancelWriting();
    m_file.commit(); // discards the file written aside
}

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* reason)
{
    WholeFileWriter writer(path);
    bool done = writer.open();
    if (done) {
        writeAll(*writer.device(), bytes);
        done = writer.commit(bytes.size());
    }
    if (!done && reason)
        *reason = writer.reason();
    return done;
}

bool appendToFileWhole(const QString& path, const QByteArray& bytes, QString* reason)
{
    auto failed = [&](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    QFileInfo info(path);
    if (!info.exists())
        return failed(QStringLiteral("the file no longer exists."));
    if (!info.isFile())
        return failed(QStringLiteral("it is not a regular file."));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return failed(file.errorString());
    const qint64 before = file.size();
    if (writeAll(file, bytes) && file.flush())
        return true;
    const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                              : QStringLiteral("not every byte was written");
    // A short append is taken back, so the records already there stay as they were.
    file.resize(before);
    return failed(why);
}

} // namespace brisko
