#include "persist/FileNames.h"

namespace brisko {

QString forceExtension(const QString& path, const QString& extension)
{
    const qsizetype nameStart = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        return path + extension;
    return path.left(dot) + extension;
}

} // namespace brisko
