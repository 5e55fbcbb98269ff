#include "output/TemplateSvg.h"

#include "persist/WholeFile.h"

#include "model/DesignFigures.h"
#include "analysis/ChamberSizing.h"
#include "geometry/Shapes.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace brisko {

namespace {

constexpr double kCutLineInches = 0.01;
// The generator states its size in whole dots: at 25400 to the inch a dot is a
// micrometre, so the millimetres it writes are the template's own.
constexpr int kSvgDotsPerInch = 25400;

QPainterPath polygonPath(const QPolygonF& polygon)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (polygon.size() < 3)
        return path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath outlinePath(const BodyOutline& outline)
{
    QPolygonF points;
    for (const QPoint& p : outline.points())
        points << QPointF(p);
    return polygonPath(points);
}

// A case or chamber shape about an axle, in drawing pixels.
QPainterPath chamberShape(const CarGeometry& g, const QPointF& centre, float height, float rho)
{
    if (g.Shape == ChamberShape::Octagonal)
        return polygonPath(QPolygonF(octagonVertices(static_cast<float>(centre.x()), height, rho)));
    QPainterPath path;
    path.addEllipse(centre, rho, rho);
    return path;
}

// Everything above the paper's bottom edge.
QPainterPath abovePaperBottom()
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(-1000, -1000), QPointF(2000, 540)));
    return path;
}

QPainterPath inInches(const QPainterPath& pixels)
{
    return QTransform::fromScale(1.0 / 72.0, 1.0 / 72.0).map(pixels);
}

QVector<AxleHole> axleHoles(const CarGeometry& g, const CarDesign& design)
{
    const double drive = figure(design.DriveAxleDiameter) / 2.0;
    QVector<AxleHole> holes{{g.RearCentre / 72.0, drive}};
    if (g.AllWheelDrive)
        holes << AxleHole{g.FrontCentre / 72.0, drive};
    else
        holes << AxleHole{g.OtherCentre / 72.0, figure(design.OtherAxleDiameter) / 2.0};
    return holes;
}

// The bounds widened to whole thousandths of an inch: the file writes its view box
// with six digits, which then hold it exactly, every point of the path inside.
QRectF toThousandths(const QRectF& inches)
{
    constexpr double k = 1000.0;
    constexpr double kRoundingSlack = 1e-3; // a whole thousandth, give or take single precision, stays itself
    return QRectF(QPointF(std::floor(inches.left() * k + kRoundingSlack) / k,
                          std::floor(inches.top() * k + kRoundingSlack) / k),
                  QPointF(std::ceil(inches.right() * k - kRoundingSlack) / k,
                          std::ceil(inches.bottom() * k - kRoundingSlack) / k));
}

// The paper and everything of the layer that reaches beyond it.
QRectF layerBounds(const QPainterPath& outline, const QVector<AxleHole>& holes)
{
    QRectF bounds = QRectF(0, 0, kSheetWidthInches, kSheetHeightInches).united(outline.boundingRect());
    for (const AxleHole& hole : holes)
        bounds |= QRectF(hole.Centre - QPointF(hole.Radius, hole.Radius), QSizeF(2 * hole.Radius, 2 * hole.Radius));
    return toThousandths(bounds);
}

TemplateOutline layerOutline(const QString& name, const QPainterPath& outline, const QVector<AxleHole>& holes)
{
    return {name, layerBounds(outline, holes), outline, holes};
}

QVector<TemplateOutline> layerOutlines(const PaperPrototype& p)
{
    const CarGeometry g = templateGeometry(p, Frame{});
    const ChamberGeometry c = chamberGeometryOf(p.Mass);
    const float h = c.DriveAxleHeight;
    QPainterPath outer = outlinePath(p.Design.OuterOutline).united(chamberShape(g, g.RearCentre, h, c.CaseRadius));
    const BodyOutline& innerOutline =
        p.Design.InnerOutline.count() < 2 ? p.Design.OuterOutline : p.Design.InnerOutline;
    QPainterPath inner = outlinePath(innerOutline)
                             .united(chamberShape(g, g.RearCentre, h, c.CaseRadius))
                             .subtracted(chamberShape(g, g.RearCentre, h, c.ChamberRadius));
    if (g.AllWheelDrive) {
        outer = outer.united(chamberShape(g, g.FrontCentre, h, c.CaseRadius));
        inner = inner.united(chamberShape(g, g.FrontCentre, h, c.CaseRadius))
                    .subtracted(chamberShape(g, g.FrontCentre, h, c.ChamberRadius));
    }
    const QVector<AxleHole> holes = axleHoles(g, p.Design);
    return {layerOutline(QStringLiteral("outer layer"), inInches(outer.intersected(abovePaperBottom())), holes),
            layerOutline(QStringLiteral("inner layer"), inInches(inner.intersected(abovePaperBottom())), holes)};
}

TemplateOutline wheelOutline(const QString& name, double wheelDia, double axleDia)
{
    const QPointF centre(wheelDia / 2.0, wheelDia / 2.0);
    QPainterPath disc;
    disc.addEllipse(centre, wheelDia / 2.0, wheelDia / 2.0);
    return {name, QRectF(0, 0, wheelDia, wheelDia), disc, {{centre, axleDia / 2.0}}};
}

bool writeSvg(const TemplateOutline& t, const QString& path, const QString& designName, QString* error)
{
    WholeFileWriter file(path);
    if (!file.open()) {
        if (error)
            *error = file.failure();
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(file.device());
    svg.setResolution(kSvgDotsPerInch);
    svg.setSize(QSize(qRound(t.Bounds.width() * kSvgDotsPerInch), qRound(t.Bounds.height() * kSvgDotsPerInch)));
    svg.setViewBox(t.Bounds);
    svg.setTitle(designName + QStringLiteral(": ") + t.Name);
    svg.setDescription(QStringLiteral("Cutting template at full size; units are inches."));
    QPainter painter(&svg);
    painter.setPen(QPen(Qt::black, kCutLineInches));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(t.Outline);
    for (const AxleHole& hole : t.Holes)
        painter.drawEllipse(hole.Centre, hole.Radius, hole.Radius);
    painter.end();
    if (!file.commit()) {
        if (error)
            *error = file.failure();
        return false;
    }
    return true;
}

} // namespace

QVector<TemplateOutline> templateOutlines(const PaperPrototype& p)
{
    QVector<TemplateOutline> all = layerOutlines(p);
    const CarDesign& d = p.Design;
    const bool awd = d.Drive == DriveType::AWD;
    all << wheelOutline(QStringLiteral("drive wheel"), figure(d.DriveWheelDiameter), figure(d.DriveAxleDiameter));
    all << wheelOutline(QStringLiteral("other wheel"), figure(awd ? d.DriveWheelDiameter : d.OtherWheelDiameter),
                        figure(awd ? d.DriveAxleDiameter : d.OtherAxleDiameter));
    return all;
}

QStringList exportTemplateSvgs(const PaperPrototype& p, const QString& folder, const QString& prefix, QString* error)
{
    QStringList written;
    for (const TemplateOutline& t : templateOutlines(p)) {
        const QString path = QDir(folder).filePath(prefix + QLatin1Char(' ') + t.Name + QStringLiteral(".svg"));
        if (!writeSvg(t, path, p.DesignName, error))
            return {};
        written << path;
    }
    return written;
}

} // namespace brisko
