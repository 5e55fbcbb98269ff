#pragma once
// The three drive-type buttons of the Set state: one group, one always down.
#include "model/CarDesign.h"

#include <QFrame>
#include <functional>

class QAbstractButton;
class QButtonGroup;

namespace brisko {
class ParameterEntry;
}

namespace brisko::gui {

class DriveBox : public QFrame {
    Q_OBJECT
public:
    // The parameter entry does the work; the panels follow the drive type.
    DriveBox(ParameterEntry& entry, QWidget* parent);

    // Puts the design's drive button down, logging nothing.
    void showDesign();
    QAbstractButton* button(DriveType drive) const;

    // Told the drive shown whenever it changes or is shown again (the panels that
    // show the right wheels' own figures in all-wheel drive only follow it).
    std::function<void(DriveType)> driveShown;

private:
    QAbstractButton* makeButton(DriveType drive, const char* name, const QString& caption);
    void showRightWheelFigures(DriveType drive);

    ParameterEntry* m_entry;
    QButtonGroup* m_group;
};

} // namespace brisko::gui
