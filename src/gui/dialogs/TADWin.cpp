#include "dialogs/TADWin.h"

#include <QLabel>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

struct AdvisoryLabel {
    const char* name;
    const char* text;
    const char* hint;
};

const AdvisoryLabel kLabels[] = {
    {"SkidAdvisoryLabel", "Skid advisory.",
     "Indicates that the drive wheels are likely to lose traction while accelerating."},
    {"CarTooBigLabel", "Car overlaps paper edge.",
     "Indicates that part of the car body will exceed the dimensions of the paper and will be clipped."},
    {"AxleFreeLabel", "Front axle not connected.",
     "Indicates that the non-drive axle is not connected to the rest of the car."},
    {"CaseFreeLabel", "Spring case is not connected.",
     "Indicates that the spring case/drive axle assembly is not connected to the rest of the car."},
    {"CoreInterfereLabel", "Spring cases interfere.",
     "Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other."},
    {"FloatingLabel", "Some parts are floating.",
     "Indicates that some parts of the body are not connected to anything."},
    {"WeightsFreeLabel", "Some weights are not connected.",
     "Indicates that some of the weights are placed in a position not in contact with the car surface."},
};

} // namespace

TADWin::TADWin(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ADWin"));
    setWindowTitle(QStringLiteral("Advisories"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 10, 14, 10);
    for (const auto& advisory : kLabels) {
        auto* label = new QLabel(QString::fromLatin1(advisory.text));
        label->setObjectName(QString::fromLatin1(advisory.name));
        label->setToolTip(QString::fromLatin1(advisory.hint));
        label->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
        label->hide();
        column->addWidget(label);
    }
    column->addStretch(1);
    setMinimumWidth(260);
}

void TADWin::showAdvisories(const AdvisoryDisplay& display)
{
    showLabel("SkidAdvisoryLabel", display.skid);
    showLabel("CarTooBigLabel", display.carTooBig);
    showLabel("AxleFreeLabel", display.axleFree);
    if (auto* caseFree = findChild<QLabel*>(QStringLiteral("CaseFreeLabel")))
        caseFree->setText(display.caseFreeAllWheelWording ? QStringLiteral("Spring case not connected.")
                                                          : QStringLiteral("Spring case is not connected."));
    showLabel("CaseFreeLabel", display.caseFree);
    showLabel("CoreInterfereLabel", display.coreInterfere);
    showLabel("FloatingLabel", display.floating);
    showLabel("WeightsFreeLabel", display.weightsFree);
    adjustSize();
    setVisible(display.any());
}

void TADWin::showLabel(const char* name, bool visible)
{
    if (auto* label = findChild<QLabel*>(QString::fromLatin1(name)))
        label->setVisible(visible);
}

} // namespace brisko::gui
