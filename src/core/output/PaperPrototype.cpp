#include "output/PaperPrototype.h"

#include "model/DesignFigures.h"
#include "analysis/ChamberSizing.h"
#include "analysis/PrototypeDetails.h"
#include "analysis/VirtualPrototype.h"


namespace brisko {

namespace {

BoardTexts boardTexts(const BoardMaterial& b)
{
    return {b.Name, b.Thickness, b.Density};
}

void takeMaterialTexts(DesignReportTexts& t, const CarDesign& d, const MaterialLibrary& m)
{
    t.OuterBoard = boardTexts(boardOf(d, m, OuterBodySlot));
    t.InnerBoard = boardTexts(boardOf(d, m, InnerBodySlot));
    t.DriveWheelBoard = boardTexts(boardOf(d, m, DriveWheelSlot));
    t.OtherWheelBoard = boardTexts(boardOf(d, m, OtherWheelSlot));
    const AxleMaterial& driveAxle = axleOf(d, m, DriveAxleSlot);
    const AxleMaterial& otherAxle = axleOf(d, m, OtherAxleSlot);
    t.DriveAxleName = driveAxle.Name;
    t.DriveAxleDensity = driveAxle.Density;
    t.OtherAxleName = otherAxle.Name;
    t.OtherAxleDensity = otherAxle.Density;
    const SpringMaterial& spring = springOf(d, m);
    t.SpringName = spring.Name;
    t.SpringThickness = spring.Thickness;
    t.TorqueEntry0 = spring.TorqueCurve[0];
    t.SampleWidth = spring.SampleWidth;
    const TreadMaterial& tread = m.tread(d.Materials[TreadSlot]);
    t.TreadName = tread.Name;
    t.TreadFriction = tread.StaticFriction;
}

// A run that never reached 15 ft has its time in brackets; its speed, the speed at
// the end of that shorter run, is bracketed the same way so that the report prints
// it as it stands rather than as the speed at 15 ft.
QString speedAt15Text(const SimulateFigures<QString>& run)
{
    if (!run.TimeTo15.startsWith(QLatin1Char('[')))
        return run.TopSpeed;
    return QLatin1Char('[') + run.TopSpeed + QLatin1Char(']');
}

int roundedCount(const QString& text)
{
    return nearest(figure(text));
}

} // namespace

DesignReportTexts reportTextsOf(const FigureSheet& sheet, bool skidShown, const CarDesign& d,
                                const MaterialLibrary& m, const QString& designName)
{
    const PrototypeDetails& details = sheet.DetailsWindow;

    DesignReportTexts t;
    t.DesignName = designName;
    t.AllWheelDrive = d.Drive == DriveType::AWD;
    t.SpringWidth = d.SpringWidth;
    t.SpringLength = sheet.SpringLength;
    t.AxleLength = details.AxleLength;
    t.DriveWheelDia = d.DriveWheelDiameter;
    t.OtherWheelDia = d.OtherWheelDiameter;
    t.DriveAxleDia = d.DriveAxleDiameter;
    t.OtherAxleDia = d.OtherAxleDiameter;
    takeMaterialTexts(t, d, m);
    t.ElementSize = d.ElementStepSize;

    t.Revolutions = sheet.Analyze.Revolutions;
    t.TimeTo15 = sheet.Simulate.TimeTo15;
    t.SpeedAt15 = speedAt15Text(sheet.Simulate);
    t.ProjectedDistance = sheet.Simulate.RunDistance;
    t.Skid = skidShown;
    t.PropulsiveForce = details.PropulsionLeft;
    t.TractionLeft = details.TractionLeft;
    t.TractionRight = details.TractionRight;
    t.BoardMass = sheet.Analyze.BoardMass;
    t.SpringMass = sheet.Analyze.SpringMass;
    t.AxleMass = sheet.Analyze.AxleMass;
    t.TotalMass = sheet.Analyze.TotalMass;

    t.MaxTorque = sheet.Analyze.MaxRealTorque;
    t.ChamberInnerDia = details.CaseInnerDia;
    t.ChamberOuterDia = details.CaseOuterDia;
    t.ChamberWidth = sheet.Build.CaseWidth;
    t.CarWidth = sheet.Build.CarWidth;
    t.TotalLayers = details.NumberOfLayers;
    t.CoredLayers = sheet.Build.CoredLayers;
    t.NonCoredLayers = sheet.Build.FullLayers;
    t.BottlesNeeded = details.BottlesNeeded;
    t.CentroidX = details.TrueCentroid;
    t.NormalUnwound = details.NormalForceAtRest;
    t.NormalWound = details.NormalForceWound;
    t.NormalOther = details.NormalForceFront;
    return t;
}

PaperPrototype paperPrototypeOf(const CarDesign& design, const MaterialLibrary& materials, const QString& designName)
{
    PaperPrototype p;
    p.DesignName = designName;
    p.Design = design;
    p.Materials = materials;
    p.Materials.onChanged = nullptr; // a copy: no list shows it
    VirtualPrototype vp(p.Design, p.Materials);
    vp.refresh(ProcessState::Dynamic, kNoFrame);
    p.Mass = vp.mass();
    p.Report = reportTextsOf(figuresOf(vp), vp.advisories().Skid.Shown, p.Design, p.Materials, designName);
    p.CoredLayers = roundedCount(p.Report.CoredLayers);
    p.NonCoredLayers = roundedCount(p.Report.NonCoredLayers);
    return p;
}

CarGeometry templateGeometry(const PaperPrototype& prototype, const Frame& printer)
{
    ViewLayout layout;
    layout.PrinterScaleX = printer.ScaleX;
    layout.PrinterScaleY = printer.ScaleY;
    CarDesign design = prototype.Design; // the regions are built from a copy
    return buildCarGeometry(design, prototype.Materials, layout, chamberGeometryOf(prototype.Mass));
}

} // namespace brisko
