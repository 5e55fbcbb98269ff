#pragma once
// Files written whole or not at all. A file is written beside its target, every
// byte checked as it goes, flushed, compared in size and synced before it takes
// the target's place, so a full disk, a read-only folder or a failed drawing
// leaves the old file byte for byte as it was. Appends that fail are cut back to
// the length the file had before them.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace brisko {

// A file being written through a device (a PDF or SVG writer, or plain bytes).
class WholeFileWriter {
public:
    explicit WholeFileWriter(const QString& path);

    // Opens the file aside; false with `failure()` set when that is refused.
    bool open();
    QIODevice* device() { return &m_file; }

    // Puts the written file in place; false with `failure()` set when any byte
    // did not reach the disk (or fewer than `expectedSize` bytes were written, where
    // that is given), and the target is then left untouched.
    bool commit(qint64 expectedSize = -1);
    // Drops what was written; the target is left untouched.
    void cancel();

    // The path and the reason of the failure, "F: No space left on device".
    const QString& failure() const { return m_failure; }
    // The reason alone.
    const QString& reason() const { return m_reason; }

private:
    bool fail(const QString& reason);

    QString m_path;
    QSaveFile m_file;
    QString m_failure;
    QString m_reason;
};

// Writes `bytes` as the whole new content of `path`; on failure `reason` says
// why (the platform's text for the error) and the old file is untouched.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* reason);

// Appends `bytes` to the existing file `path`; on failure the file keeps exactly
// the bytes it had and `reason` says why.
bool appendToFileWhole(const QString& path, const QByteArray& bytes, QString* reason);

} // namespace brisko
