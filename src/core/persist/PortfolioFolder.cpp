#include "persist/PortfolioFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace brisko {

// Trying is the only sure test: permissions, read-only mounts and access lists all
// have their say.
bool canCreateFilesIn(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".brisko-probe-XXXXXX")));
    return probe.open();
}

QString portfolioStartFolder(const QString& programFolder)
{
    if (canCreateFilesIn(programFolder))
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace brisko
