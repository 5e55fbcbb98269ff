#include "mainwin/Placeholders.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

namespace brisko::gui {

QWidget* createSetStatePanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SetStatePanel"));
    panel->setMinimumHeight(96);
    return panel;
}

QWidget* createDriveBox()
{
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("DriveBox"));
    box->setMinimumSize(110, 56);
    return box;
}

QWidget* createDesignListBar()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("DesignListBar"));
    bar->setMinimumWidth(220);
    return bar;
}

} // namespace brisko::gui
