#include "output/PrintPlan.h"

namespace brisko {

namespace {

// Adds the sheet's pages, and its part when it is tiled.
void plan(PrintPlan& p, const TemplateSheet& sheet, const QRect& area, const Frame& printer, int times = 1)
{
    const int tiles = static_cast<int>(tileTemplate(sheet.Extent, area, printer).Windows.size());
    p.Pages += times * tiles;
    if (tiles < 2 || times < 1)
        return;
    const bool listed = std::any_of(p.Tiled.begin(), p.Tiled.end(), [&](const TiledPart& t) { return t.Part == sheet.Part; });
    if (!listed)
        p.Tiled << TiledPart{sheet.Part, tiles};
}

void planWheels(PrintPlan& p, const PaperPrototype& prototype, const QRect& area, const Frame& printer)
{
    for (const TemplateSheet& sheet : wheelSheets(prototype, 0, printer))
        plan(p, sheet, area, printer);
}

} // namespace

PrintPlan printPlanOf(PrintChoice choice, const PaperPrototype& prototype, const Frame& printer,
                      const QRect& landscapeArea)
{
    PrintPlan p;
    const CarGeometry g = templateGeometry(prototype, printer);
    const TemplateSheet outer = layerSheet(prototype, g, LayerKind::Outer, 0);
    const TemplateSheet inner = layerSheet(prototype, g, LayerKind::Inner, 0);
    switch (choice) {
    case PrintChoice::Report: p.Pages = 1; break;
    case PrintChoice::OneInner: plan(p, inner, landscapeArea, printer); break;
    case PrintChoice::OneOuter: plan(p, outer, landscapeArea, printer); break;
    case PrintChoice::Wheels: planWheels(p, prototype, landscapeArea, printer); break;
    case PrintChoice::EntireSet:
        p.Pages = 1;
        plan(p, outer, landscapeArea, printer, 2 * (prototype.NonCoredLayers / 2));
        plan(p, inner, landscapeArea, printer, prototype.CoredLayers);
        planWheels(p, prototype, landscapeArea, printer);
        break;
    }
    return p;
}

QString printPlanText(const PrintPlan& plan)
{
    QString text = plan.Pages == 1 ? QStringLiteral("This choice prints 1 page.")
                                   : QStringLiteral("This choice prints %1 pages.").arg(plan.Pages);
    if (plan.Tiled.isEmpty())
        return text;
    QStringList parts;
    for (const TiledPart& t : plan.Tiled)
        parts << QStringLiteral("%1 (%2 tiles)").arg(t.Part).arg(t.Tiles);
    return text + QStringLiteral(" Parts larger than the paper's printable area will be tiled, printed at full size "
                                 "on pages that overlap by 0.5 in and are taped together: ") +
           parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace brisko
