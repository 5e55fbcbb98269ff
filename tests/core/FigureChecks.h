#pragma once
// The whole Dynamic analysis of a design, and the check that every figure it
// leaves is a number that can be shown.
#include "analysis/VirtualPrototype.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace brisko::test {

// Every figure the Build, Analyze and Simulate states show or draw from, with its name.
inline QStringList nonFiniteFigures(const VirtualPrototype& vp, const CarDesign& design)
{
    QStringList bad;
    const auto number = [&](const char* name, float value) {
        if (!std::isfinite(value))
            bad << QString::fromLatin1(name);
    };
    const auto text = [&](const char* name, const QString& value) {
        if (value.contains(QLatin1String("NAN"), Qt::CaseInsensitive)
            || value.contains(QLatin1String("INF"), Qt::CaseInsensitive))
            bad << QString::fromLatin1(name) + QLatin1String(" \"") + value + QLatin1Char('"');
    };
    const MassModel& m = vp.mass();
    for (float v : {m.CaseWidth, m.CarWidth, m.CaseInnerDia, m.CaseOuterDia, m.DriveAxleHeight, m.OtherAxleHeight,
                    m.BottlesNeeded, m.SpringMass, m.BoardMass, m.AxleMass, m.TotalMass, m.CentroidX, m.CentroidY,
                    m.CentroidFromRear, m.CentroidHeight, m.Wheelbase})
        number("mass model", v);
    const SpringFigures& s = vp.spring();
    for (float v : {s.MaxRealTorque, s.PropulsiveForce, s.Revolutions, s.ProjectedDistance})
        number("spring", v);
    const StaticResult& st = vp.statics();
    for (float v : {st.NormalRightRest, st.NormalLeftRest, st.NormalLeftStatic, st.NormalRightWound,
                    st.NormalLeftWound, st.TractionLeft, st.TractionRight})
        number("statics", v);
    const DynamicResult& r = vp.dynamic();
    for (float v : {r.RevsLeft, r.RevsRight, r.Distance, r.Speed, r.NormalLeftRest, r.NormalRightRest})
        number("run", v);
    for (float v : r.Trace.Distance)
        number("race trace", v);
    const ChamberFieldTexts c = chamberFieldTexts(m, design);
    for (const QString& t : {c.CaseWidth, c.CarWidth, c.CaseInnerDia, c.CaseOuterDia, c.BottlesNeeded, c.SpringLength})
        text("chamber field", t);
    const MassFieldTexts f = massFieldTexts(m);
    for (const QString& t : {f.SpringMass, f.BoardMass, f.AxleMass, f.TotalMass, f.CentroidX})
        text("mass field", t);
    for (const QString& t : {s.maxRealTorqueText(), s.propulsiveForceText(), s.revolutionsText(),
                             s.projectedDistanceText(), st.normalLeftStaticText(), st.normalRightWoundText(),
                             st.normalLeftWoundText(), st.tractionLeftText(), st.tractionRightText(), r.TimeTo15,
                             r.TopSpeed, r.RunDistance, r.PoweredDistance, r.RevisedLabel})
        text("figure", t);
    return bad;
}

// The texts the Build, Analyze and Simulate states show.
inline QStringList figureTexts(const VirtualPrototype& vp, const CarDesign& design)
{
    const ChamberFieldTexts c = chamberFieldTexts(vp.mass(), design);
    const MassFieldTexts f = massFieldTexts(vp.mass());
    const SpringFigures& s = vp.spring();
    const StaticResult& st = vp.statics();
    const DynamicResult& r = vp.dynamic();
    return {c.LayersCored, c.LayersFull, c.LayersWide, c.CaseWidth, c.CarWidth, c.CaseInnerDia, c.CaseOuterDia,
            c.BottlesNeeded, f.SpringMass, f.BoardMass, f.AxleMass, f.TotalMass, f.CentroidX,
            s.maxRealTorqueText(), s.propulsiveForceText(), s.revolutionsText(), s.projectedDistanceText(),
            st.normalLeftStaticText(), st.normalRightWoundText(), st.normalLeftWoundText(), st.tractionLeftText(),
            st.tractionRightText(), r.TimeTo15, r.TopSpeed, r.RunDistance, r.PoweredDistance};
}

// Runs the Dynamic state's analysis on a copy of the design and returns what is not finite.
inline QStringList analyseForNonFinite(CarDesign design, const MaterialLibrary& materials)
{
    VirtualPrototype vp(design, materials);
    vp.refresh(ProcessState::Dynamic, kNoFrame);
    return nonFiniteFigures(vp, design);
}

} // namespace brisko::test
