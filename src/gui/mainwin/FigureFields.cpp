#include "mainwin/FigureFields.h"

#include <QLineEdit>

namespace brisko::gui {

void setFigure(QWidget& root, const char* name, const QString& text)
{
    if (auto* field = root.findChild<QLineEdit*>(QString::fromLatin1(name))) {
        field->setText(text);
        field->setCursorPosition(0); // long number texts show their leading digits
    }
}

QString figureText(const QWidget& root, const char* name)
{
    const auto* field = root.findChild<const QLineEdit*>(QString::fromLatin1(name));
    return field ? field->text() : QString();
}

void showChamberFigures(QWidget& root, const ChamberFieldTexts& t)
{
    setFigure(root, "LayersCoredEF", t.LayersCored);
    setFigure(root, "LayersFullEF", t.LayersFull);
    setFigure(root, "LayersWideEF", t.LayersWide);
    setFigure(root, "CaseWidthEF", t.CaseWidth);
    setFigure(root, "CarWidthEF", t.CarWidth);
    setFigure(root, "CaseIDEF", t.CaseInnerDia);
    setFigure(root, "CaseOuterDEF", t.CaseOuterDia);
    setFigure(root, "BottlesNeededEF", t.BottlesNeeded);
}

void showMassFigures(QWidget& root, const MassFieldTexts& t)
{
    setFigure(root, "SpringMassEF", t.SpringMass);
    setFigure(root, "FoamMassEF", t.BoardMass);
    setFigure(root, "AxleMassEF", t.AxleMass);
    setFigure(root, "ProjectedMassEF", t.TotalMass);
    setFigure(root, "TrueCentroidEF", t.CentroidX);
}

void showSpringFigures(QWidget& root, const SpringFigures& spring, DriveType drive)
{
    setFigure(root, "MaxRealTorqueEF", spring.maxRealTorqueText());
    setFigure(root, "PropulsionLeftEF", spring.propulsiveForceText());
    // The front spring of an all-wheel drive pushes as hard as the rear one.
    setFigure(root, "PropulsionRightEF", drive == DriveType::AWD ? spring.propulsiveForceText() : QStringLiteral("0"));
    setFigure(root, "RevsEF", spring.revolutionsText());
    setFigure(root, "PoweredDistanceEF", spring.projectedDistanceText());
}

void showStaticFigures(QWidget& root, const StaticResult& statics)
{
    setFigure(root, "NormalForceAtRestEF", statics.normalLeftStaticText());
    setFigure(root, "NormalForceFrontEF", statics.normalRightWoundText());
    setFigure(root, "NormalForceWoundEF", statics.normalLeftWoundText());
    setFigure(root, "TractionLeftEF", statics.tractionLeftText());
    setFigure(root, "TractionRightEF", statics.tractionRightText());
}

void showDynamicFigures(QWidget& root, const DynamicResult& result)
{
    setFigure(root, "TimeEF", result.TimeTo15);
    setFigure(root, "TopSpeedEF", result.TopSpeed);
    setFigure(root, "PoweredDistanceEF", result.PoweredDistance);
}

ResultTexts resultTextsShown(const QWidget& root)
{
    ResultTexts texts;
    texts.Time = figureText(root, "TimeEF");
    texts.PoweredDistance = figureText(root, "PoweredDistanceEF");
    texts.TopSpeed = figureText(root, "TopSpeedEF");
    texts.ProjectedMass = figureText(root, "ProjectedMassEF");
    return texts;
}

} // namespace brisko::gui
