#pragma once
// Writing the figures of the virtual prototype into the read-only fields of the
// state panels, found by name under the main window. A field the window does not
// have is skipped.
#include "analysis/ChamberSizing.h"
#include "analysis/Dynamics.h"
#include "analysis/ElementScan.h"
#include "analysis/Spring.h"
#include "analysis/Statics.h"
#include "session/Session.h"

class QWidget;

namespace brisko::gui {

void setFigure(QWidget& root, const char* name, const QString& text);
QString figureText(const QWidget& root, const char* name);

void showChamberFigures(QWidget& root, const ChamberFieldTexts& texts);
void showMassFigures(QWidget& root, const MassFieldTexts& texts);
void showSpringFigures(QWidget& root, const SpringFigures& spring, DriveType drive);
void showStaticFigures(QWidget& root, const StaticResult& statics);
void showDynamicFigures(QWidget& root, const DynamicResult& result);

// The texts of TimeEF, PoweredDistanceEF, TopSpeedEF and ProjectedMassEF, which
// every action record carries.
ResultTexts resultTextsShown(const QWidget& root);

} // namespace brisko::gui
