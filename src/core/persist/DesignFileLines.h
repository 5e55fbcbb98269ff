#pragma once
// Line-by-line reading of a design file: every read knows its line number, and the
// first failure leaves a message that names the file and the line.
#include "model/ValueBounds.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace brisko {

class DesignFileLines {
public:
    // Splits single-byte text at line feeds; a carriage return before the feed is
    // dropped, so files whose line ends were converted still read.
    DesignFileLines(const QByteArray& bytes, const QString& path);

    int lineNumber() const { return m_next; } // number of the line read last
    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    bool readText(QString& out);
    bool readInt(int& out, const QString& what);
    // An integer from 0 to max.
    bool readCount(int& out, int max, const QString& what);
    bool readFloat(float& out, const QString& what);
    // A text that must be a number within `range`.
    bool readValue(QString& out, const ValueRange& range, const QString& what);
    // An integer within `range`.
    bool readIntIn(int& out, const ValueRange& range, const QString& what);
    // A float within `range`.
    bool readFloatIn(float& out, const ValueRange& range, const QString& what);
    // Refuses the file at the line read last, quoting it, unless `value` is
    // accepted; `accepted` names what the line may hold.
    bool require(bool value, const QString& what, const QString& accepted);
    // Nothing but blank lines may follow a complete design.
    bool expectEnd();

    // Refuses the file at a given line (for checks made after the line was read).
    bool failAt(int line, const QString& reason);

private:
    bool next(QString& out, const QString& what);

    QList<QByteArray> m_lines;
    QString m_path;
    int m_next = 0;
    QString m_error;
};

} // namespace brisko
