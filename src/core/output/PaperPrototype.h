#pragma once
// Everything the paper prototype prints, taken once from a refreshed virtual
// prototype: the design as the refresh left it, its materials, the chamber and
// layer figures and the report's texts. The pages are painted from it alone.
#include "analysis/FigureSheet.h"
#include "analysis/MassModel.h"
#include "geometry/CarGeometry.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "output/DesignReportTexts.h"

namespace brisko {

class VirtualPrototype;

// The templates are the design's 10 by 7.5 in sheet at full size; the report page
// takes the same sheet upright.
inline constexpr double kSheetWidthInches = 10.0;
inline constexpr double kSheetHeightInches = 7.5;

struct PaperPrototype {
    QString DesignName;
    CarDesign Design;
    MaterialLibrary Materials;
    MassModel Mass;
    DesignReportTexts Report;
    int CoredLayers = 0;    // the layer counts as the build figures show them, rounded
    int NonCoredLayers = 2;
};

// Runs the whole Simulate refresh on a copy of the design (the session's design is
// not touched) and takes what the pages print from it.
PaperPrototype paperPrototypeOf(const CarDesign& design, const MaterialLibrary& materials, const QString& designName);

// The report's texts: the figures as the window shows them (the figure sheet of a
// refreshed prototype, the details included), the design's own texts and its
// materials.
DesignReportTexts reportTextsOf(const FigureSheet& sheet, bool skidShown, const CarDesign& design,
                                const MaterialLibrary& materials, const QString& designName);

// The regions of the templates in the printer frame of `printer`.
CarGeometry templateGeometry(const PaperPrototype& prototype, const Frame& printer);

} // namespace brisko
