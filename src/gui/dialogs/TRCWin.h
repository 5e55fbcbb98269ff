#pragma once
// The run chart window `RCWin` ("Run Chart"): not modal, beside the main window. It
// shows the runs its source gives (the Simulate state's: every simulated design of
// the list; the Race state's: the raced lanes), reads them again after every
// refresh while it is open, and exports them as CSV or prints them.
#include "analysis/RunSamples.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace brisko {
class Session;
}

namespace brisko::gui {

class RunChartView;

class TRCWin : public QWidget {
    Q_OBJECT
public:
    using RunSource = std::function<std::vector<ChartRun>()>;

    TRCWin(Session& session, QWidget* parent);

    // Shows the runs of `source`; `what` names them in the records ("Run", "Race").
    void showRuns(const QString& what, RunSource source);
    void reread();
    RunChartView* view() const { return m_view; }

    void ChartExportBtnClick();
    void ChartPrintBtnClick();

private:
    Session& m_session;
    RunChartView* m_view = nullptr;
    QLabel* m_note = nullptr;
    QString m_what;
    RunSource m_source;
};

} // namespace brisko::gui
