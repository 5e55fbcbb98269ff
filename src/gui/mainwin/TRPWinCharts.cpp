// The run charts of the Simulate and Race states, and the teacher's switch of the
// Power Designer's menu item.
#include "mainwin/TRPWin.h"

#include "dialogs/PFWin.h"
#include "dialogs/TRCWin.h"
#include "mainwin/RaceStateController.h"
#include "mainwin/SimulateStateController.h"
#include "session/ChartRuns.h"
#include "session/TeacherSettings.h"

#include <QAction>
#include <QPushButton>

namespace brisko::gui {

void TRPWin::installCharts()
{
    m_runChart = new TRCWin(m_session, this);
    connect(m_simulateState->run().chart, &QPushButton::clicked, this, &TRPWin::ChartBtnClick);
    connect(m_raceState->controls().chart, &QPushButton::clicked, this, &TRPWin::RaceChartBtnClick);
    connect(m_preferences, &TPFWin::powerDesignerSettingChanged, this, &TRPWin::showPowerDesignerItem);
    showPowerDesignerItem();
}

void TRPWin::ChartBtnClick()
{
    if (!m_session.logAction(actions::OpenChart, QStringLiteral("Run")))
        return;
    m_runChart->showRuns(QStringLiteral("Run"), [this] { return chartRunsOf(m_session, allPositions(m_session)); });
}

void TRPWin::RaceChartBtnClick()
{
    if (m_raceState->playback().isRunning() || !m_session.logAction(actions::OpenChart, QStringLiteral("Race")))
        return;
    const QVector<int> lanes = m_raceState->racedPositions();
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
    m_powerDesignAction->setVisible(shown);
    m_powerDesignAction->setEnabled(shown);
}

} // namespace brisko::gui
