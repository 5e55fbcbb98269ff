#pragma once
// The whole Set-state design view of a design in one call: layout, sizing, the
// two geometry rebuilds of a refresh, the background and the picture.
#include "analysis/MassModel.h"
#include "geometry/CarGeometry.h"
#include "render/ViewColours.h"
#include "render/WeightMarkers.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

namespace brisko {

struct SetStateView {
    QImage Image;          // the drawing area
    CarGeometry Geometry;  // the regions the picture was painted from: hit tests, highlights
    WeightBoxes Weights;   // where each weight's marker was drawn, for the remove tool
};

// The regions as the design view builds them: with the chamber radius from the
// fresh chamber figures and the case half an inch further out.
CarGeometry designViewGeometry(CarDesign& design, const MaterialLibrary& materials, const ViewLayout& layout,
                               const MassModel& model);

// Paints the Set state into an image of the drawing area's size. The layout is
// laid out in that size; `model` holds the chamber figures of the previous
// refresh on entry and the fresh ones on return. The design may have its texts
// corrected by the sizing.
SetStateView renderSetStateView(CarDesign& design, const MaterialLibrary& materials, MassModel& model,
                                const QSize& drawingArea, const QColor& background = colours::kDefaultBackground);
// Paints the same picture with any painter, over the drawing area from its origin,
// and returns the regions it was painted from; `weights`, when given, gets the
// weights' markers.
CarGeometry paintSetStateView(QPainter& painter, CarDesign& design, const MaterialLibrary& materials, MassModel& model,
                              const ViewLayout& layout, const QSize& drawingArea,
                              const QColor& background = colours::kDefaultBackground, WeightBoxes* weights = nullptr);
// The same with the layout the main window computed from its own size.
SetStateView renderSetStateView(CarDesign& design, const MaterialLibrary& materials, MassModel& model,
                                const ViewLayout& layout, const QSize& drawingArea,
                                const QColor& background = colours::kDefaultBackground);

} // namespace brisko
