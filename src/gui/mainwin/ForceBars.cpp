#include "mainwin/ForceBars.h"

#include "analysis/Statics.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/PanelColours.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <initializer_list>
#include <cmath>

namespace brisko::gui {

namespace {

constexpr float kGroundBelowPaper = 36.0f; // drawing pixels
constexpr float kPaperWidth = 720.0f;
constexpr float kPaperHeight = 540.0f;
constexpr float kUnitsPerInch = 72.0f;
constexpr int kLabelGap = 5;

const QColor kNormalColour(0, 128, 0);
const QColor kPropulsionColour(0, 0, 255);
const QColor kSkiddingColour(255, 0, 255);
const QColor kTractionColour(255, 0, 0);

// The label goes where it is asked to, moved in just as far as it takes to be seen
// whole: near an edge of the drawing area a bar's figure is never cut off.
QPoint keptInside(const QPoint& topLeft, const QSize& size, const QWidget* area)
{
    if (!area)
        return topLeft;
    const int x = std::clamp(topLeft.x(), 0, std::max(0, area->width() - size.width()));
    const int y = std::clamp(topLeft.y(), 0, std::max(0, area->height() - size.height()));
    return {x, y};
}

void placeLabel(QLabel* label, const QString& text, const QPoint& topLeft)
{
    if (!label)
        return;
    label->setText(text);
    label->adjustSize();
    label->move(keptInside(topLeft, label->size(), label->parentWidget()));
    label->raise();
    label->show();
}

void colourLabel(QLabel* label, const QColor& colour)
{
    if (!label)
        return;
    QPalette palette = label->palette();
    if (palette.color(QPalette::WindowText) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// Repainting only on a change keeps an animation's frames cheap.
void tint(QFrame* bar, const QColor& colour)
{
    if (panelColourOf(bar) != colour || !bar->autoFillBackground())
        paintPanel(bar, colour);
}

// A vertical bar standing on the ground at x; a negative length hangs below it.
void standBar(QFrame* bar, const QPoint& contact, int length)
{
    if (!bar)
        return;
    const int top = length >= 0 ? contact.y() - length : contact.y();
    bar->setGeometry(contact.x(), top, kBarThickness, std::abs(length));
    tint(bar, kNormalColour);
    bar->raise();
    bar->show();
}

// A horizontal bar from x to x + reach (either way), its top at y.
void layBar(QFrame* bar, int x, int y, int reach, const QColor& colour)
{
    if (!bar)
        return;
    bar->setGeometry(std::min(x, x + reach), y, std::abs(reach), kBarThickness);
    tint(bar, colour);
    bar->raise();
    bar->show();
}

// Under the bars; where the drawing area ends too close below the ground, beside
// the propulsion figure instead, so that the two never cover each other.
QPoint tractionLabelPlace(const QWidget* image, QLabel* traction, const QString& text, const QLabel* propulsion,
                          const QPoint& contact)
{
    const QPoint below = contact + QPoint(-20, 10);
    if (!traction || !propulsion)
        return below;
    traction->setText(text);
    traction->adjustSize();
    if (below.y() + traction->height() <= image->height())
        return below;
    return {propulsion->x() - traction->width() - kLabelGap, propulsion->y()};
}

void showPair(const QWidget* image, const ForcePair& pair, const QPoint& contact, int direction, float scale,
              float propulsion, float traction, bool skidding, int propulsionLabelLeft)
{
    const QColor colour = skidding ? kSkiddingColour : kPropulsionColour;
    layBar(pair.Propulsion, contact.x(), contact.y(), -direction * forceBarLength(propulsion, scale), colour);
    layBar(pair.Traction, contact.x(), contact.y() + kTractionDrop, -direction * forceBarLength(traction, scale),
           kTractionColour);
    colourLabel(pair.PropulsionLabel, colour);
    placeLabel(pair.PropulsionLabel, propulsionLabel(propulsion), contact + QPoint(-propulsionLabelLeft, -20));
    const QString tractionFigure = propulsionLabel(traction);
    placeLabel(pair.TractionLabel, tractionFigure,
               tractionLabelPlace(image, pair.TractionLabel, tractionFigure, pair.PropulsionLabel, contact));
}

void setVisible(QWidget* widget, bool visible)
{
    if (widget)
        widget->setVisible(visible);
}

} // namespace

WheelContacts wheelContacts(const ViewLayout& layout, float caseOuterDia, const CarDesign& design)
{
    const float rearX = caseOuterDia / 2.0f * kUnitsPerInch;
    const float frontX = design.Drive == DriveType::AWD ? kPaperWidth - rearX : kPaperWidth - design.FrontAxle.XUnits;
    const Frame view = layout.viewFrame();
    const float ground = kPaperHeight + kGroundBelowPaper;
    return {view.point(rearX, ground), view.point(frontX, ground)};
}

void showNormalForceBars(DrawingArea* image, const WheelContacts& at, float scale, float right, float left)
{
    const ForceWidgets& forces = image->forces();
    standBar(forces.NormalLeft, at.Rear, forceBarLength(left, scale));
    standBar(forces.NormalRight, at.Front, forceBarLength(right, scale));
    const int besideBar = kBarThickness + kLabelGap;
    placeLabel(forces.NormalLeftLabel, normalForceLabel(left), at.Rear + QPoint(besideBar, -40));
    placeLabel(forces.NormalRightLabel, normalForceLabel(right), at.Front + QPoint(besideBar, -30));
}

void hideNormalForceShapes(DrawingArea* image)
{
    setVisible(image->forces().NormalLeft, false);
    setVisible(image->forces().NormalRight, false);
}

void hideNormalForceBars(DrawingArea* image)
{
    hideNormalForceShapes(image);
    setVisible(image->forces().NormalLeftLabel, false);
    setVisible(image->forces().NormalRightLabel, false);
}

void showPropulsionBars(DrawingArea* image, const WheelContacts& at, DriveType drive, const DynamicFrame& frame)
{
    const ForceWidgets& forces = image->forces();
    for (QWidget* widget : std::initializer_list<QWidget*>{forces.Right.Propulsion, forces.Right.Traction,
                                                           forces.Right.PropulsionLabel, forces.Right.TractionLabel})
        setVisible(widget, false);
    const int direction = drive == DriveType::FWD ? -1 : 1;
    showPair(image, forces.Left, at.Rear, direction, frame.BarScale, frame.PropulsionLeft, frame.TractionLeft,
             frame.SkidLeft, 50);
    if (drive != DriveType::AWD)
        return;
    // The front pair always extends to the left of its axle.
    showPair(image, forces.Right, at.Front, 1, frame.BarScale, frame.PropulsionRight, frame.TractionRight,
             frame.SkidRight, 40);
}

} // namespace brisko::gui
