#include "mainwin/ProcessBar.h"

#include "mainwin/StateIcons.h"
#include "mainwin/WidgetFactory.h"

#include <QAction>
#include <QActionGroup>
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

int indexOf(ProcessState state)
{
    const auto& infos = stateButtons();
    for (int i = 0; i < static_cast<int>(infos.size()); ++i)
        if (infos[i].state == state)
            return i;
    return -1;
}

QWidget* createStateStep(const StateButtonInfo& info, QActionGroup* group, QToolButton*& button, QAction*& action)
{
    auto* step = new QWidget;
    auto* column = new QVBoxLayout(step);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    action = new QAction(stateIcon(info.state), QString(), group); // the caption is the label underneath
    action->setToolTip(QString::fromLatin1(info.hint));
    action->setCheckable(true);
    button = new QToolButton;
    button->setObjectName(QString::fromLatin1(info.buttonName));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(false);
    button->setIconSize(QSize(36, 36));
    button->setFixedSize(56, 48);
    column->addWidget(button, 0, Qt::AlignHCenter);
    QLabel* caption = makeLinkLabel(QString::fromLatin1(info.captionName), QString::fromLatin1(info.caption));
    caption->setAlignment(Qt::AlignHCenter);
    caption->setProperty("stepCaption", true);
    column->addWidget(caption, 0, Qt::AlignHCenter);
    return step;
}

} // namespace

QToolButton* ProcessBar::button(ProcessState state) const
{
    const int i = indexOf(state);
    return i < 0 ? nullptr : buttons[i];
}

QAction* ProcessBar::action(ProcessState state) const
{
    const int i = indexOf(state);
    return i < 0 ? nullptr : actions[i];
}

ProcessBar createProcessBar(QActionGroup* group)
{
    group->setExclusive(true);
    ProcessBar made;
    made.bar = new QWidget;
    made.bar->setObjectName(QStringLiteral("ProcessBar"));
    auto* row = new QHBoxLayout(made.bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    // The buttons are one exclusive group for the keyboard too: Tab stops at the
    // state's button, the arrow keys go to the next state.
    auto* keys = new QButtonGroup(made.bar);
    keys->setExclusive(true);
    const auto& infos = stateButtons();
    for (int i = 0; i < static_cast<int>(infos.size()); ++i) {
        row->addWidget(createStateStep(infos[i], group, made.buttons[i], made.actions[i]));
        keys->addButton(made.buttons[i]);
    }
    return made;
}

} // namespace brisko::gui
