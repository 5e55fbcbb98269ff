#include "mainwin/ProcessBar.h"

#include "mainwin/StateIcons.h"
#include "mainwin/WidgetFactory.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace brisko::gui {

const std::array<StateButtonInfo, 7>& stateButtons()
{
    static const std::array<StateButtonInfo, 7> buttons = {{
        {ProcessState::Set, "VPSetBtn", "Edit the car design", "Label7", "Design"},
        {ProcessState::Build, "VPBuildBtn", "\"Build\" a virtual prototype", "Label9", "Build"},
        {ProcessState::Prop, "VPPropBtn", "Compute the physical properties of the design", "Label10", "Analyze"},
        {ProcessState::Dynamic, "VPDynPerfBtn", "Dynamically simulate the design", "Label11", "Simulate"},
        {ProcessState::Race, "VPRaceBtn", "Race against other designs", "Label12", "Race"},
        {ProcessState::Preview, "VPPreviewBtn",
         "Inspect the parts-cutting templates for the main car body, before printing them", "Label13", "Preview"},
        {ProcessState::Print, "VPPrintBtn", "Print parts-cutting templates to help you build the car", "Label18",
         "Print"},
    }};
    return buttons;
}

QString stateButtonName(ProcessState state)
{
    for (const auto& info : stateButtons())
        if (info.state == state)
            return QString::fromLatin1(info.buttonName);
    return {};
}

namespace {

QWidget* createStateStep(const StateButtonInfo& info, QButtonGroup* group)
{
    auto* step = new QWidget;
    auto* column = new QVBoxLayout(step);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(info.buttonName));
    button->setToolTip(QString::fromLatin1(info.hint));
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setIcon(stateIcon(info.state));
    button->setIconSize(QSize(36, 36));
    button->setFixedSize(56, 48);
    group->addButton(button, static_cast<int>(info.state));
    column->addWidget(button, 0, Qt::AlignHCenter);
    QLabel* caption = makeLinkLabel(QString::fromLatin1(info.captionName), QString::fromLatin1(info.caption));
    caption->setAlignment(Qt::AlignHCenter);
    caption->setProperty("stepCaption", true);
    column->addWidget(caption, 0, Qt::AlignHCenter);
    return step;
}

} // namespace

QWidget* createProcessBar(QButtonGroup* group)
{
    group->setExclusive(true);
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("ProcessBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (const auto& info : stateButtons())
        row->addWidget(createStateStep(info, group));
    return bar;
}

} // namespace brisko::gui
