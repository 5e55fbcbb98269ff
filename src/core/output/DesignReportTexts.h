#pragma once
// The texts the design report prints, each as the program shows it: the typed
// dimensions, the material records and the figures of the virtual prototype.
#include <QString>

namespace brisko {

struct BoardTexts {
    QString Name, Thickness, Density;
};

struct DesignReportTexts {
    QString DesignName; // the design list's text
    bool AllWheelDrive = false;

    // Design parameters, as typed.
    QString SpringWidth, SpringLength, AxleLength;
    QString DriveWheelDia, OtherWheelDia, DriveAxleDia, OtherAxleDia;

    // Materials and assumptions.
    BoardTexts OuterBoard, InnerBoard, DriveWheelBoard, OtherWheelBoard;
    QString DriveAxleName, DriveAxleDensity, OtherAxleName, OtherAxleDensity;
    QString SpringName, SpringThickness, TorqueEntry0, SampleWidth;
    QString TreadName, TreadFriction;
    QString ElementSize;

    // Predicted performance and physical characteristics.
    QString Revolutions, TimeTo15, SpeedAt15, ProjectedDistance;
    bool Skid = false;
    QString PropulsiveForce, TractionLeft, TractionRight;
    QString BoardMass, SpringMass, AxleMass, TotalMass;

    // Details.
    QString MaxTorque, ChamberInnerDia, ChamberOuterDia, ChamberWidth, CarWidth;
    QString TotalLayers, CoredLayers, NonCoredLayers, BottlesNeeded, CentroidX;
    QString NormalUnwound, NormalWound, NormalOther;
};

} // namespace brisko
