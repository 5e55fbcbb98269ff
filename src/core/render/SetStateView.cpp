#include "render/SetStateView.h"

#include "analysis/ChamberSizing.h"
#include "render/BackgroundPainter.h"
#include "render/DesignViewPainter.h"

#include <QPainter>

namespace brisko {

CarGeometry designViewGeometry(CarDesign& design, const MaterialLibrary& materials, const ViewLayout& layout,
                               const MassModel& model)
{
    return buildCarGeometry(design, materials, layout, chamberGeometryOf(model));
}

SetStateView renderSetStateView(CarDesign& design, const MaterialLibrary& materials, MassModel& model,
                                const QSize& drawingArea, const QColor& background)
{
    return renderSetStateView(design, materials, model, layoutView(drawingArea.width(), drawingArea.height()),
                              drawingArea, background);
}

SetStateView renderSetStateView(CarDesign& design, const MaterialLibrary& materials, MassModel& model,
                                const ViewLayout& layout, const QSize& drawingArea, const QColor& background)
{
    SetStateView view;
    view.Image = QImage(drawingArea, QImage::Format_RGB32);
    QPainter painter(&view.Image);
    view.Geometry = paintSetStateView(painter, design, materials, model, layout, drawingArea, background, &view.Weights);
    return view;
}

CarGeometry paintSetStateView(QPainter& painter, CarDesign& design, const MaterialLibrary& materials, MassModel& model,
                              const ViewLayout& layout, const QSize& drawingArea, const QColor& background,
                              WeightBoxes* weights)
{
    // A refresh first rebuilds with the figures of the last sizing, which may still
    // complete a missing inner outline, then sizes the chamber afresh.
    buildCarGeometry(design, materials, layout, chamberGeometryOf(model));
    sizeChamberAndLayers(design, materials, model);

    CarGeometry geometry = designViewGeometry(design, materials, layout, model);
    BackgroundScene scene;
    scene.State = ProcessState::Set;
    scene.Layout = layout;
    scene.Area = drawingArea;
    scene.WindowWidth = drawingArea.width();
    scene.Background = background;
    paintBackground(painter, scene);
    const WeightBoxes boxes = paintSetPicture(painter, geometry, design, materials, model.chamberRadiusUnits());
    if (weights)
        *weights = boxes;
    return geometry;
}

} // namespace brisko
