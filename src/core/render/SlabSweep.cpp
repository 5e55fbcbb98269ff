#include "render/SlabSweep.h"

#include "render/RegionPainting.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace brisko {

namespace {

// Depths are products of thicknesses and whole pixels: a trace of rounding must not
// add a step.
constexpr float kDepthTolerance = 1e-4f;
constexpr int kWheelPen = 3;

QRegion bandOf(const QRegion& region)
{
    return frameBand(region, 1, 1);
}

} // namespace

SlabSweep::SlabSweep(const BuildScene& scene, int first, int last)
    : m_scene(scene)
    , m_bands{bandOf(scene.OuterLayer), bandOf(scene.InnerLayer), bandOf(scene.Axles), bandOf(scene.Spring)}
    , m_first(first)
    , m_last(last)
{
}

int SlabSweep::lastSlab() const
{
    return std::min(m_scene.slabCount(), m_last);
}

int sweepStepsOf(const Slab& slab)
{
    const float longer = std::max(slab.Dx, slab.Dy);
    return longer <= kDepthTolerance ? 0 : static_cast<int>(std::ceil(longer - kDepthTolerance));
}

// One pixel along the longer axis; the shorter one moves once its fractions add up
// to a whole pixel.
void SlabSweep::advance(const Slab& slab)
{
    const bool leftward = slab.Dx >= slab.Dy;
    const float ratio = leftward ? slab.Dy / slab.Dx : slab.Dx / slab.Dy;
    m_carry += ratio;
    const int along = m_carry >= 1.0f ? 1 : 0;
    m_carry -= static_cast<float>(along);
    if (leftward)
        m_position += QPoint(-1, along);
    else
        m_position += QPoint(-along, 1);
}

QRect SlabSweep::step(QPainter& painter)
{
    m_ended = false;
    if (done())
        return {};
    const Slab& slab = m_scene.Slabs.at(m_slab - 1);
    const int steps = sweepStepsOf(slab);
    if (!painted(m_slab)) {
        for (int i = 0; i < steps; ++i)
            advance(slab);
        endSlab();
        return {};
    }
    if (m_stepped >= 0)
        advance(slab);
    ++m_stepped;
    const QRect rect = paintPosition(painter, slab, m_stepped == 0);
    if (m_stepped >= steps)
        endSlab();
    return rect;
}

void SlabSweep::endSlab()
{
    ++m_slab;
    m_stepped = -1;
    m_ended = true;
}

QRect SlabSweep::paintPosition(QPainter& painter, const Slab& slab, bool firstPosition) const
{
    painter.save();
    painter.translate(m_position);
    switch (slab.Kind) {
    case SlabKind::FarWheels: paintWheels(painter); break;
    case SlabKind::Axles: paintAxles(painter); break;
    case SlabKind::OuterLayer:
        paintLayer(painter, m_scene.OuterLayer, m_bands.OuterLayer, firstPosition);
        paintAxles(painter);
        break;
    case SlabKind::InnerLayer:
        paintLayer(painter, m_scene.InnerLayer, m_bands.InnerLayer, firstPosition);
        paintAxles(painter);
        fillRegion(painter, m_scene.Spring, buildcolours::kSpringFill);
        fillRegion(painter, m_bands.Spring, buildcolours::kSpringEdge);
        break;
    case SlabKind::NearWheels:
        paintWheels(painter);
        paintAxles(painter);
        break;
    }
    painter.restore();
    return boundsOf(slab.Kind).translated(m_position);
}

// The first position paints the board's face solid; later ones only its edge, which
// builds up the side of the slab.
void SlabSweep::paintLayer(QPainter& painter, const QRegion& layer, const QRegion& band, bool solid) const
{
    if (solid)
        fillRegion(painter, layer, buildcolours::kBackground);
    fillRegion(painter, band, buildcolours::kFoamEdge);
}

void SlabSweep::paintAxles(QPainter& painter) const
{
    fillRegion(painter, m_scene.Axles, buildcolours::kAxleFill);
    fillRegion(painter, m_bands.Axles, buildcolours::kAxleEdge);
}

void SlabSweep::paintWheels(QPainter& painter) const
{
    painter.setPen(QPen(buildcolours::kWheelOutline, kWheelPen));
    painter.setBrush(buildcolours::kBackground);
    for (const QRect& box : m_scene.Wheels)
        painter.drawEllipse(box);
}

QRect SlabSweep::boundsOf(SlabKind kind) const
{
    QRect wheels;
    for (const QRect& box : m_scene.Wheels)
        wheels |= box.adjusted(-kWheelPen, -kWheelPen, kWheelPen, kWheelPen);
    const QRect axles = m_scene.Axles.boundingRect();
    switch (kind) {
    case SlabKind::FarWheels: return wheels;
    case SlabKind::Axles: return axles;
    case SlabKind::OuterLayer: return m_scene.OuterLayer.boundingRect() | axles;
    case SlabKind::InnerLayer: return m_scene.InnerLayer.boundingRect() | axles | m_scene.Spring.boundingRect();
    case SlabKind::NearWheels: return wheels | axles;
    }
    return {};
}

void drawSlabs(QPainter& painter, const BuildScene& scene, int first, int last)
{
    SlabSweep sweep(scene, first, last);
    while (!sweep.done())
        sweep.step(painter);
}

QVector<QPoint> slabEnds(const BuildScene& scene)
{
    QImage none(1, 1, QImage::Format_RGB32);
    QPainter painter(&none);
    SlabSweep sweep(scene, kAllSlabs + 1, kAllSlabs); // swept, never painted
    QVector<QPoint> ends;
    while (!sweep.done()) {
        sweep.step(painter);
        ends << sweep.position();
    }
    return ends;
}

QString slabCountText(int slabs)
{
    return QString::number(slabs) + QStringLiteral(" layers");
}

QString slabProgressText(int slab, int slabs)
{
    return QString::number(slab) + QStringLiteral(" of ") + QString::number(slabs);
}

} // namespace brisko
