#include "render/BuildScene.h"

#include "model/DesignFigures.h"
#include "geometry/Shapes.h"
#include "text/NumberText.h"

#include <algorithm>

namespace brisko {

float pictureSizeAt(int position)
{
    return static_cast<float>(position) * 0.175f + 0.4f;
}

namespace {

float thicknessOf(const CarDesign& design, const MaterialLibrary& materials, MaterialSlot slot)
{
    return figure(boardOf(design, materials, slot).Thickness);
}

// The solid outer layer and the cored inner layer, cut at the paper's bottom edge.
void buildLayers(BuildScene& s, const CarGeometry& g)
{
    const ChamberShape k = g.Shape;
    QRegion cases = g.RearCase.Picture.of(k);
    QRegion chambers = g.RearChamber.Picture.of(k);
    if (g.AllWheelDrive) {
        cases += g.FrontCase.Picture.of(k);
        chambers += g.FrontChamber.Picture.of(k);
    }
    s.OuterLayer = (polygonRegion(g.OuterOutlinePicture) + cases) - g.BelowPaperPicture;
    s.InnerLayer = ((polygonRegion(g.InnerOutlinePicture) + cases) - chambers) - g.BelowPaperPicture;
}

QRect wheelBox(const Frame& picture, const QPointF& centre, float diameter)
{
    const int half = nearest(diameter * 72.0f * picture.ScaleX * picture.Factor) / 2;
    const QPoint c = picture.point(centre);
    return {c.x() - half, c.y() - half, 2 * half, 2 * half};
}

void buildWheels(BuildScene& s, const CarGeometry& g, const CarDesign& design)
{
    const Frame picture = g.Layout.pictureFrame();
    const float drive = figure(design.DriveWheelDiameter);
    s.Wheels = {wheelBox(picture, g.RearCentre, drive)};
    if (g.AllWheelDrive)
        s.Wheels << wheelBox(picture, g.FrontCentre, drive);
    else
        s.Wheels << wheelBox(picture, g.OtherCentre, figure(design.OtherWheelDiameter));
}

void buildSlabs(BuildScene& s, const CarDesign& design, const MaterialLibrary& materials, int coredLayers)
{
    const auto slab = [&](SlabKind kind, MaterialSlot board) {
        const float t = thicknessOf(design, materials, board);
        return Slab{kind, t * static_cast<float>(s.Kx), t * static_cast<float>(s.Ky)};
    };
    s.Slabs = {slab(SlabKind::FarWheels, DriveWheelSlot), slab(SlabKind::Axles, DriveWheelSlot),
               slab(SlabKind::OuterLayer, OuterBodySlot)};
    for (int i = 0; i < coredLayers; ++i)
        s.Slabs << slab(SlabKind::InnerLayer, InnerBodySlot);
    s.Slabs << slab(SlabKind::OuterLayer, OuterBodySlot) << slab(SlabKind::Axles, DriveWheelSlot)
            << slab(SlabKind::NearWheels, DriveWheelSlot) << slab(SlabKind::Axles, DriveWheelSlot);
}

// The far side starts StackDepth pixels right of the margin that centres the solid.
void place(BuildScene& s, const CarGeometry& g, const CarDesign& design, const MaterialLibrary& materials,
           int coredLayers, int areaWidth)
{
    const float kx = static_cast<float>(s.Kx);
    const float outer = thicknessOf(design, materials, OuterBodySlot) * kx;
    const float inner = thicknessOf(design, materials, InnerBodySlot) * kx;
    const float wheel = thicknessOf(design, materials, DriveWheelSlot) * kx;
    s.StackDepth = nearest(2.0f * outer + static_cast<float>(coredLayers) * inner + kx + 2.0f * wheel);
    const int width = nearest(720.0f * g.Layout.ViewScale * g.Layout.PictureSize) + s.StackDepth;
    s.Offset = nearest(static_cast<float>(areaWidth - width) / 2.0f) + s.StackDepth;
    for (QRegion* region : {&s.OuterLayer, &s.InnerLayer, &s.Axles, &s.Spring})
        region->translate(s.Offset, 0);
    for (QRect& box : s.Wheels)
        box.translate(s.Offset, 0);
}

} // namespace

BuildScene buildSceneOf(const CarGeometry& g, const CarDesign& design, const MaterialLibrary& materials,
                        int coredLayers, int areaWidth)
{
    BuildScene s;
    s.Kx = g.Layout.PictureShiftX;
    s.Ky = g.Layout.PictureShiftY;
    buildLayers(s, g);
    s.Axles = g.DriveAxleRegion.Picture;
    if (!g.AllWheelDrive) // in AWD the front axle is a drive axle, part of the region above
        s.Axles += g.OtherAxleRegion.Picture;
    s.Spring = g.SpringPicture;
    buildWheels(s, g, design);
    buildSlabs(s, design, materials, std::max(0, coredLayers));
    place(s, g, design, materials, std::max(0, coredLayers), areaWidth);
    return s;
}

} // namespace brisko
