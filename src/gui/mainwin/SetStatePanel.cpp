#include "mainwin/SetStatePanel.h"

#include "mainwin/ParameterFieldEvents.h"
#include "session/Session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace brisko::gui {

namespace {

const QString kMaterialHint = QStringLiteral("Which material should this part be made of?");
const QString kDefaultAttributes =
    QStringLiteral("Select parts to edit their attributes. Click \"Apply\" to apply your changes.");
const QString kDiaCaption = QStringLiteral("Dia (in):");
const QString kLengthCaption = QStringLiteral("Length (in):");

constexpr int kListWidth = 180;
constexpr int kFieldWidth = 80;
constexpr int kLabelWidth = 110;

// What each entry of the part box edits.
struct PartEditors {
    const char* item;
    int slot;
    int topCode; // 0 when none
    const char* topCaption;
    int bottomCode;
    const char* bottomCaption;
};

constexpr PartEditors kParts[kPartCount] = {
    {"Inner layers", InnerBodySlot, 0, "", 0, ""},
    {"Outer layer", OuterBodySlot, 0, "", 0, ""},
    {"Wheel tread", TreadSlot, 0, "", 0, ""},
    {"Drive wheels", DriveWheelSlot, 18, "Dia (in):", 0, ""},
    {"Other wheels", OtherWheelSlot, 19, "Dia (in):", 0, ""},
    {"Spring", SpringSlot, 14, "Width (in):", 15, "Length (in):"},
    {"Drive axle", DriveAxleSlot, 16, "Dia (in):", 21, "Length (in):"},
    {"Other axle", OtherAxleSlot, 17, "Dia (in):", 20, "Length (in):"},
};

// Codes of the fields that share the top and the bottom row.
constexpr int kTopRowCodes[] = {18, 19, 14, 16, 17};
constexpr int kBottomRowCodes[] = {15, 21, 20};

QLabel* makeCaption(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(std::max(kLabelWidth, label->sizeHint().width()));
    return label;
}

} // namespace

SetStatePanel::SetStatePanel(Session& session, QWidget* parent)
    : QFrame(parent)
    , m_session(&session)
    , m_entry(session.entry())
{
    setObjectName(QStringLiteral("SetStatePanel"));
    setFrameShape(QFrame::StyledPanel);
    buildControls();
    buildLayout();
    connectEntry();
    showMaterials();
    showDesign();
    selectPart(1); // "Outer layer"

    connect(&session.notifier(), &SessionNotifier::materialsChanged, this, [this] { showMaterials(); });
}

void SetStatePanel::buildControls()
{
    m_partNameLabel = makeCaption(QStringLiteral("PartNameLabel"), QStringLiteral("Currently selected:"), this);
    m_partNameBox = new QComboBox(this);
    m_partNameBox->setObjectName(QStringLiteral("PartNameBox"));
    m_partNameBox->setToolTip(QStringLiteral("Which part would you like to edit?"));
    m_partNameBox->setFixedWidth(kListWidth);
    for (const auto& part : kParts)
        m_partNameBox->addItem(QString::fromLatin1(part.item));
    connect(m_partNameBox, &QComboBox::currentIndexChanged, this, [this](int k) { selectPart(k); });

    m_materialLabel = makeCaption(QStringLiteral("MaterialLabel"), QStringLiteral("Material:"), this);
    static const char* const listNames[kMaterialSlots] = {"OuterBodyList", "InnerBodyList", "DriveWheelList",
                                                          "OtherWheelList", "DriveAxleList", "OtherAxleList",
                                                          "SpringList", "TreadList"};
    for (int slot = 0; slot < kMaterialSlots; ++slot)
        m_lists[slot] = makeMaterialList(slot, listNames[slot]);

    m_topLabel = makeCaption(QStringLiteral("TopParameterLabel"), kDiaCaption, this);
    m_bottomLabel = makeCaption(QStringLiteral("BottomParameterLabel"), kLengthCaption, this);
    m_fieldEvents = new ParameterFieldEvents(m_entry, this);
    static const char* const fieldNames[8] = {"SpringWidthEF", "SpringLengthEF", "DriveAxleDiaEF",
                                              "OtherAxleDiaEF", "DriveWhlDiaEF", "OtherWhlDiaEF",
                                              "OtherAxleLengthEF", "DriveAxleLengthEF"};
    for (int code : kDimensionCodes)
        m_fields[code - 14] = makeDimensionField(code, fieldNames[code - 14]);

    m_applyBtn = new QPushButton(QStringLiteral("Apply"), this);
    m_applyBtn->setObjectName(QStringLiteral("ApplyBtn"));
    m_applyBtn->setEnabled(false);
    m_applyBtn->setFixedWidth(kFieldWidth);
    connect(m_applyBtn, &QPushButton::clicked, this, [this] { m_entry.apply(); });

    m_defineMaterialsBtn = new QToolButton(this);
    m_defineMaterialsBtn->setObjectName(QStringLiteral("DefineMatlBtn"));
    m_defineMaterialsBtn->setText(QStringLiteral("Define materials..."));
    m_defineMaterialsBtn->setToolTip(QStringLiteral("Define your own materials"));

    m_attributesLabel = new QLabel(kDefaultAttributes, this);
    m_attributesLabel->setObjectName(QStringLiteral("PartAttributesLabel"));
    m_attributesLabel->setWordWrap(true);
    m_attributesLabel->setMinimumWidth(360);
}

