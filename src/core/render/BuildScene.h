#pragma once
// What the 3D build view stacks: the layers, axles, spring and wheels of the car in
// the picture frame, placed so that the finished solid is centred in the drawing
// area, and the list of slabs with the depth each one is swept through.
#include "geometry/CarGeometry.h"

#include <QColor>
#include <QRegion>
#include <QVector>

namespace brisko {

namespace buildcolours {
inline const QColor kBackground(238, 221, 255);
inline const QColor kFoamEdge(204, 187, 238);
inline const QColor kWheelOutline(255, 153, 153);
inline const QColor kAxleFill(255, 204, 170);
inline const QColor kAxleEdge(238, 187, 153);
inline const QColor kSpringFill(0, 255, 0);
inline const QColor kSpringEdge(85, 221, 85);
} // namespace buildcolours

inline constexpr int kPictureSizePositions = 3; // "Small", "Med", "Large"
// Far wheels, axles, outer layer, outer layer, axles, near wheels, axle ends.
inline constexpr int kSlabsBesideCoredLayers = 7;

// The picture size of a position of the size slider: 0.4, 0.575 or 0.75.
float pictureSizeAt(int position);

enum class SlabKind {
    FarWheels,  // the drive and other wheels on the far side
    Axles,      // the axle stubs alone
    OuterLayer, // an outer layer with the axles
    InnerLayer, // a cored layer with the spring and the axles
    NearWheels, // the near wheels and the axles
};

struct Slab {
    SlabKind Kind = SlabKind::Axles;
    float Dx = 0.0f; // pixels swept to the left
    float Dy = 0.0f; // pixels swept downward
};

struct BuildScene {
    // Picture-frame regions moved right by Offset: where the far side of the solid
    // starts.
    QRegion OuterLayer, InnerLayer, Axles, Spring;
    QVector<QRect> Wheels; // boxes of the wheel ellipses
    QVector<Slab> Slabs;   // slab 1 first
    int Kx = 0, Ky = 0;    // sweep pixels per inch of board
    int StackDepth = 0;
    int Offset = 0;

    int slabCount() const { return static_cast<int>(Slabs.size()); }
};

// The scene of a region set built with the picture size of its layout, for
// `coredLayers` cored layers and a drawing area `areaWidth` pixels wide.
BuildScene buildSceneOf(const CarGeometry& geometry, const CarDesign& design, const MaterialLibrary& materials,
                        int coredLayers, int areaWidth);

} // namespace brisko
