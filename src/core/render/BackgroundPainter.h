#pragma once
// What every design-process state starts from: the background colour, the grid or
// the race track's foot lines, the sheet of paper and the ground strip.
#include "geometry/ViewLayout.h"
#include "render/ViewColours.h"
#include "model/AppState.h"

#include <QColor>
#include <QPainter>
#include <QSize>

namespace brisko {

struct BackgroundScene {
    ProcessState State = ProcessState::Set;
    ViewLayout Layout;
    QSize Area;                 // the drawing area
    int WindowWidth = 0;        // the main window's width; spaces the race's foot lines
    QColor Background = colours::kDefaultBackground;
};

void paintBackground(QPainter& painter, const BackgroundScene& scene);

// The paper with its folded top right corner, in the paper colour of the state.
void paintPaper(QPainter& painter, const ViewLayout& layout, const QColor& paperColour);

// The paper's corners in the view frame; the folded corner is cut off.
QPolygon paperOutline(const ViewLayout& layout);
QPolygon foldedCorner(const ViewLayout& layout);

} // namespace brisko
