#pragma once
// The one car design in memory: dimensions as typed text, drive, outlines, axle
// position, added weights, material choices and the settings that travel with it.
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVector>
#include <array>

namespace brisko {

inline constexpr int kSheetUnitsPerInch = 72;
inline constexpr int kSheetWidthUnits = 720;   // 10 in
inline constexpr int kSheetHeightUnits = 540;  // 7.5 in
inline constexpr int kMaxOutlinePoints = 256;
inline constexpr int kWeightSlots = 256;
inline constexpr int kMaterialSlots = 8;

enum class DriveType { RWD = 10, FWD = 11, AWD = 12 };
enum class ChamberShape { Octagonal = 13, Circular = 14 };

// "RearWD", "FrontWD", "AllWD".
QString driveWord(DriveType drive);

// The front (other) axle: distances from the sheet's right and bottom edges.
struct FrontAxleLocation {
    float XUnits = 115.0f;
    float YUnits = 25.0f;
    float XInches = 115.0f / 72.0f;
    float YInches = 25.0f / 72.0f;

    void setUnits(float xUnits, float yUnits);
    void setHeightUnits(float yUnits);
};

// A closed polygon of at most 256 points in sheet units; points are 1-based in the
// descriptions, 0-based here. An outline drawn with the mouse also keeps a
// printer-frame copy of its points, converted from the unrounded positions of
// the clicks, for the templates; other outlines convert their points when printed.
class BodyOutline {
public:
    int count() const { return static_cast<int>(m_points.size()); }
    bool isEmpty() const { return m_points.isEmpty(); }
    const QVector<QPoint>& points() const { return m_points; }
    const QPoint& point(int index) const { return m_points.at(index); }
    // The printer-frame copy, empty when the points are converted instead, and the
    // printer scales it was made for.
    const QVector<QPoint>& printerPoints() const { return m_printerPoints; }
    QPointF printerScale() const { return m_printerScale; }
    // Appends a point; false once the outline holds 256 points.
    bool append(const QPoint& p);
    void setPoints(const QVector<QPoint>& points); // truncated to 256
    // Both frames at once, as a drawing commits them; the copies must pair up.
    void setPoints(const QVector<QPoint>& points, const QVector<QPoint>& printerPoints, const QPointF& printerScale);
    void clear()
    {
        m_points.clear();
        m_printerPoints.clear();
    }
    // The same polygon: the printer copy follows from the points.
    bool operator==(const BodyOutline& other) const { return m_points == other.m_points; }

private:
    QVector<QPoint> m_points;
    QVector<QPoint> m_printerPoints;
    QPointF m_printerScale{1.0, 1.0};
};

struct AddedWeight {
    qint32 X = 0;
    qint32 Y = 0;
    float Mass = 0.0f; // 0 means the slot is empty

    bool inUse() const { return Mass != 0.0f; }
    void clear() { *this = AddedWeight{}; }
};

// Positions in the material library, in the fixed order of the design file.
enum MaterialSlot {
    OuterBodySlot = 0,
    InnerBodySlot,
    DriveWheelSlot,
    OtherWheelSlot,
    DriveAxleSlot,
    OtherAxleSlot,
    SpringSlot,
    TreadSlot,
};
using MaterialSelection = std::array<qint32, kMaterialSlots>;

struct CarDesign {
    QString SpringWidth = QStringLiteral("1.5");
    QString SpringLength = QStringLiteral("36");
    QString DriveAxleDiameter = QStringLiteral("0.5");
    QString DriveWheelDiameter = QStringLiteral("4.80");
    QString OtherWheelDiameter = QStringLiteral("1.75");
    QString OtherAxleDiameter = QStringLiteral("0.25");
    QString DriveAxleLength = QStringLiteral("7");
    QString OtherAxleLength = QStringLiteral("7");
    DriveType Drive = DriveType::RWD;
    FrontAxleLocation FrontAxle;
    BodyOutline OuterOutline;
    BodyOutline InnerOutline;
    std::array<AddedWeight, kWeightSlots> Weights{};
    MaterialSelection Materials{};
    QString CaseRatio = QStringLiteral("4.0");
    QString FrictionForce = QStringLiteral("0.05");
    ChamberShape Chamber = ChamberShape::Circular;
    QString ElementStepSize = QStringLiteral("9");
    QString KeptOtherWheelDiameter = QStringLiteral("1.75");

    void clearOuterOutline() { OuterOutline.clear(); }
    void clearInnerOutline() { InnerOutline.clear(); }
    void clearWeights();
    int weightsInUse() const;
    // The hit boxes of the weights' markers as last drawn, by slot.

    // Drive choice with the other-wheel text kept aside while AWD is chosen.
    void setDrive(DriveType drive);
};

// The action codes of the eight dimensions, in the order of their fields: spring
// width and length, axle diameters, wheel diameters and thicknesses.
inline constexpr std::array<int, 8> kDimensionCodes{14, 15, 16, 17, 18, 19, 20, 21};
inline constexpr bool isDimensionCode(int code)
{
    return code >= kDimensionCodes.front() && code <= kDimensionCodes.back();
}

// The eight dimension texts by their action code.
QString* dimensionByCode(CarDesign& design, int code);
const QString* dimensionByCode(const CarDesign& design, int code);

} // namespace brisko
