#pragma once
// A chart's CSV file: asked for through the prompter, written whole, and logged.
#include <QByteArray>
#include <QString>

namespace brisko {

class Session;

struct ChartCsvRequest {
    QString Title;        // "Export Run Chart"
    QString ProposedName; // "Run chart.csv"
    QString What;         // logged as value 1: "Run", "Race" or "Sweep"
};

// Asks for the file, writes `bytes` as its whole content and logs the export (value 1
// the chart, value 2 the path). False when cancelled or refused; a refusal names
// the file and the reason in a message box and leaves any old file as it was.
bool exportChartCsv(Session& session, const ChartCsvRequest& request, const QByteArray& bytes);

// The folder the charts' files are proposed in: the portfolio's, else the current one.
QString chartFolder(const Session& session);

} // namespace brisko
