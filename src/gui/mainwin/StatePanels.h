#pragma once
// The panels of the design-process states along the bottom of the main window,
// with their figure fields and controls. Each builder returns a hidden panel.
#include "mainwin/FigureFields.h"

class QWidget;

namespace brisko::gui {

QWidget* createBuildStatePanel(std::optional<BuildFigures<FigureField>>& fields);   // `BuildStatePanel`: layer and chamber figures
QWidget* createPlay3DPanel();       // `Play3DPanel`: the 3D build view's controls
QWidget* createPropStatePanel(std::optional<AnalyzeFigures<FigureField>>& fields);    // `PropStatePanel`: masses, centroid, torque, propulsion
QWidget* createElementSizeGroupBox(); // `ElementSizeGroupBox` with `ElementSizeSlider`
QWidget* createDynamicStatePanel(std::optional<SimulateFigures<FigureField>>& fields); // `DynamicStatePanel`: time, speed, distance
QWidget* createDynamicPanel();      // `DynamicPanel`: stepping the simulation
QWidget* createRaceStatePanel();    // `RaceStatePanel` with `RaceStateBevel` and `RaceSlider`
QWidget* createPreviewStatePanel(); // `PreviewStatePanel`: paging the templates

} // namespace brisko::gui
