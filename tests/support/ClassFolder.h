#pragma once
// A class's design files saved into a folder: presets in several drives and spring
// lengths, each under its own name.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "model/Presets.h"
#include "persist/DesignFile.h"

#include <QDir>
#include <QStringList>

namespace brisko::test {

inline QString driveLabel(DriveType drive)
{
    return drive == DriveType::AWD ? QStringLiteral("AWD") : drive == DriveType::FWD ? QStringLiteral("FWD")
                                                                                     : QStringLiteral("RWD");
}

// Writes one design file named after its design; returns its path.
inline QString saveClassDesign(const QString& folder, int preset, DriveType drive, const QString& springLength = {},
                               const QString& name = {})
{
    CarDesign design;
    loadPresetShape(design, preset);
    design.setDrive(drive);
    if (!springLength.isEmpty())
        design.SpringLength = springLength;
    QString designName = name;
    if (designName.isEmpty()) {
        designName = presetNames().at(preset) + QLatin1Char(' ') + driveLabel(drive);
        if (!springLength.isEmpty())
            designName += QStringLiteral(" ") + springLength;
    }
    const QString path = QDir(folder).filePath(designName + QStringLiteral(".brsk"));
    WriteDesignFile(path, design, MaterialLibrary(), designName, nullptr);
    return path;
}

// The five presets in rear- and all-wheel drive, once for each spring length.
inline QStringList saveClassDesigns(const QString& folder, const QStringList& springLengths = {QString()})
{
    QStringList paths;
    for (const QString& length : springLengths)
        for (DriveType drive : {DriveType::RWD, DriveType::AWD})
            for (int preset = 0; preset < kPresetCount; ++preset)
                paths << saveClassDesign(folder, preset, drive, length);
    return paths;
}

} // namespace brisko::test
