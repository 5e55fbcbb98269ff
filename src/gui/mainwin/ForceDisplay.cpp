#include "mainwin/ForceDisplay.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/PanelColours.h"

#include <QFrame>
#include <QLabel>

namespace brisko::gui {

namespace {

const QColor kNormalColour(0, 128, 0);
const QColor kPropulsionColour(0, 0, 255);
const QColor kTractionColour(255, 0, 0);
const QColor kInertiaColour(128, 0, 128);
const QColor kMassColour(0, 0, 0);

// Its length is its height; the other bars lie along the ground.
bool isVertical(const ForceWidgets& forces, const QFrame* shape)
{
    return shape == forces.NormalLeft || shape == forces.NormalRight || shape == forces.Mass;
}

QFrame* makeShape(QWidget* image, const char* name, const QColor& colour, bool vertical)
{
    auto* shape = new QFrame(image);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setCursor(Qt::PointingHandCursor);
    paintPanel(shape, colour);
    shape->setGeometry(0, 0, vertical ? 4 : 0, vertical ? 0 : 4);
    shape->hide();
    return shape;
}

QLabel* makeLabel(QWidget* image, const char* name)
{
    auto* label = new QLabel(image);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->hide();
    return label;
}

} // namespace

// The order of creation is the order the siblings stack in.
void createForceDisplay(DrawingArea* image)
{
    ForceWidgets& f = image->forces();
    if (f.NormalLeft)
        return;
    f.NormalLeft = makeShape(image, "NormalForceLeftShape", kNormalColour, true);
    f.NormalRight = makeShape(image, "NormalForceRightShape", kNormalColour, true);
    f.Left.Propulsion = makeShape(image, "PropulsionLeftShape", kPropulsionColour, false);
    f.Right.Propulsion = makeShape(image, "PropulsionRightShape", kPropulsionColour, false);
    f.Left.Traction = makeShape(image, "TractionLeftShape", kTractionColour, false);
    f.Right.Traction = makeShape(image, "TractionRightShape", kTractionColour, false);
    f.Inertia = makeShape(image, "InertiaShape", kInertiaColour, false);
    f.Mass = makeShape(image, "MassShape", kMassColour, true);
    f.InertiaLabel = makeLabel(image, "InertiaLabel");
    f.MassLabel = makeLabel(image, "MassLabel");
    f.Left.PropulsionLabel = makeLabel(image, "PropLeftLabel");
    f.Right.PropulsionLabel = makeLabel(image, "PropRightLabel");
    f.Left.TractionLabel = makeLabel(image, "TracLeftLabel");
    f.Right.TractionLabel = makeLabel(image, "TracRightLabel");
    f.NormalLeftLabel = makeLabel(image, "NFLeftLabel");
    f.NormalRightLabel = makeLabel(image, "NFRightLabel");
}

void zeroForceShapes(DrawingArea* image)
{
    const ForceWidgets& forces = image->forces();
    for (QFrame* shape : forces.shapes()) {
        if (!shape)
            continue;
        if (isVertical(forces, shape))
            shape->resize(shape->width(), 0);
        else
            shape->resize(0, shape->height());
    }
}

void showForceShapes(DrawingArea* image, bool visible)
{
    for (QFrame* shape : image->forces().shapes())
        if (shape)
            shape->setVisible(visible);
}

void hideForceDisplay(DrawingArea* image)
{
    showForceShapes(image, false);
    for (QLabel* label : image->forces().labels())
        if (label)
            label->hide();
}

} // namespace brisko::gui
