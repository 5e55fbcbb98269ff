// The run charts of the Simulate and Race states, and the teacher's switch of the
// Power Designer's menu item.
#include "mainwin/TRPWin.h"

#include "dialogs/PFWin.h"
#include "dialogs/TRCWin.h"
#include "mainwin/RacePlayback.h"
#include "session/ChartRuns.h"
#include "session/TeacherSettings.h"

#include <QAction>
#include <QPushButton>

namespace brisko::gui {

void TRPWin::installCharts()
{
    m_runChart = new TRCWin(m_session, this);
    if (auto* chart = findChild<QPushButton*>(QStringLiteral("ChartBtn")))
        connect(chart, &QPushButton::clicked, this, &TRPWin::ChartBtnClick);
    if (auto* chart = findChild<QPushButton*>(QStringLiteral("RaceChartBtn")))
        connect(chart, &QPushButton::clicked, this, &TRPWin::RaceChartBtnClick);
    connect(m_preferences, &TPFWin::powerDesignerSettingChanged, this, &TRPWin::showPowerDesignerItem);
    showPowerDesignerItem();
}

// The race's lanes: the positions chosen for it (the class final), else the first 16.
QVector<int> TRPWin::racedPositions() const
{
    QVector<int> positions = m_raceLanes;
    if (positions.isEmpty())
        for (int i = 0; i < std::min(kRaceLanes, m_session.designs().count()); ++i)
            positions << i;
    return positions.mid(0, kRaceLanes);
}

void TRPWin::ChartBtnClick()
{
    if (!m_session.logAction(actions::OpenChart, QStringLiteral("Run")))
        return;
    m_runChart->showRuns(QStringLiteral("Run"), [this] { return chartRunsOf(m_session, allPositions(m_session)); });
}

void TRPWin::RaceChartBtnClick()
{
    if (m_race->isRunning() || !m_session.logAction(actions::OpenChart, QStringLiteral("Race")))
        return;
    const QVector<int> lanes = racedPositions();
    m_runChart->showRuns(QStringLiteral("Race"), [this, lanes] { return chartRunsOf(m_session, lanes); });
}

void TRPWin::allowPowerDesigner(bool forced)
{
    m_powerDesignerForced = forced;
    showPowerDesignerItem();
}

void TRPWin::showPowerDesignerItem()
{
    const bool shown = m_powerDesignerForced || powerDesignerSetting();
    if (auto* item = findChild<QAction*>(QStringLiteral("PowerDesign1"))) {
        item->setVisible(shown);
        item->setEnabled(shown);
    }
}

} // namespace brisko::gui
