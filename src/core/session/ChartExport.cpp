#include "session/ChartExport.h"

#include "persist/WholeFile.h"
#include "session/Session.h"

#include <QFileInfo>

namespace brisko {

QString chartFolder(const Session& session)
{
    const QString& portfolio = session.app().PortfolioPath;
    return portfolio.isEmpty() ? QString() : QFileInfo(portfolio).absolutePath();
}

bool exportChartCsv(Session& session, const ChartCsvRequest& request, const QByteArray& bytes)
{
    FileRequest ask;
    ask.title = request.Title;
    ask.filter = QStringLiteral("CSV|*.csv|All Files|*.*");
    ask.folder = chartFolder(session);
    ask.proposedName = request.ProposedName;
    const QString path = session.prompter().saveFile(ask);
    if (path.isEmpty())
        return false;
    QString reason;
    if (!writeFileWhole(path, bytes, &reason)) {
        session.prompter().message(QStringLiteral("Please try again."), path + QStringLiteral(": ") + reason);
        return false;
    }
    return session.logAction(actions::ExportChartCsv, request.What, path);
}

} // namespace brisko
