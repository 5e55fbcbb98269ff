#pragma once
// The folder the portfolio question opens in: the program's own folder, unless the
// student cannot write there (an installed program's folder belongs to the system);
// then the student's documents folder.
#include <QString>

namespace brisko {

bool canCreateFilesIn(const QString& folder);
QString portfolioStartFolder(const QString& programFolder);

} // namespace brisko
