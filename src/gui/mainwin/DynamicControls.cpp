#include "mainwin/DynamicControls.h"
#include "session/ActionCodes.h"

#include "analysis/Dynamics.h"
#include "mainwin/PrototypeRefresh.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QWidget>
#include <QScopedValueRollback>

namespace brisko::gui {

DynamicControls::DynamicControls(WindowContext& context, PrototypeRefresh& refresh, const RunControls& controls)
    : QObject(&context.frame)
    , m_context(context)
    , m_refresh(refresh)
    , m_controls(controls)
{
    setObjectName(QStringLiteral("DynamicControls"));
    connect(m_controls.step, &QAbstractButton::clicked, this, &DynamicControls::StepDynamicBtnClick);
    connect(m_controls.toEnd, &QAbstractButton::clicked, this, &DynamicControls::ToEndDynamicBtnClick);
    connect(m_controls.rewind, &QAbstractButton::clicked, this, &DynamicControls::RewindDynamicBtnClick);
}

bool DynamicControls::canStart() const
{
    return !m_busy && !m_refresh.isRunning() && m_context.session.app().CurrentState == ProcessState::Dynamic;
}

void DynamicControls::StepDynamicBtnClick()
{
    if (!canStart())
        return;
    const QScopedValueRollback busy(m_busy, true);
    if (!logDynamic("StepDynamic"))
        return;
    ++m_context.perState.dynamicStep;
    setButtons(true, true);
    m_refresh.stepDynamic();
}

void DynamicControls::ToEndDynamicBtnClick()
{
    if (!canStart())
        return;
    if (!logDynamic("ConcludeDynamic"))
        return;
    m_context.perState.dynamicStep = kEveryFrame;
    m_rewindAfterAnimation = false;
    setButtons(false, true);
    {
        const QScopedValueRollback busy(m_busy, true);
        m_context.refresh(ProcessState::Dynamic);
    }
    if (m_rewindAfterAnimation && m_context.session.app().CurrentState == ProcessState::Dynamic) {
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
    m_context.perState.dynamicStep = kFirstFrame;
    m_context.refresh(ProcessState::Dynamic); // the run's end sets the buttons
}

// The animation let the student press a state button; the refresh that button asked
// for could not start while the run went on, so it follows now.
void DynamicControls::refreshAfterAnimation()
{
    const bool stillAnimated = m_context.session.app().CurrentState == ProcessState::Dynamic
        && m_context.perState.dynamicStep == kEveryFrame;
    if (stillAnimated || !m_context.frame.isVisible())
        return;
    m_context.refresh(m_context.session.app().CurrentState);
}

void DynamicControls::setButtons(bool stepAndToEnd, bool rewind)
{
    m_controls.step->setEnabled(stepAndToEnd);
    m_controls.toEnd->setEnabled(stepAndToEnd);
    m_controls.rewind->setEnabled(rewind);
}

// A record that cannot be written (the message has named the file) stops the click.
bool DynamicControls::logDynamic(const char* value)
{
    return m_context.session.logAction(actions::DynamicState, QString::fromLatin1(value));
}

} // namespace brisko::gui
