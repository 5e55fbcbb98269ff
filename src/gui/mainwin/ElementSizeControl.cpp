#include "mainwin/ElementSizeControl.h"
#include "session/ActionCodes.h"

#include "analysis/ElementScan.h"
#include "mainwin/WindowContext.h"
#include "session/Session.h"

#include <QSignalBlocker>
#include <QSlider>

namespace brisko::gui {

ElementSizeControl::ElementSizeControl(WindowContext& context, QSlider& slider)
    : QObject(&slider)
    , m_context(context)
    , m_slider(slider)
{
    connect(&slider, &QSlider::valueChanged, this, &ElementSizeControl::ElementSizeSliderChange);
}

void ElementSizeControl::showDesign()
{
    const QString size = m_context.session.fields().ElementStepSize;
    for (int position = m_slider.minimum(); position <= m_slider.maximum(); ++position) {
        if (QString::number(elementSizeAtSliderPosition(position)) == size) {
            const QSignalBlocker quiet(&m_slider);
            m_slider.setValue(position);
            return;
        }
    }
}

void ElementSizeControl::ElementSizeSliderChange(int position)
{
    Session& session = m_context.session;
    const QString size = QString::number(elementSizeAtSliderPosition(position));
    if (size == session.fields().ElementStepSize)
        return; // the size already in effect: nothing to log or recompute
    session.setElementStepSize(size);
    if (!session.logAction(actions::PropertiesState, QStringLiteral("NewStepSize"), QString::number(position)))
        return;
    m_context.refresh(ProcessState::Prop);
}

} // namespace brisko::gui
