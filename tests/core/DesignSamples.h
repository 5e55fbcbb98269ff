#pragma once
// Designs and material sets that exercise every part of a design file.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "model/Presets.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace brisko::test {

inline MaterialLibrary userMaterials()
{
    MaterialLibrary m;
    m.addBoard({"Blue foam", "0.25", "0.0031"});
    m.addBoard({"Card 2mm", "0.08", "0.026"});
    m.addAxle({"Dowel pine", "0.018"});
    SpringMaterial spring{"Lab strip", "0.010", "0.045", "1.0"};
    for (int k = 0; k < kTorqueCurveEntries; ++k)
        spring.TorqueCurve[k] = QString::number(0.9 - k * 0.0125, 'f', 4);
    m.addSpring(spring);
    m.addTread({"Balloon", "0.85"});
    m.addTread({"Tape", "0.40"});
    return m;
}

inline CarDesign sampleDesign(int preset, DriveType drive, ChamberShape chamber)
{
    CarDesign d;
    loadPresetShape(d, preset);
    d.SpringWidth = "1.50";
    d.SpringLength = "42.0";
    d.DriveAxleDiameter = "0.375";
    d.DriveWheelDiameter = "4.80";
    d.OtherWheelDiameter = "2.00";
    d.KeptOtherWheelDiameter = d.OtherWheelDiameter;
    d.OtherAxleDiameter = "0.250";
    d.DriveAxleLength = "6.5";
    d.OtherAxleLength = "7.25";
    d.setDrive(drive);
    d.Chamber = chamber;
    d.CaseRatio = "12.5";
    d.FrictionForce = "0.07";
    d.ElementStepSize = "6";
    d.Materials = {1, 2, 2, 0, 1, 0, 1, 2};
    d.FrontAxle.setUnits(133, 31);
    d.Weights[4] = {100, 400, 0.125f};
    d.Weights[8] = {-5, 12, -0.25f};
    d.Weights[199] = {650, 500, 1.0f}; // the heaviest weight the weight dialog accepts
    return d;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

} // namespace brisko::test
