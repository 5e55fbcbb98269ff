#include "dialogs/TADWin.h"

#include "analysis/Advisories.h"

#include <QLabel>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

struct AdvisoryLabel {
    const char* name;
    const QString& text;
    const QString& hint;
};

// The texts and hints are the analysis' own, so the window and the checks agree.
const QString kWeightsFreeText = QStringLiteral("Some weights are not connected.");

const AdvisoryLabel kLabels[] = {
    {"SkidAdvisoryLabel", advisory::kSkidText, advisory::kSkidHint},
    {"CarTooBigLabel", advisory::kCarTooBigText, advisory::kCarTooBigHint},
    {"AxleFreeLabel", advisory::kAxleFreeText, advisory::kAxleFreeHint},
    {"CaseFreeLabel", advisory::kCaseFreeText, advisory::kCaseFreeHint},
    {"CoreInterfereLabel", advisory::kCoreInterfereText, advisory::kCoreInterfereHint},
    {"FloatingLabel", advisory::kFloatingText, advisory::kFloatingHint},
    {"WeightsFreeLabel", kWeightsFreeText, advisory::kWeightsFreeHint},
    {"NoMassLabel", advisory::kNoMassText, advisory::kNoMassHint},
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
        auto* label = new QLabel(advisory.text);
        label->setObjectName(QString::fromLatin1(advisory.name));
        label->setToolTip(advisory.hint);
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
        caseFree->setText(display.caseFreeAllWheelWording ? advisory::kCaseFreeAwdText : advisory::kCaseFreeText);
    showLabel("CaseFreeLabel", display.caseFree);
    showLabel("CoreInterfereLabel", display.coreInterfere);
    showLabel("FloatingLabel", display.floating);
    showLabel("WeightsFreeLabel", display.weightsFree);
    showLabel("NoMassLabel", display.noMass);
    adjustSize();
    setVisible(display.any());
}

void TADWin::showLabel(const char* name, bool visible)
{
    if (auto* label = findChild<QLabel*>(QString::fromLatin1(name)))
        label->setVisible(visible);
}

} // namespace brisko::gui
