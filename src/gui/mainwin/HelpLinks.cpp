#include "mainwin/HelpLinks.h"

#include <QFrame>
#include <QMouseEvent>
#include <QWidget>
#include <utility>

namespace brisko::gui {

const std::vector<HelpLink>& helpLinkTable()
{
    static const std::vector<HelpLink> table = {
        {"ProjectedMassLabel", "/help/h-totalmass.html", 0},
        {"Label26", "/help/h-boardmass.html", 89},
        {"Label27", "/help/h-springmass.html", 0},
        {"Label28", "/help/h-axlemass.html", 0},
        {"Label20", "/help/h-outerlayers.html", 87},
        {"Label19", "/help/h-innerlayers.html", 88},
        {"Label17", "/help/h-bodywidth.html", 86},
        {"Label22", "/help/h-revolutions.html", 85},
        {"TimeLabel", "/help/h-timeto15feet.html", 98},
        {"TopSpeedLabel", "/help/h-speedat15feet.html", 99},
        {"PoweredDistanceLabel", "/help/h-projecteddistance.html", 97},
        {"PropulsionLeftShape", "/help/h-propulsion.html", 104},
        {"TractionLeftShape", "/help/h-traction.html", 105},
        {"PropulsionRightShape", "/help/h-propulsion.html", 106},
        {"TractionRightShape", "/help/h-traction.html", 107}, // the same page as the left line
        {"NormalForceLeftShape", "/help/h-normalforce.html", 102},
        {"NormalForceRightShape", "/help/h-normalforce.html", 103},
        {"Label7", "/help/h-design.html", 72},
        {"Label9", "/help/h-build.html", 73},
        {"Label10", "/help/h-analyze.html", 74},
        {"Label11", "/help/h-simulate.html", 75},
        {"Label12", "/help/h-race.html", 76},
        {"Label13", "/help/h-preview.html", 77},
        {"Label18", "/help/h-print.html", 78},
        {"PartNameLabel", "/help/h-part.html", 79},
        {"MaterialLabel", "/help/h-material.html", 108},
        {"TopParameterLabel", "/help/h-diawidth.html", 109},
        {"BottomParameterLabel", "/help/h-lengths.html", 110},
        {"DynamicTimeLabel", "/help/h-elapsedtime.html", 93},
        {"DynamicDistanceLabel", "/help/h-elapseddistance.html", 94},
        {"DynamicRevsLeftLabel", "/help/h-elapsedrevsleft.html", 95},
        {"DynamicRevsRightLabel", "/help/h-elapsedrevsright.html", 96},
    };
    return table;
}

HelpLinkFilter::HelpLinkFilter(QWidget* window, Callback callback)
    : QObject(window)
    , m_window(window)
    , m_callback(std::move(callback))
{
}

void HelpLinkFilter::install()
{
    static const QHash<QString, const HelpLink*> byControl = [] {
        QHash<QString, const HelpLink*> hash;
        for (const HelpLink& link : helpLinkTable())
            hash.insert(link.control, &link);
        return hash;
    }();
    // A link goes on one control only, the one found first.
    QHash<QString, const HelpLink*> missing = byControl;
    for (const HelpLink& link : std::as_const(m_links))
        missing.remove(link.control);
    if (missing.isEmpty())
        return;
    for (QWidget* control : m_window->findChildren<QWidget*>()) {
        const auto found = missing.constFind(control->objectName());
        if (found == missing.constEnd())
            continue;
        control->installEventFilter(this);
        m_links.insert(control, **found);
        // A control built again later gets the link again.
        connect(control, &QObject::destroyed, this, [this](QObject* gone) { m_links.remove(gone); });
        missing.erase(found);
    }
}

namespace {

// Force bars answer a press; captions a click (a release over the caption).
bool activates(QObject* watched, QEvent* event)
{
    const bool isBar = watched->inherits("QFrame") && !watched->inherits("QLabel");
    const QEvent::Type wanted = isBar ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
    if (event->type() != wanted)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
}

} // namespace

bool HelpLinkFilter::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = m_links.constFind(watched);
    if (found != m_links.constEnd() && activates(watched, event)) {
        const HelpLink link = found.value(); // the callback may change the table
        m_callback(link);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brisko::gui
