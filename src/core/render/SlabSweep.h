#pragma once
// The 3D build view's animation: each slab of a scene swept through its depth in
// one-pixel steps along the longer axis, painted at every position. A sweep is
// driven one position at a time, so that a window can show each step and let
// events through between them; drawSlabs paints a whole range at once.
#include "render/BuildScene.h"

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

namespace brisko {

inline constexpr int kAllSlabs = 999;

class SlabSweep {
public:
    // Slabs `first` to `last` (kAllSlabs: to the end) are painted; the slabs before
    // `first` are swept without painting, so that the picture continues from them.
    SlabSweep(const BuildScene& scene, int first, int last);

    bool done() const { return m_slab > lastSlab(); }
    // Moves to the next position and paints it when its slab is painted; a slab
    // that is not painted is swept whole in one call. Returns the rectangle painted,
    // empty when nothing was.
    QRect step(QPainter& painter);
    // The last step ended slab `slab()`.
    bool slabEnded() const { return m_ended; }
    int slab() const { return m_ended ? m_slab - 1 : m_slab; }
    int lastSlab() const;
    int slabCount() const { return m_scene.slabCount(); }
    // Where the regions are: the sweep so far, in pixels (x to the left is negative).
    QPoint position() const { return m_position; }

private:
    struct Bands {
        QRegion OuterLayer, InnerLayer, Axles, Spring;
    };
    bool painted(int slab) const { return slab >= m_first; }
    void advance(const Slab& slab);
    QRect paintPosition(QPainter& painter, const Slab& slab, bool firstPosition) const;
    void paintLayer(QPainter& painter, const QRegion& layer, const QRegion& band, bool solid) const;
    void paintAxles(QPainter& painter) const;
    void paintWheels(QPainter& painter) const;
    QRect boundsOf(SlabKind kind) const;
    void endSlab();

    const BuildScene& m_scene;
    Bands m_bands;
    int m_first;
    int m_last;
    int m_slab = 1;    // the slab under way, 1-based
    int m_stepped = -1; // positions of it done: -1 before its first
    bool m_ended = false;
    QPoint m_position;
    float m_carry = 0.0f; // the fraction of a pixel moved along the shorter axis
};

// One-pixel moves of a slab's sweep along its longer axis, and the positions it is
// painted at: where it starts and after every move.
int sweepStepsOf(const Slab& slab);
inline int paintedPositionsOf(const Slab& slab) { return sweepStepsOf(slab) + 1; }

// Paints slabs `first` to `last` of the scene without pausing.
void drawSlabs(QPainter& painter, const BuildScene& scene, int first = 0, int last = kAllSlabs);

// Where each slab's sweep ends, slab 1 first: the offsets from the scene's place.
QVector<QPoint> slabEnds(const BuildScene& scene);

// "11 layers" and "5 of 11".
QString slabCountText(int slabs);
QString slabProgressText(int slab, int slabs);

} // namespace brisko
