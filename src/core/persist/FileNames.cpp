#include "persist/FileNames.h"

#include <QFileInfo>

namespace brisko {

QString ForceExtension(const QString& path, const QString& extension)
{
    const qsizetype nameStart = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        return path + extension;
    return path.left(dot) + extension;
}

QString designNameOfPath(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

} // namespace brisko
