#include "render/DriveDirection.h"

#include "model/DesignFigures.h"
#include "render/Pens.h"
#include "render/TextDrawing.h"
#include "render/ViewColours.h"
#include "text/NumberText.h"

#include <cmath>

namespace brisko {

QPolygon driveArrowPoints(DriveType drive)
{
    if (drive == DriveType::FWD)
        return QPolygon({{500, 70}, {335, 70}, {335, 55}, {300, 75}, {335, 95}, {335, 80}, {500, 80}, {500, 70}});
    return QPolygon({{250, 70}, {415, 70}, {415, 55}, {450, 75}, {415, 95}, {415, 80}, {250, 80}, {250, 70}});
}

QString driveCaption(DriveType drive)
{
    switch (drive) {
    case DriveType::FWD: return QStringLiteral("Front wheel drive");
    case DriveType::AWD: return QStringLiteral("All wheel drive");
    case DriveType::RWD: break;
    }
    return QStringLiteral("Rear wheel drive");
}

void paintDriveDirection(QPainter& painter, const ViewLayout& layout, DriveType drive)
{
    const Frame view = layout.viewFrame();
    QPolygon arrow;
    for (const QPoint& p : driveArrowPoints(drive))
        arrow << view.point(static_cast<float>(p.x()), static_cast<float>(p.y()));
    painter.save();
    painter.setPen(viewPen(colours::kRed, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(arrow);
    painter.restore();

    // The caption sits below the arrow, from its left end.
    const QRect arrowBox = driveArrowPoints(drive).boundingRect();
    const QPoint captionAt = view.point(static_cast<float>(arrowBox.left()), 100.0f);
    drawLabel(painter, captionAt, driveCaption(drive), nearest(16.0f * layout.ViewScale));
}

namespace {

constexpr int kStripSegments = 10;
constexpr double kStripSweep = M_PI / 2.0; // a quarter turn from the coil's top

// From the top of the coil, a quarter turn toward `side` (-1 rear, +1 front),
// growing from the coil's radius to just inside the chamber wall.
QPolygon stripPoints(const Frame& view, const QPointF& centre, float coilRadius, float wallRadius, int side)
{
    const float endRadius = std::max(coilRadius, wallRadius - 4.0f);
    QPolygon points;
    for (int i = 0; i <= kStripSegments; ++i) {
        const double t = static_cast<double>(i) / kStripSegments;
        const double angle = t * kStripSweep; // from straight up
        const double radius = coilRadius + t * (endRadius - coilRadius);
        points << view.point(static_cast<float>(centre.x() + side * radius * std::sin(angle)),
                             static_cast<float>(centre.y() - radius * std::cos(angle)));
    }
    return points;
}

float coilRadiusOf(const CarDesign& design, const MaterialLibrary& materials)
{
    const float arbor = figure(design.DriveAxleDiameter);
    const float thickness = figure(springOf(design, materials).Thickness);
    const int wraps = springWraps(arbor, figure(design.SpringLength));
    return arbor / 2.0f * 72.0f + 1.1f * static_cast<float>(wraps) * thickness * 72.0f;
}

} // namespace

void paintSpringStrips(QPainter& painter, const CarGeometry& geometry, const CarDesign& design,
                       const MaterialLibrary& materials, float chamberRadius)
{
    const Frame view = geometry.Layout.viewFrame();
    const float coil = coilRadiusOf(design, materials);
    const int side = design.Drive == DriveType::FWD ? 1 : -1;
    painter.save();
    painter.setPen(viewPen(colours::kSpringFill, 2));
    painter.drawPolyline(stripPoints(view, geometry.RearCentre, coil, chamberRadius, side));
    if (geometry.AllWheelDrive)
        painter.drawPolyline(stripPoints(view, geometry.FrontCentre, coil, chamberRadius, side));
    painter.restore();
}

} // namespace brisko
