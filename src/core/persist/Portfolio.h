#pragma once
// The design portfolio file: one action record appended per line.
#include "persist/ActionRecord.h"

#include <QString>

namespace brisko {

class Portfolio {
public:
    const QString& path() const { return m_path; }
    bool isOpen() const { return !m_path.isEmpty(); }

    // Attaches the file, creating it empty when it does not exist.
    bool attach(const QString& path, QString* error);

    // Opens the file for appending, writes the line in single-byte text with CR LF,
    // flushes and closes it. On failure `error` names the file and the reason.
    bool append(const ActionRecord& record, const RecordContext& context, QString* error) const;

private:
    QString m_path;
};

} // namespace brisko
