#include "dialogs/PFWin.h"

#include "mainwin/ParameterFieldEvents.h"
#include "session/ParameterEntry.h"
#include "session/Session.h"
#include "session/TeacherSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr int kFieldWidth = 70;

const QString kCaseRatioHint =
    QStringLiteral("Ratio of spring area to case area.  Larger --> smaller spring case but fewer revolutions");
const QString kCaseRatioCaptionHint = QStringLiteral(
    "Percent of the spring chamber that is occupied by the spring.  Larger values lead to a smaller spring "
    "chamber but fewer revolutions.");
const QString kFrictionHint = QStringLiteral("An assumed friction force that represents the rolling friction of your car");
const QString kChamberHint = QStringLiteral(
    "Shape for the spring chamber and its outer surface (an octagonal shape may be easier to cut by hand)");

} // namespace

TPFWin::TPFWin(ParameterEntry& entry, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_entry(&entry)
    , m_fieldEvents(new ParameterFieldEvents(entry, this))
{
    setObjectName(QStringLiteral("PFWin"));
    setWindowTitle(QStringLiteral("Preferences"));

    m_okBtn = new QPushButton(QStringLiteral("OK"), this);
    m_okBtn->setObjectName(QStringLiteral("PrefOKBtn"));
    m_okBtn->setDefault(true);
    connect(m_okBtn, &QPushButton::clicked, this, &TPFWin::okClicked);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("PFCancelBtn"));
    m_cancelBtn->setAutoDefault(false);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject); // nothing is undone

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okBtn);
    buttons->addWidget(m_cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPreferencesBox());
    layout->addWidget(buildTeacherBox());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&entry.session().notifier(), &SessionNotifier::fieldTextReset, this, &TPFWin::showFieldText);
    showDesign();
}

QGroupBox* TPFWin::buildPreferencesBox()
{
    auto* box = new QGroupBox(QStringLiteral("Preferences"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Defaults"), box), 0, 2, Qt::AlignHCenter);
    m_caseRatioEF = addValueRow(grid, 1, "CaseRatioEF", QStringLiteral("Spring to Case Area Ratio (%)"),
                                QStringLiteral("(4.0)"));
    m_caseRatioEF->setToolTip(kCaseRatioHint);
    grid->itemAtPosition(1, 0)->widget()->setToolTip(kCaseRatioCaptionHint);
    m_frictionEF = addValueRow(grid, 2, "FrictionEF", QStringLiteral("Friction force (lb)"), QStringLiteral("(0.05)"));
    m_frictionEF->setToolTip(kFrictionHint);
    m_stepSizeEF = addValueRow(grid, 3, "StepSizeEF", QStringLiteral("Finite element size (pixels)"),
                               QStringLiteral("(8)"));
    // The element size is set elsewhere (the Prop state's slider, design files); it is
    // only checked here.
    for (int column = 0; column < 3; ++column)
        grid->itemAtPosition(3, column)->widget()->hide();
    grid->addWidget(buildChamberBox(), 4, 0, 1, 3);

    // The texts the fields are made with are no change of them; later ones are.
    m_caseRatioEF->setText(m_entry->session().fields().CaseRatio);
    m_frictionEF->setText(m_entry->session().fields().FrictionForce);
    m_fieldEvents->watch(m_caseRatioEF, kCaseRatioField);
    m_fieldEvents->watch(m_frictionEF, kFrictionField);
    return box;
}

QLineEdit* TPFWin::addValueRow(QGridLayout* grid, int row, const char* name, const QString& caption,
                               const QString& defaultText)
{
    auto* parent = grid->parentWidget();
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(kFieldWidth);
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(defaultText, parent), row, 2, Qt::AlignHCenter);
    return edit;
}

QGroupBox* TPFWin::buildChamberBox()
{
    auto* box = new QGroupBox(QStringLiteral("Chamber"), this);
    box->setObjectName(QStringLiteral("ChamberBox"));
    box->setToolTip(kChamberHint);
    m_octBtn = new QRadioButton(QStringLiteral("Octagonal"), box);
    m_octBtn->setObjectName(QStringLiteral("OctBtn"));
    m_circBtn = new QRadioButton(QStringLiteral("Circular"), box);
    m_circBtn->setObjectName(QStringLiteral("CircBtn"));
    for (auto* button : {m_octBtn, m_circBtn})
        button->setToolTip(kChamberHint);
    // Only a button that becomes checked is a choice: clicking the one already
    // checked changes nothing, so it neither logs nor marks the design changed.
    connect(m_octBtn, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_entry->chooseChamber(ChamberShape::Octagonal);
    });
    connect(m_circBtn, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_entry->chooseChamber(ChamberShape::Circular);
    });
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_octBtn);
    layout->addWidget(m_circBtn);
    layout->addStretch(1);
    return box;
}

// The program's own setting for this computer: it does not travel with a design.
QGroupBox* TPFWin::buildTeacherBox()
{
    auto* box = new QGroupBox(QStringLiteral("For teachers (this computer)"), this);
    box->setObjectName(QStringLiteral("TeacherBox"));
    m_powerDesignerCheck = new QCheckBox(QStringLiteral("Show the Power Designer"), box);
    m_powerDesignerCheck->setObjectName(QStringLiteral("ShowPowerDesignerCheck"));
    m_powerDesignerCheck->setToolTip(QStringLiteral(
        "Shows History > Power Design..., which searches spring and wheel sizes for the fastest car"));
    connect(m_powerDesignerCheck, &QCheckBox::toggled, this, [this](bool on) {
        changePowerDesignerSetting(m_entry->session(), on);
        emit powerDesignerSettingChanged();
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_powerDesignerCheck);
    return box;
}

void TPFWin::showFieldText(int code)
{
    const auto& fields = m_entry->session().fields();
    QLineEdit* edit = code == kCaseRatioField ? m_caseRatioEF : code == kFrictionField ? m_frictionEF : nullptr;
    if (!edit)
        return;
    // Logged as a change of the field, as typing is; the same text is no change.
    const QString& text = code == kCaseRatioField ? fields.CaseRatio : fields.FrictionForce;
    if (edit->text() != text)
        edit->setText(text);
}

void TPFWin::showDesign()
{
    showFieldText(kCaseRatioField);
    showFieldText(kFrictionField);
    {
        const QSignalBlocker quiet(m_stepSizeEF);
        m_stepSizeEF->setText(m_entry->session().fields().ElementStepSize);
    }
    const bool octagonal = m_entry->session().design().Chamber == ChamberShape::Octagonal;
    const QSignalBlocker quietOct(m_octBtn);
    const QSignalBlocker quietCirc(m_circBtn);
    (octagonal ? m_octBtn : m_circBtn)->setChecked(true);
    const QSignalBlocker quietSetting(m_powerDesignerCheck);
    m_powerDesignerCheck->setChecked(powerDesignerSetting());
}

// Enter presses OK without leaving the field: the field is left first, as a click
// on OK would do.
bool TPFWin::finishFocusedEdit()
{
    if (m_caseRatioEF->hasFocus())
        return m_entry->fieldExit(kCaseRatioField);
    if (m_frictionEF->hasFocus())
        return m_entry->fieldExit(kFrictionField);
    return true;
}

void TPFWin::okClicked()
{
    if (finishFocusedEdit() && m_entry->preferencesOk())
        accept();
}

QList<QWidget*> TPFWin::chamberButtons() const
{
    return {m_octBtn, m_circBtn};
}

} // namespace brisko::gui
