#include "mainwin/DriveBox.h"

#include "mainwin/SetStatePanel.h"
#include "session/Session.h"

#include <QButtonGroup>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace brisko::gui {

namespace {
constexpr int kButtonWidth = 130;
}

DriveBox::DriveBox(SetStatePanel& panel, QWidget* parent)
    : QFrame(parent)
    , m_panel(&panel)
    , m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("DriveBox"));
    setFrameShape(QFrame::StyledPanel);
    m_group->setExclusive(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addWidget(makeButton(DriveType::RWD, "RWDBtn", QStringLiteral("Rear wheel drive")));
    layout->addWidget(makeButton(DriveType::FWD, "FWDBtn", QStringLiteral("Front wheel drive")));
    layout->addWidget(makeButton(DriveType::AWD, "AWDBtn", QStringLiteral("Four wheel drive")));
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int id) { m_panel->entry().chooseDrive(static_cast<DriveType>(id)); });
    m_panel->entry().onDriveChanged([this](DriveType drive) { showRightWheelFigures(drive); });
    showDesign();
}

void DriveBox::showRightWheelFigures(DriveType drive)
{
    if (driveShown)
        driveShown(drive);
}

QAbstractButton* DriveBox::makeButton(DriveType drive, const char* name, const QString& caption)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setCheckable(true);
    button->setFixedWidth(kButtonWidth);
    m_group->addButton(button, static_cast<int>(drive));
    return button;
}

QAbstractButton* DriveBox::button(DriveType drive) const
{
    return m_group->button(static_cast<int>(drive));
}

void DriveBox::showDesign()
{
    const DriveType drive = m_panel->entry().session().design().Drive;
    button(drive)->setChecked(true);
    showRightWheelFigures(drive);
}

} // namespace brisko::gui
