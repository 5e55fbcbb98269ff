#pragma once
// Added weights on the design view: an arrow two inches long per pound, pointing
// down onto the weight's point for a positive mass and up to it for a negative
// one, a hit box for the remove tool and a label with the mass.
#include "geometry/ViewLayout.h"
#include "model/CarDesign.h"

#include <QPainter>
#include <QRect>
#include <QString>

namespace brisko {

// Arrow length in drawing pixels: 144 per pound, negative for a negative mass.
int weightArrowLength(float mass);

// The view rectangle the remove tool tests: 5 pixels either side of the shaft and
// 15 pixels beyond its tail; the right and bottom edges are outside.
QRect weightHitBox(const QPoint& viewPoint, float mass, float viewScale);

// The first five characters of the mass's number text and " lb".
QString weightLabel(float mass);

// The hit boxes of the markers drawn, by slot; empty for a slot not in use.
using WeightBoxes = std::array<QRect, kWeightSlots>;

// Draws one weight; its hit box.
QRect paintWeight(QPainter& painter, const ViewLayout& layout, const AddedWeight& weight);
// Every slot in use, in slot order.
WeightBoxes paintWeights(QPainter& painter, const ViewLayout& layout, const CarDesign& design);

} // namespace brisko
