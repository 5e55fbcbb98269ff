#include "mainwin/ForceDisplay.h"

#include "mainwin/PanelColours.h"

#include <QFrame>
#include <QLabel>

namespace brisko::gui {

namespace {

struct ShapeLook {
    const char* name;
    QColor colour;
    bool vertical; // its length is its height
};

const ShapeLook kShapes[] = {
    {"NormalForceLeftShape", QColor(0, 128, 0), true},   {"NormalForceRightShape", QColor(0, 128, 0), true},
    {"PropulsionLeftShape", QColor(0, 0, 255), false},   {"PropulsionRightShape", QColor(0, 0, 255), false},
    {"TractionLeftShape", QColor(255, 0, 0), false},     {"TractionRightShape", QColor(255, 0, 0), false},
    {"InertiaShape", QColor(128, 0, 128), false},        {"MassShape", QColor(0, 0, 0), true},
};

template <typename W>
void forEachNamed(QWidget* image, const QStringList& names, auto action)
{
    for (const QString& name : names)
        if (auto* widget = image->findChild<W*>(name, Qt::FindDirectChildrenOnly))
            action(widget);
}

} // namespace

const QStringList& forceShapeNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto& shape : kShapes)
            list << QString::fromLatin1(shape.name);
        return list;
    }();
    return names;
}

const QStringList& forceLabelNames()
{
    static const QStringList names = {
        QStringLiteral("InertiaLabel"),  QStringLiteral("MassLabel"),      QStringLiteral("PropLeftLabel"),
        QStringLiteral("PropRightLabel"), QStringLiteral("TracLeftLabel"), QStringLiteral("TracRightLabel"),
        QStringLiteral("NFLeftLabel"),   QStringLiteral("NFRightLabel"),
    };
    return names;
}

void createForceDisplay(QWidget* image)
{
    for (const auto& look : kShapes) {
        auto* shape = new QFrame(image);
        shape->setObjectName(QString::fromLatin1(look.name));
        shape->setProperty("verticalBar", look.vertical);
        shape->setCursor(Qt::PointingHandCursor);
        paintPanel(shape, look.colour);
        shape->setGeometry(0, 0, look.vertical ? 4 : 0, look.vertical ? 0 : 4);
        shape->hide();
    }
    for (const QString& name : forceLabelNames()) {
        auto* label = new QLabel(image);
        label->setObjectName(name);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->hide();
    }
}

void zeroForceShapes(QWidget* image)
{
    forEachNamed<QFrame>(image, forceShapeNames(), [](QFrame* shape) {
        if (shape->property("verticalBar").toBool())
            shape->resize(shape->width(), 0);
        else
            shape->resize(0, shape->height());
    });
}

void showForceShapes(QWidget* image, bool visible)
{
    forEachNamed<QFrame>(image, forceShapeNames(), [visible](QFrame* shape) { shape->setVisible(visible); });
}

void hideForceDisplay(QWidget* image)
{
    showForceShapes(image, false);
    forEachNamed<QLabel>(image, forceLabelNames(), [](QLabel* label) { label->hide(); });
}

} // namespace brisko::gui
