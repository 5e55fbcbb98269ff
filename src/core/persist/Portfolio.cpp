#include "persist/Portfolio.h"
#include "persist/RegularFile.h"
#include "persist/WholeFile.h"

#include <QFile>

namespace brisko {

bool Portfolio::attach(const QString& path, QString* error)
{
    // A pipe, a device or a folder is refused before anything waits on it.
    QFile file;
    QString reason;
    if (!openRegularForAppending(path, file, &reason)) {
        if (error)
            *error = QStringLiteral("The design portfolio \"%1\" cannot be opened: %2").arg(path, reason);
        return false;
    }
    file.close();
    m_path = path;
    return true;
}

bool Portfolio::append(const ActionRecord& record, const RecordContext& context, QString* error) const
{
    const auto line = formatActionLine(record, context);
    if (!line) {
        if (error)
            *error = QStringLiteral("The record for the design portfolio \"%1\" could not be written: "
                                    "a result field does not hold a number.")
                         .arg(m_path);
        return false;
    }
    const QByteArray bytes = line->toLatin1() + "\r\n";
    // Append only: an existing portfolio is never truncated, a missing one is not
    // silently recreated behind the user's back, and a failed append takes itself back.
    QString reason;
    if (!appendToFileWhole(m_path, bytes, &reason)) {
        if (error)
            *error = QStringLiteral("The design portfolio \"%1\" cannot be appended to: %2").arg(m_path, reason);
        return false;
    }
    return true;
}

} // namespace brisko
