#include "analysis/FigureSheet.h"

#include "analysis/ChamberSizing.h"
#include "analysis/VirtualPrototype.h"
#include "text/NumberText.h"

#include <QList>
#include <QPair>

namespace brisko {

namespace {

BuildFigures<QString> buildFiguresOf(const VirtualPrototype& vp)
{
    const ChamberFieldTexts t = chamberFieldTexts(vp.mass(), vp.design());
    return {t.LayersFull, t.LayersCored, t.LayersWide, t.CaseWidth, t.CarWidth, t.CaseInnerDia, t.CaseOuterDia,
            t.BottlesNeeded};
}

AnalyzeFigures<QString> analyzeFiguresOf(const VirtualPrototype& vp)
{
    const MassFieldTexts m = massFieldTexts(vp.mass());
    const SpringFigures& s = vp.spring();
    // The front spring of an all-wheel drive pushes as hard as the rear one.
    const QString right = vp.design().Drive == DriveType::AWD ? s.propulsiveForceText() : QStringLiteral("0");
    return {m.BoardMass, m.SpringMass, m.AxleMass, m.TotalMass, m.CentroidX, s.maxRealTorqueText(),
            s.revolutionsText(), s.propulsiveForceText(), right};
}

DetailFigures<QString> detailFiguresOf(const VirtualPrototype& vp)
{
    const StaticResult& st = vp.statics();
    return {numberText(vp.mass().CentroidY), vp.spring().projectedDistanceText(), st.normalLeftStaticText(),
            st.normalRightWoundText(), st.normalLeftWoundText(), st.tractionLeftText(), st.tractionRightText()};
}

SimulateFigures<QString> simulateFiguresOf(const VirtualPrototype& vp)
{
    SimulateFigures<QString> s{timeFieldText(vp), QStringLiteral("0"), QStringLiteral("0")};
    if (vp.hasRun())
        s.TopSpeed = vp.dynamic().TopSpeed;
    if (vp.runIsLatest())
        s.RunDistance = vp.dynamic().PoweredDistance;
    else if (vp.hasAnalysis())
        s.RunDistance = vp.spring().projectedDistanceText();
    return s;
}

template <class Group>
void zeroAll(Group& group)
{
    zipFigures(group, group, [](const char*, const QString&, QString& text) { text = QStringLiteral("0"); });
}

QList<QPair<QString, QString>> listed(const FigureSheet& sheet)
{
    QList<QPair<QString, QString>> out;
    sheet.forEach([&out](const char* name, const QString& text) { out.append({QString::fromLatin1(name), text}); });
    return out;
}

} // namespace

QString timeFieldText(const VirtualPrototype& vp)
{
    return vp.hasRun() ? vp.dynamic().TimeTo15 : QStringLiteral("0");
}

bool operator==(const FigureSheet& a, const FigureSheet& b)
{
    return a.Records == b.Records && listed(a) == listed(b);
}

FigureSheet figuresOf(const VirtualPrototype& vp)
{
    FigureSheet sheet;
    if (vp.hasSizing())
        sheet.Build = buildFiguresOf(vp);
    else
        zeroAll(sheet.Build);
    if (vp.hasAnalysis()) {
        sheet.Analyze = analyzeFiguresOf(vp);
        sheet.Details = detailFiguresOf(vp);
    } else {
        zeroAll(sheet.Analyze);
        zeroAll(sheet.Details);
    }
    sheet.Simulate = simulateFiguresOf(vp);
    sheet.Records.Time = sheet.Simulate.TimeTo15;
    sheet.Records.PoweredDistance = sheet.Simulate.RunDistance;
    sheet.Records.TopSpeed = sheet.Simulate.TopSpeed;
    sheet.Records.ProjectedMass = sheet.Analyze.TotalMass;
    sheet.DetailsWindow = prototypeDetailsOf(vp, vp.design());
    sheet.SpringLength = chamberFieldTexts(vp.mass(), vp.design()).SpringLength;
    return sheet;
}

} // namespace brisko
