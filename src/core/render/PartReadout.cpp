#include "render/PartReadout.h"

#include "geometry/CarGeometry.h"

#include <array>

namespace brisko {

namespace {

QString wheelDetails(const QString& diameter)
{
    return QStringLiteral(", ") + diameter + QStringLiteral(" inches dia");
}

QString axleDetails(const QString& diameter, const QString& length)
{
    return wheelDetails(diameter) + QStringLiteral(", ") + length + QStringLiteral(" inches long");
}

QString materialOf(int part, const CarDesign& design, const MaterialLibrary& materials)
{
    const auto& m = design.Materials;
    switch (part) {
    case InnerLayersPart: return materials.board(m[InnerBodySlot]).Name;
    case OuterLayerPart: return materials.board(m[OuterBodySlot]).Name;
    case WheelTreadPart: return materials.tread(m[TreadSlot]).Name;
    case DriveWheelsPart: return materials.board(m[DriveWheelSlot]).Name;
    case OtherWheelsPart: return materials.board(m[OtherWheelSlot]).Name;
    case SpringPart: return materials.spring(m[SpringSlot]).Name;
    case DriveAxlePart: return materials.axle(m[DriveAxleSlot]).Name;
    default: return materials.axle(m[OtherAxleSlot]).Name;
    }
}

QString detailsOf(int part, const CarDesign& d)
{
    switch (part) {
    case DriveWheelsPart: return wheelDetails(d.DriveWheelDiameter);
    case OtherWheelsPart: return wheelDetails(d.OtherWheelDiameter);
    case SpringPart:
        return QStringLiteral(", ") + d.SpringWidth + QStringLiteral(" inches wide, ") + d.SpringLength
               + QStringLiteral(" inches long");
    case DriveAxlePart: return axleDetails(d.DriveAxleDiameter, d.DriveAxleLength);
    case OtherAxlePart: return axleDetails(d.OtherAxleDiameter, d.OtherAxleLength);
    default: return {};
    }
}

} // namespace

QString partReadoutName(int part)
{
    static const std::array<QString, PartCount> names{
        QStringLiteral("Inner layer"), QStringLiteral("Outer layer"), QStringLiteral("Wheel tread"),
        QStringLiteral("Drive wheel"), QStringLiteral("Other wheel"), QStringLiteral("Spring"),
        QStringLiteral("Drive axle"),  QStringLiteral("Other axle")};
    return part >= 0 && part < PartCount ? names[static_cast<size_t>(part)] : QString();
}

QString partReadout(int part, const CarDesign& design, const MaterialLibrary& materials)
{
    if (part < 0 || part >= PartCount)
        return QStringLiteral("Select parts to edit their attributes. Click \"Apply\" to apply your changes.");
    return QStringLiteral("Highlighted: ") + partReadoutName(part) + QStringLiteral(" (")
           + materialOf(part, design, materials) + detailsOf(part, design) + QStringLiteral(").");
}

} // namespace brisko
