// The race state's playback lives in its controller; the window answers for it.
#include "mainwin/TRPWin.h"

#include "mainwin/RaceStateController.h"

namespace brisko::gui {

void TRPWin::Race()
{
    m_raceState->race();
}

void TRPWin::TimerTimer()
{
    m_raceState->tick();
}

void TRPWin::RaceSliderChange(int position)
{
    m_raceState->speedChanged(position);
}

const RacePlayback& TRPWin::racePlayback() const
{
    return m_raceState->playback();
}

QTimer* TRPWin::raceClock() const
{
    return m_raceState->clock();
}

} // namespace brisko::gui
