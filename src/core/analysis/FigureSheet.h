#pragma once
// Every figure text the program shows, computed once from the virtual prototype:
// the Build panel, the Analyze panel, the details, the Simulate panel, and the
// result texts that every portfolio record carries. Panels, records, the
// command-line tool and printing all read this sheet; none reads a widget.
//
// Each group is a template over what stands for one figure: QString in the sheet,
// a field of a panel in the window. The lists below name each figure once; a panel
// that shows a group must give a field for every figure of it.
#include "analysis/PrototypeDetails.h"

#include <QString>

namespace brisko {

class VirtualPrototype;

#define BRISKO_BUILD_FIGURES(X)                                                                            \
    X(FullLayers) X(CoredLayers) X(TotalLayers) X(CaseWidth) X(CarWidth) X(CaseInnerDia) X(CaseOuterDia) \
    X(BottlesNeeded)
#define BRISKO_ANALYZE_FIGURES(X)                                                                          \
    X(BoardMass) X(SpringMass) X(AxleMass) X(TotalMass) X(CentroidX) X(MaxRealTorque) X(Revolutions)      \
    X(PropulsiveForce) X(PropulsionRight)
#define BRISKO_DETAIL_FIGURES(X)                                                                           \
    X(CentroidY) X(ProjectedDistance) X(NormalLeftStatic) X(NormalRightWound) X(NormalLeftWound)          \
    X(TractionLeft) X(TractionRight)
// RunDistance is the text of the distance field: the run's distance after a run,
// the projected distance after an analysis without one.
#define BRISKO_SIMULATE_FIGURES(X) X(TimeTo15) X(TopSpeed) X(RunDistance)

#define BRISKO_FIGURE_MEMBER(name) T name;
#define BRISKO_FIGURE_ZIP(name) visit(#name, a.name, b.name);
#define BRISKO_FIGURE_EACH(name) visit(#name, a.name);

#define BRISKO_FIGURE_GROUP(Group, LIST)                                                                   \
    template <class T>                                                                                     \
    struct Group {                                                                                         \
        LIST(BRISKO_FIGURE_MEMBER)                                                                         \
    };                                                                                                     \
    template <class T, class U, class Visit>                                                               \
    void zipFigures(const Group<T>& a, Group<U>& b, Visit&& visit)                                         \
    {                                                                                                      \
        LIST(BRISKO_FIGURE_ZIP)                                                                            \
    }                                                                                                      \
    template <class T, class Visit>                                                                        \
    void forEachFigure(const Group<T>& a, Visit&& visit)                                                   \
    {                                                                                                      \
        LIST(BRISKO_FIGURE_EACH)                                                                           \
    }

BRISKO_FIGURE_GROUP(BuildFigures, BRISKO_BUILD_FIGURES)
BRISKO_FIGURE_GROUP(AnalyzeFigures, BRISKO_ANALYZE_FIGURES)
BRISKO_FIGURE_GROUP(DetailFigures, BRISKO_DETAIL_FIGURES)
BRISKO_FIGURE_GROUP(SimulateFigures, BRISKO_SIMULATE_FIGURES)

#undef BRISKO_FIGURE_GROUP
#undef BRISKO_FIGURE_EACH
#undef BRISKO_FIGURE_ZIP
#undef BRISKO_FIGURE_MEMBER

// Texts of the result fields read by every action record (TimeEF,
// PoweredDistanceEF, TopSpeedEF, ProjectedMassEF), before their result form.
struct ResultTexts {
    QString Time = QStringLiteral("0");
    QString PoweredDistance = QStringLiteral("0");
    QString TopSpeed = QStringLiteral("0");
    QString ProjectedMass = QStringLiteral("0");
    bool operator==(const ResultTexts&) const = default;
};

// A figure not computed yet reads "0", as its field shows before the first refresh.
struct FigureSheet {
    BuildFigures<QString> Build;
    AnalyzeFigures<QString> Analyze;
    DetailFigures<QString> Details;
    SimulateFigures<QString> Simulate;
    ResultTexts Records;
    // The virtual-prototype details window's record, which the printed report reads.
    PrototypeDetails DetailsWindow;
    // The spring length field's text as the sizing rewrites it from its value.
    QString SpringLength;

    // Every figure with its name, in the order of the groups.
    template <class Visit>
    void forEach(Visit&& visit) const
    {
        forEachFigure(Build, visit);
        forEachFigure(Analyze, visit);
        forEachFigure(Details, visit);
        forEachFigure(Simulate, visit);
    }
};

bool operator==(const FigureSheet& a, const FigureSheet& b);

// The texts the panels show for what the prototype has computed so far.
FigureSheet figuresOf(const VirtualPrototype& prototype);
// The time field's text alone (the sheet's Records.Time), for the sweep.
QString timeFieldText(const VirtualPrototype& prototype);

} // namespace brisko
