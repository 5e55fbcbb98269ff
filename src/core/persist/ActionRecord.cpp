#include "persist/ActionRecord.h"

#include "text/NumberText.h"

#include <QLocale>
#include <QStringList>

namespace brisko {

QString recordField(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    out.replace(QLatin1Char(','), QLatin1Char(';'));
    return out;
}

static QString flag(bool raised)
{
    return raised ? QStringLiteral("1") : QStringLiteral("0");
}

std::optional<QString> formatActionLine(const ActionRecord& r, const RecordContext& c)
{
    const QString dash = QStringLiteral("-");
    QStringList f;
    f << QString::number(r.stage) << QString::number(r.code);
    for (const auto& v : {r.value1, r.value2, r.value3, r.value4})
        f << (v ? recordField(*v) : dash);
    for (const QString& result : {c.timeText, c.distanceText, c.speedText, c.massText}) {
        const auto formed = resultForm(result);
        if (!formed)
            return std::nullopt;
        f << recordField(*formed);
    }
    f << (c.designName.isEmpty() ? QStringLiteral("EmptyStringError") : recordField(c.designName));
    const QLocale locale = QLocale::system();
    f << recordField(locale.toString(c.when.date(), QLocale::ShortFormat));
    f << recordField(locale.toString(c.when.time(), QLocale::LongFormat));
    f << recordField(r.description);
    const bool dynamic = r.stage >= 5;
    const bool build = r.stage >= 1;
    f << (dynamic ? flag(c.flags.Skid) : dash) << (dynamic ? flag(c.flags.ReservedDynamic) : dash);
    f << (build ? flag(c.flags.FrontAxleFree) : dash) << (build ? flag(c.flags.SpringCaseFree) : dash)
      << (build ? flag(c.flags.ReservedBuild) : dash) << (build ? flag(c.flags.PaperEdge) : dash)
      << (build ? flag(c.flags.CasesInterfere) : dash) << (build ? flag(c.flags.Floating) : dash);
    return f.join(QLatin1Char(','));
}

} // namespace brisko
