#pragma once
// The texts of the Dynamic panel's frame labels.
#include "model/CarDesign.h"

#include <QString>

namespace brisko {

// "3.21 of 14.87 ft"
QString dynamicDistanceLabel(float distance, float projectedDistance);
// "1.20 sec" for step 120
QString dynamicTimeLabel(int step);
// "Rev 4.2 of 11.8: Rear"
QString dynamicRevsLeftLabel(float revsLeft, float revolutions);
// "Rev 4.2 of 11.8: Front" in AWD, else empty
QString dynamicRevsRightLabel(DriveType drive, float revsRight, float revolutions);

} // namespace brisko
