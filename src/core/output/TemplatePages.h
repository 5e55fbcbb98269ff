#pragma once
// The cutting templates at full size: a layer of the body on one landscape page,
// and the wheels, two of each kind, placed by their diameter.
#include "output/PaperPrototype.h"
#include "output/TiledTemplatePages.h"

#include <QPainter>
#include <QRectF>
#include <QVector>

namespace brisko {

enum class LayerKind { Outer, Inner };

inline const QString kSpringAccessNote = QStringLiteral("This layer should remain unglued to provide spring access.");

// A layer template: the template picture with its title (the page counter, or
// "template" when it is 0), the board it is cut from and, on the middle page of the
// stack, the spring-access note.
void paintLayerTemplate(QPainter& painter, const PaperPrototype& prototype, const CarGeometry& geometry,
                        LayerKind layer, int pageCounter);

// Everything a layer template paints, in printer pixels: the paper, and the layer
// with its holes and marks where they reach beyond it, above the paper's bottom
// edge (below it the template is cut).
QRect layerTemplateExtent(const CarGeometry& geometry, LayerKind layer);

// A layer template to print: named by its title, painted as paintLayerTemplate.
TemplateSheet layerSheet(const PaperPrototype& prototype, const CarGeometry& geometry, LayerKind layer,
                         int pageCounter);

// One wheel on a page: its box in drawing pixels and the diameter of its axle hole
// in inches.
struct WheelDisc {
    QRectF Box;
    float AxleDiameter = 0;
};
using WheelPage = QVector<WheelDisc>;

// The two wheels of one kind: below 3.75 in stacked on one page, 3.75 to 5 in side
// by side, above 5 in one page each.
QVector<WheelPage> wheelPagesOf(float wheelDiameter, float axleDiameter);
// The drive wheels' pages, then the other wheels' (the drive sizes in all-wheel drive).
QVector<WheelPage> wheelPages(const PaperPrototype& prototype);

// The paper and the wheels of a wheel page, in printer pixels.
QRect wheelPageExtent(const WheelPage& page, const Frame& printer);

// Every wheel page to print, in the order of wheelPages, each named by its wheels:
// "Racer: Wheels (drive wheels)", or "(drive wheel 1)" and "(drive wheel 2)" when
// each has a page of its own.
QVector<TemplateSheet> wheelSheets(const PaperPrototype& prototype, int pageCounter, const Frame& printer);

// A wheel page: the discs with their axle holes, then the page's labels.
void paintWheelPage(QPainter& painter, const PaperPrototype& prototype, const WheelPage& page, int pageCounter,
                    const Frame& printer);

} // namespace brisko
