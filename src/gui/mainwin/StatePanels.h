#pragma once
// The panels of the design-process states along the bottom of the main window,
// with their figure fields and controls. Each builder returns a hidden panel with
// its controls, typed, for the state's controller.
#include "mainwin/FigureFields.h"

class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace brisko::gui {

// `Play3DPanel`: the 3D build view's player and its picture-size slider.
struct Play3DControls {
    QWidget* panel = nullptr;
    QPushButton* rewind = nullptr;  // `Rewind3DBtn`
    QPushButton* step = nullptr;    // `StepForward3DBtn`
    QPushButton* toEnd = nullptr;   // `ToEnd3DBtn`
    QLabel* progress = nullptr;     // `Progress3DLabel`
    QSlider* pictureSize = nullptr; // `Slider3D`
};

// `PropStatePanel`: masses, centroid, torque, propulsion.
struct AnalyzeFiguresPanel {
    QWidget* panel = nullptr;
    QLabel* rightPropulsionCaption = nullptr; // `PropulsionRightLabel`, shown in all-wheel drive only
};

// `ElementSizeGroupBox` with `ElementSizeSlider`.
struct ElementSizeBox {
    QWidget* box = nullptr;
    QSlider* slider = nullptr;
};

// `DynamicStatePanel`: time, speed and distance, and the revised-distance note.
struct SimulateFiguresPanel {
    QWidget* panel = nullptr;
    QLabel* revised = nullptr; // `RevisedLabel`
};

// `DynamicPanel`: stepping the simulation, its chart and the run's labels.
struct RunControls {
    QWidget* panel = nullptr;
    QPushButton* rewind = nullptr; // `RewindDynamicBtn`
    QPushButton* step = nullptr;   // `StepDynamicBtn`
    QPushButton* toEnd = nullptr;  // `ToEndDynamicBtn`
    QPushButton* chart = nullptr;  // `ChartBtn`
    QLabel* note = nullptr;        // `DynamicLabel`
    QLabel* time = nullptr;        // `DynamicTimeLabel`
    QLabel* distance = nullptr;    // `DynamicDistanceLabel`
    QLabel* revsLeft = nullptr;    // `DynamicRevsLeftLabel`
    QLabel* revsRight = nullptr;   // `DynamicRevsRightLabel`
};

// `RaceStatePanel` with `RaceStateBevel`, `RaceSlider` and `RaceChartBtn`.
struct RaceControls {
    QWidget* panel = nullptr;
    QSlider* speed = nullptr;
    QPushButton* chart = nullptr;
};

// `PreviewStatePanel`: paging the templates.
struct PreviewPager {
    QWidget* panel = nullptr;
    QPushButton* first = nullptr; // `RewindPvBtn`
    QPushButton* next = nullptr;  // `StepPVBtn`
    QLabel* page = nullptr;       // `PreviewLabel`
};

QWidget* createBuildStatePanel(std::optional<BuildFigures<FigureField>>& fields);   // `BuildStatePanel`: layer and chamber figures
Play3DControls createPlay3DPanel();
AnalyzeFiguresPanel createPropStatePanel(std::optional<AnalyzeFigures<FigureField>>& fields);
ElementSizeBox createElementSizeGroupBox();
SimulateFiguresPanel createDynamicStatePanel(std::optional<SimulateFigures<FigureField>>& fields);
RunControls createDynamicPanel();
RaceControls createRaceStatePanel();
PreviewPager createPreviewStatePanel();

} // namespace brisko::gui
