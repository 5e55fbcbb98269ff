#pragma once
// A tiny file system of its own (a 64 KB tmpfs) that a test can fill to the last
// byte, to see what every writer does when the disk is full. Mounting needs the
// right to mount; where it is refused the test is skipped.
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/mount.h>

namespace brisko::test {

class SmallDisk {
public:
    SmallDisk() { m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=64k") == 0; }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Takes every byte that is left.
    void fill()
    {
        QFile filler(filePath(QStringLiteral(".filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
    }
    void makeRoom() { QFile::remove(filePath(QStringLiteral(".filler"))); }

    // Makes the whole disk read-only, or writable again: the tests run as root, to
    // whom a file or folder without write permission is still writable, so a
    // read-only file system is what refuses a write here. False where remounting
    // is not allowed.
    bool setReadOnly(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return m_mounted && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", flags, "size=64k") == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

inline QByteArray checksumOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

#define BRISKO_NEED_SMALL_DISK(disk)                                                                                   \
    if (!(disk).mounted())                                                                                             \
    GTEST_SKIP() << "mounting a small tmpfs is not allowed here"

#define BRISKO_NEED_READ_ONLY_DISK(disk)                                                                               \
    if (!(disk).setReadOnly(true))                                                                                     \
    GTEST_SKIP() << "remounting a small tmpfs read-only is not allowed here"

} // namespace brisko::test
