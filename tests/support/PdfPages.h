#pragma once
// The pages of a PDF written by Qt, read back from its page objects: each page's
// media box in points, in page order.
#include <QFile>
#include <QRegularExpression>
#include <QSizeF>
#include <QVector>

namespace brisko::test {

inline QVector<QSizeF> pdfPageSizes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    QVector<QSizeF> sizes;
    for (auto it = box.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        sizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

inline bool isLandscape(const QSizeF& page)
{
    return page.width() > page.height();
}

} // namespace brisko::test
