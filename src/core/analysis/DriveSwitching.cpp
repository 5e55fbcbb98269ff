#include "analysis/DriveSwitching.h"

namespace brisko {

DriveFields switchDrive(CarDesign& design, DriveType drive, const DriveFields& before)
{
    DriveFields after = before;
    design.setDrive(drive);
    switch (drive) {
    case DriveType::AWD:
        after.SecondSpringWidth = design.SpringWidth;
        after.SecondSpringLength = design.SpringLength;
        after.SecondArborDia = design.DriveAxleDiameter;
        after.SecondSpringVisible = true;
        after.OtherWheelEnabled = false;
        after.RightWheelFiguresVisible = true;
        break;
    case DriveType::RWD:
        after.SecondSpringVisible = false;
        after.OtherWheelEnabled = true;
        after.RightWheelFiguresVisible = false;
        break;
    case DriveType::FWD: // the second spring's fields keep their visibility
        after.OtherWheelEnabled = true;
        after.RightWheelFiguresVisible = false;
        break;
    }
    return after;
}

} // namespace brisko
