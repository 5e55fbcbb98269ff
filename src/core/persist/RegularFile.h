#pragma once
// Files opened only when they are regular files. A pipe, a device or a folder
// given where a file is expected would block the program on opening or feed it
// without end, so the path is opened without waiting and refused unless it is a
// regular file; the check is made on what was opened, not on the name alone.
#include <QFile>
#include <QString>

namespace brisko {

// Opens `path` for reading into `file`; false with `reason` set (the platform's
// text, or "it is not a regular file") when it cannot be opened or is no regular file.
bool openRegularForReading(const QString& path, QFile& file, QString* reason);

// Opens `path` for appending, creating it empty when it does not exist; refused
// like the reading above.
bool openRegularForAppending(const QString& path, QFile& file, QString* reason);

// Why an existing `path` is no regular file ("it is a folder", "it is a pipe", "it
// is a device"), or an empty text when it is one or does not exist.
QString notRegularReason(const QString& path);

} // namespace brisko
