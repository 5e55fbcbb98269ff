#include "persist/DesignFileLines.h"

#include "text/NumberText.h"

namespace brisko {

namespace {

// Enough of a bad line to recognise it in a message.
QString quoted(const QString& text)
{
    constexpr int kShown = 40;
    QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("...") : text;
    // Control characters (binary garbage, a tab) are shown as "?" in the message.
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

} // namespace

DesignFileLines::DesignFileLines(const QByteArray& bytes, const QString& path)
    : m_lines(bytes.split('\n'))
    , m_path(path)
{
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast(); // the line end of the last line
    for (QByteArray& line : m_lines)
        if (line.endsWith('\r'))
            line.chop(1);
}

bool DesignFileLines::failAt(int line, const QString& reason)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("The design file \"%1\" cannot be read.\nLine %2: %3.").arg(m_path).arg(line).arg(reason);
    return false;
}

bool DesignFileLines::next(QString& out, const QString& what)
{
    if (failed())
        return false;
    ++m_next;
    if (m_next > m_lines.size())
        return failAt(m_next, QStringLiteral("the file ends before %1").arg(what));
    out = QString::fromLatin1(m_lines.at(m_next - 1));
    return true;
}

bool DesignFileLines::readText(QString& out)
{
    return next(out, QStringLiteral("the design is complete"));
}

bool DesignFileLines::readInt(int& out, const QString& what)
{
    QString text;
    if (!next(text, what))
        return false;
    const auto value = toInt(text);
    if (!value)
        return failAt(m_next, QStringLiteral("%1 should be a whole number, not %2").arg(what, quoted(text)));
    out = *value;
    return true;
}

bool DesignFileLines::readCount(int& out, int max, const QString& what)
{
    if (!readInt(out, what))
        return false;
    if (out < 0 || out > max)
        return failAt(m_next, QStringLiteral("%1 is %2, but it must be from 0 to %3").arg(what).arg(out).arg(max));
    return true;
}

bool DesignFileLines::readFloat(float& out, const QString& what)
{
    QString text;
    if (!next(text, what))
        return false;
    const auto value = toSingle(text);
    if (!value)
        return failAt(m_next, QStringLiteral("%1 should be a number, not %2").arg(what, quoted(text)));
    out = *value;
    return true;
}

bool DesignFileLines::require(bool value, const QString& what, const QString& accepted)
{
    if (value || failed())
        return !failed();
    const QString line = m_next >= 1 && m_next <= m_lines.size() ? QString::fromLatin1(m_lines.at(m_next - 1)) : QString();
    return failAt(m_next, QStringLiteral("%1 is %2, but it must be %3").arg(what, quoted(line), accepted));
}

// The range's text is only made for a value it refuses: reading a class's files
// formats no message for the thousands of values that are fine.
bool DesignFileLines::readValue(QString& out, const ValueRange& range, const QString& what)
{
    if (!readText(out))
        return false;
    const bool accepted = range.accepts(out);
    return require(accepted, what, accepted ? QString() : QStringLiteral("a number ") + range.text());
}

bool DesignFileLines::readIntIn(int& out, const ValueRange& range, const QString& what)
{
    if (!readInt(out, what))
        return false;
    const bool accepted = range.accepts(double(out));
    return require(accepted, what, accepted ? QString() : range.text());
}

bool DesignFileLines::readFloatIn(float& out, const ValueRange& range, const QString& what)
{
    if (!readFloat(out, what))
        return false;
    const bool accepted = range.accepts(double(out));
    return require(accepted, what, accepted ? QString() : range.text());
}

bool DesignFileLines::expectEnd()
{
    if (failed())
        return false;
    for (int i = m_next; i < m_lines.size(); ++i)
        if (!m_lines.at(i).trimmed().isEmpty())
            return failAt(i + 1, QStringLiteral("the design ended at line %1, but the file goes on with %2")
                                     .arg(m_next)
                                     .arg(quoted(QString::fromLatin1(m_lines.at(i)))));
    return true;
}

} // namespace brisko