QComboBox* SetStatePanel::makeMaterialList(int slot, const char* name)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setToolTip(kMaterialHint);
    list->setFixedWidth(kListWidth);
    connect(list, &QComboBox::currentIndexChanged, this, [this, slot](int index) { m_entry.materialChange(slot, index); });
    return list;
}

QLineEdit* SetStatePanel::makeDimensionField(int code, const char* name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(kFieldWidth);
    // The text a field is made with is no change of it; later ones are.
    field->setText(m_session->fields().dimension(code));
    m_fieldEvents->watch(field, code);
    // Enter presses Apply once typing has enabled it.
    connect(field, &QLineEdit::returnPressed, this, [this] {
        if (m_applyBtn->isEnabled())
            m_applyBtn->click();
    });
    return field;
}

// Three rows, as low as the other state panels: the part and its material, the
// part's two dimensions, Apply; the read-out beside them.
void SetStatePanel::buildLayout()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_partNameLabel, 0, 0);
    grid->addWidget(m_partNameBox, 0, 1, Qt::AlignLeft);
    grid->addWidget(m_materialLabel, 0, 2);
    for (auto* list : m_lists)
        grid->addWidget(list, 0, 3, Qt::AlignLeft); // one list shows at a time
    grid->addWidget(m_topLabel, 1, 0);
    for (int code : kTopRowCodes)
        grid->addWidget(dimensionField(code), 1, 1, Qt::AlignLeft);
    grid->addWidget(m_bottomLabel, 1, 2);
    for (int code : kBottomRowCodes)
        grid->addWidget(dimensionField(code), 1, 3, Qt::AlignLeft);
    grid->addWidget(m_applyBtn, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_defineMaterialsBtn, 2, 3, Qt::AlignLeft);
    grid->addWidget(m_attributesLabel, 0, 4, 3, 1, Qt::AlignTop | Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(3, 1);
}

void SetStatePanel::connectEntry()
{
    SessionNotifier* notifier = &m_session->notifier();
    connect(notifier, &SessionNotifier::fieldTextReset, this, [this](int code) {
        if (isDimensionField(code))
            showFieldText(code);
    });
    connect(notifier, &SessionNotifier::applyEnabledChanged, this, &SetStatePanel::showApplyEnabled);
    connect(notifier, &SessionNotifier::driveChanged, this, &SetStatePanel::showDriveFields);
}

void SetStatePanel::setApplyEnabled(bool enabled)
{
    m_entry.setApplyEnabled(enabled);
}

void SetStatePanel::showPartAttributes(const QString& text)
{
    m_attributesLabel->setText(text.isEmpty() ? kDefaultAttributes : text);
}

// A text put into a field is a change of the field like a typed one and is logged
// as one; the text it already shows is no change.
void SetStatePanel::showFieldText(int code)
{
    QLineEdit* field = dimensionField(code);
    const QString& text = m_session->fields().dimension(code);
    if (field->text() != text)
        field->setText(text);
}

void SetStatePanel::showApplyEnabled(bool enabled)
{
    m_applyBtn->setEnabled(enabled);
    m_applyBtn->setDefault(enabled);
}

void SetStatePanel::showDriveFields(DriveType drive)
{
    dimensionField(19)->setEnabled(drive != DriveType::AWD);
}

void SetStatePanel::showDesign()
{
    for (int code : kDimensionCodes)
        showFieldText(code);
    for (int slot = 0; slot < kMaterialSlots; ++slot)
        showMaterialList(slot);
    showDriveFields(m_session->design().Drive);
}

void SetStatePanel::showMaterials()
{
    for (int slot = 0; slot < kMaterialSlots; ++slot) {
        QComboBox* list = m_lists[slot];
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(m_session->materials().listTexts(kindOfSlot(slot)));
        showMaterialList(slot);
    }
}

void SetStatePanel::showMaterialList(int slot)
{
    QComboBox* list = m_lists[slot];
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(m_session->design().Materials[slot]);
}

void SetStatePanel::hideAllPartEditors()
{
    for (auto* list : m_lists)
        list->hide();
    for (auto* field : m_fields)
        field->hide();
    m_topLabel->hide();
    m_bottomLabel->hide();
    m_materialLabel->hide();
}

void SetStatePanel::showPartChoice(bool visible)
{
    m_partNameBox->setVisible(visible);
    m_partNameLabel->setVisible(visible);
}

void SetStatePanel::selectPart(int k)
{
    {
        const QSignalBlocker quiet(m_partNameBox);
        m_partNameBox->setCurrentIndex(k >= 0 && k < kPartCount ? k : -1);
    }
    hideAllPartEditors();
    if (k >= 0 && k < kPartCount)
        showPartEditors(k);
}

void SetStatePanel::showPartEditors(int k)
{
    const PartEditors& part = kParts[k];
    m_materialLabel->show();
    showMaterialList(part.slot);
    m_lists[part.slot]->show();
    if (part.topCode != 0) {
        m_topLabel->setText(QString::fromLatin1(part.topCaption));
        m_topLabel->show();
        dimensionField(part.topCode)->show();
    }
    if (part.bottomCode != 0) {
        m_bottomLabel->setText(QString::fromLatin1(part.bottomCaption));
        m_bottomLabel->show();
        dimensionField(part.bottomCode)->show();
    }
}

QList<QWidget*> SetStatePanel::entryControls() const
{
    QList<QWidget*> controls = {m_applyBtn};
    for (QLineEdit* field : m_fields)
        controls << field;
    return controls;
}

} // namespace brisko::gui
