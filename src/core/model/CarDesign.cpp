#include "model/CarDesign.h"

namespace brisko {

QString driveWord(DriveType drive)
{
    switch (drive) {
    case DriveType::RWD: return QStringLiteral("RearWD");
    case DriveType::FWD: return QStringLiteral("FrontWD");
    case DriveType::AWD: return QStringLiteral("AllWD");
    }
    return {};
}

void FrontAxleLocation::setUnits(float xUnits, float yUnits)
{
    XUnits = xUnits;
    XInches = xUnits / 72.0f;
    setHeightUnits(yUnits);
}

void FrontAxleLocation::setHeightUnits(float yUnits)
{
    YUnits = yUnits;
    YInches = yUnits / 72.0f;
}

bool BodyOutline::append(const QPoint& p)
{
    if (m_points.size() >= kMaxOutlinePoints)
        return false;
    m_points.append(p);
    m_printerPoints.clear(); // no longer pairs up
    return true;
}

void BodyOutline::setPoints(const QVector<QPoint>& points)
{
    m_points = points.mid(0, kMaxOutlinePoints);
    m_printerPoints.clear();
}

void BodyOutline::setPoints(const QVector<QPoint>& points, const QVector<QPoint>& printerPoints,
                            const QPointF& printerScale)
{
    setPoints(points);
    if (printerPoints.size() != points.size())
        return;
    m_printerPoints = printerPoints.mid(0, kMaxOutlinePoints);
    m_printerScale = printerScale;
}

void CarDesign::clearWeights()
{
    for (auto& w : Weights)
        w.clear();
}

int CarDesign::weightsInUse() const
{
    int n = 0;
    for (const auto& w : Weights)
        n += w.inUse() ? 1 : 0;
    return n;
}

void CarDesign::setDrive(DriveType drive)
{
    // AWD puts the other-wheel text aside; RWD and FWD always take it back.
    if (drive == DriveType::AWD)
        KeptOtherWheelDiameter = OtherWheelDiameter;
    else
        OtherWheelDiameter = KeptOtherWheelDiameter;
    Drive = drive;
}

QString* dimensionByCode(CarDesign& d, int code)
{
    switch (code) {
    case 14: return &d.SpringWidth;
    case 15: return &d.SpringLength;
    case 16: return &d.DriveAxleDiameter;
    case 17: return &d.OtherAxleDiameter;
    case 18: return &d.DriveWheelDiameter;
    case 19: return &d.OtherWheelDiameter;
    case 20: return &d.OtherAxleLength;
    case 21: return &d.DriveAxleLength;
    default: return nullptr;
    }
}

const QString* dimensionByCode(const CarDesign& d, int code)
{
    return dimensionByCode(const_cast<CarDesign&>(d), code);
}

} // namespace brisko
