#pragma once
// Writing the lines of a design file: single-byte text, each line ended by CR LF.
#include <QByteArray>
#include <QString>

namespace brisko {

// A text line. Line breaks inside the value would shift every later line, so they
// are written as blanks.
inline void writeLine(QByteArray& out, const QString& text)
{
    QByteArray bytes = text.toLatin1();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    out += bytes;
    out += "\r\n";
}

inline void writeLine(QByteArray& out, int value)
{
    writeLine(out, QString::number(value));
}

} // namespace brisko
