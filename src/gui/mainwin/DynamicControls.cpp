#include "mainwin/DynamicControls.h"
#include "session/ActionCodes.h"

#include "analysis/Dynamics.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/TRPWin.h"

#include <QAbstractButton>
#include <QScopedValueRollback>

namespace brisko::gui {

DynamicControls::DynamicControls(TRPWin& window, PrototypeRefresh& refresh)
    : QObject(&window)
    , m_window(window)
    , m_refresh(refresh)
{
    setObjectName(QStringLiteral("DynamicControls"));
    const auto wire = [this](const char* name, void (DynamicControls::*handler)()) {
        if (auto* button = m_window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    wire("StepDynamicBtn", &DynamicControls::StepDynamicBtnClick);
    wire("ToEndDynamicBtn", &DynamicControls::ToEndDynamicBtnClick);
    wire("RewindDynamicBtn", &DynamicControls::RewindDynamicBtnClick);
}

bool DynamicControls::canStart() const
{
    return !m_busy && !m_refresh.isRunning() && m_window.session().app().CurrentState == ProcessState::Dynamic;
}

void DynamicControls::StepDynamicBtnClick()
{
    if (!canStart())
        return;
    const QScopedValueRollback busy(m_busy, true);
    if (!logDynamic("StepDynamic"))
        return;
    ++m_window.perState().dynamicStep;
    setButtons(true, true);
    m_refresh.stepDynamic();
}

void DynamicControls::ToEndDynamicBtnClick()
{
    if (!canStart())
        return;
    if (!logDynamic("ConcludeDynamic"))
        return;
    m_window.perState().dynamicStep = kEveryFrame;
    m_rewindAfterAnimation = false;
    setButtons(false, true);
    {
        const QScopedValueRollback busy(m_busy, true);
        m_window.RefreshState(ProcessState::Dynamic);
    }
    if (m_rewindAfterAnimation && m_window.session().app().CurrentState == ProcessState::Dynamic) {
        m_rewindAfterAnimation = false;
        rewind();
        return;
    }
    refreshAfterAnimation();
}

void DynamicControls::RewindDynamicBtnClick()
{
    // During the animation the run cannot start again from inside itself: the
    // animation stops, and the rewind follows as soon as the run has returned.
    if (m_busy && m_refresh.isAnimating()) {
        m_rewindAfterAnimation = true;
        m_refresh.stopAnimation();
        return;
    }
    if (!canStart())
        return;
    rewind();
}

void DynamicControls::rewind()
{
    const QScopedValueRollback busy(m_busy, true);
    if (!logDynamic("RewindDynamic"))
        return;
    m_window.perState().dynamicStep = kFirstFrame;
    m_window.RefreshState(ProcessState::Dynamic); // the run's end sets the buttons
}

// The animation let the student press a state button; the refresh that button asked
// for could not start while the run went on, so it follows now.
void DynamicControls::refreshAfterAnimation()
{
    const bool stillAnimated = m_window.session().app().CurrentState == ProcessState::Dynamic
        && m_window.perState().dynamicStep == kEveryFrame;
    if (stillAnimated || !m_window.isVisible())
        return;
    m_window.RefreshState(m_window.session().app().CurrentState);
}

void DynamicControls::setButtons(bool stepAndToEnd, bool rewind)
{
    const auto enable = [this](const char* name, bool enabled) {
        if (auto* button = m_window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
            button->setEnabled(enabled);
    };
    enable("StepDynamicBtn", stepAndToEnd);
    enable("ToEndDynamicBtn", stepAndToEnd);
    enable("RewindDynamicBtn", rewind);
}

// A record that cannot be written (the message has named the file) stops the click.
bool DynamicControls::logDynamic(const char* value)
{
    return m_window.session().logAction(actions::DynamicState, QString::fromLatin1(value));
}

} // namespace brisko::gui
