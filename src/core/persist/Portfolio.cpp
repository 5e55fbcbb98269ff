#include "persist/Portfolio.h"

#include <QFile>

namespace brisko {

bool Portfolio::attach(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        if (error)
            *error = QStringLiteral("The design portfolio \"%1\" cannot be opened: %2").arg(path, file.errorString());
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
    QFile file(m_path);
    const QByteArray bytes = line->toLatin1() + "\r\n";
    // Append only: an existing portfolio is never truncated, and a missing one is
    // not silently recreated behind the user's back.
    if (!file.exists() || !file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        if (error)
            *error = QStringLiteral("The design portfolio \"%1\" cannot be appended to: %2")
                         .arg(m_path, file.exists() ? file.errorString() : QStringLiteral("the file no longer exists."));
        return false;
    }
    file.close();
    return true;
}

} // namespace brisko
