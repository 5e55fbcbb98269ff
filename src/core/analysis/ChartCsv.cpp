#include "analysis/ChartCsv.h"

#include <QStringList>

namespace brisko {

namespace {

// Single-precision figures written so that reading them back gives the same float.
QString exactFigure(float value)
{
    return QString::number(static_cast<double>(value), 'g', 9);
}

QByteArray linesOf(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// A text as one CSV field.
QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray runsCsv(const std::vector<ChartRun>& runs)
{
    QStringList lines{QString::fromLatin1(kRunsCsvHeader)};
    for (const ChartRun& run : runs) {
        const QString name = csvField(run.Name);
        for (const RunSample& s : samplesOf(run.Trace))
            lines << QStringList{name, QString::number(static_cast<double>(s.Time), 'f', 2),
                                 exactFigure(s.Distance), exactFigure(s.Speed)}
                         .join(QLatin1Char(','));
    }
    return linesOf(lines);
}

QByteArray sweepCsv(const std::vector<SweepTrial>& trials)
{
    QStringList lines{QString::fromLatin1(kSweepCsvHeader)};
    for (const SweepTrial& t : trials)
        lines << QStringList{csvField(t.Combination.Width), csvField(t.Combination.Length),
                             csvField(t.Combination.Wheel), csvField(t.Time)}
                     .join(QLatin1Char(','));
    return linesOf(lines);
}

} // namespace brisko
