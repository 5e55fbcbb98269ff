#pragma once
// What choosing a drive type does to the spring and wheel fields: in all-wheel
// drive the second spring copies the first and the right wheels get their own
// traction and propulsion figures.
#include "model/CarDesign.h"

#include <QString>

namespace brisko {

struct DriveFields {
    // The second spring's width, length and arbor texts (RSpringWidthEF,
    // RSPringLengthEF, RArborDiaEF) and whether they show.
    QString SecondSpringWidth, SecondSpringLength, SecondArborDia;
    bool SecondSpringVisible = false;
    // The other-wheel diameter field: enabled outside all-wheel drive.
    bool OtherWheelEnabled = true;
    // TractionRightEF, PropulsionRightEF and their labels.
    bool RightWheelFiguresVisible = false;
};

// The fields after choosing `drive`, from the fields before. The design's drive
// and other-wheel texts are set as the drive choice keeps them.
DriveFields switchDrive(CarDesign& design, DriveType drive, const DriveFields& before);

} // namespace brisko
