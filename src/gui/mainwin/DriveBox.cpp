#include "mainwin/DriveBox.h"

#include "session/ParameterEntry.h"
#include "session/Session.h"

#include <QButtonGroup>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace brisko::gui {

namespace {
constexpr int kButtonWidth = 130;
}

DriveBox::DriveBox(ParameterEntry& entry, QWidget* parent)
    : QFrame(parent)
    , m_entry(&entry)
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
            [this](int id) { m_entry->chooseDrive(static_cast<DriveType>(id)); });
    connect(&entry.session().notifier(), &SessionNotifier::driveChanged, this, &DriveBox::showRightWheelFigures);
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
    const DriveType drive = m_entry->session().design().Drive;
    button(drive)->setChecked(true);
    showRightWheelFigures(drive);
}

} // namespace brisko::gui
