#pragma once
// Sizing of the spring chamber, the layers, the body width and the axle heights,
// run first at every refresh. Corrects the other wheel diameter, the spring width
// and the drive wheel diameter where the sheet or the chamber cannot take them.
#include "analysis/MassModel.h"
#include "geometry/CarGeometry.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QString>

namespace brisko {

// Writes the chamber, layer and axle-height fields of `model`; may rewrite
// OtherWheelDiameter, SpringWidth and DriveWheelDiameter and sets the front
// axle's height.
void sizeChamberAndLayers(CarDesign& design, const MaterialLibrary& materials, ChamberFigures& model);

// What the regions are built from: r from the chamber's inner diameter and R a
// half inch of wall further out, with the drive axle's height.
ChamberGeometry chamberGeometryOf(const ChamberFigures& chamber);

// The texts of the fields that show the sizing.
struct ChamberFieldTexts {
    QString LayersCored, LayersFull, LayersWide;
    QString CaseWidth, CarWidth, CaseInnerDia, CaseOuterDia;
    QString BottlesNeeded;
    QString SpringLength; // rewritten from its value
};
ChamberFieldTexts chamberFieldTexts(const ChamberFigures& model, const CarDesign& design);

// The drive wheel text given to a wheel smaller than the case: the chamber's inner
// diameter cut to two decimals, plus one, its number text cut to four characters.
QString driveWheelTextForChamber(float caseInnerDia);

} // namespace brisko
