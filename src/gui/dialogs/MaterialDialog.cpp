#include "dialogs/MaterialDialog.h"

#include "session/Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr int kFieldWidth = 150;
const QString kNoColorPicker = QStringLiteral(
    "Sorry, this computer does not have the ColorPicker component installed.  A default color will be used "
    "instead.");

QPushButton* makeDialogButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

QWidget* makeDefaultText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #808080;"));
    return label;
}

MaterialDialog::MaterialDialog(Session& session, const char* name, const QString& title, const char* prefix,
                               const QString& colorCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_session(&session)
    , m_colorCaption(colorCaption)
    , m_fields(new QGridLayout)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    setModal(true);
    const QString stem = QString::fromLatin1(prefix);
    m_doneBtn = makeDialogButton(stem + QStringLiteral("DoneBtn"), QStringLiteral("Done"), this);
    m_doneBtn->setDefault(true);
    m_cancelBtn = makeDialogButton(stem + QStringLiteral("CancelBtn"), QStringLiteral("Cancel"), this);
    m_colorBtn = makeDialogButton(stem + QStringLiteral("ColorBtn"), QStringLiteral("Choose color..."), this);
    connect(m_doneBtn, &QPushButton::clicked, this, &MaterialDialog::doneClicked);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_colorBtn, &QPushButton::clicked, this, &MaterialDialog::colorClicked);

    m_fields->setHorizontalSpacing(10);
    m_fields->addWidget(makeDefaultText(QStringLiteral("Defaults"), this), 0, 2);
}

QLineEdit* MaterialDialog::addFieldRow(const QString& caption, const char* name, const QString& defaultText)
{
    const int row = m_fields->rowCount();
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(kFieldWidth);
    m_fields->addWidget(new QLabel(caption, this), row, 0);
    m_fields->addWidget(field, row, 1);
    m_fields->addWidget(makeDefaultText(defaultText, this), row, 2);
    addToTabOrder(field);
    return field;
}

void MaterialDialog::finishLayout()
{
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_colorBtn);
    buttons->addStretch(1);
    buttons->addWidget(m_cancelBtn);
    buttons->addWidget(m_doneBtn);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 12);
    column->setSpacing(14);
    column->addLayout(m_fields);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    m_tabOrder.insert(m_tabOrder.end(), {m_doneBtn, m_cancelBtn, m_colorBtn});
    for (size_t i = 1; i < m_tabOrder.size(); ++i)
        setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

// Typing goes to the first field, never to a button.
void MaterialDialog::openAtFirstField()
{
    open();
    m_tabOrder.front()->setFocus(Qt::OtherFocusReason);
    if (auto* first = qobject_cast<QLineEdit*>(m_tabOrder.front()))
        first->selectAll();
}

void MaterialDialog::openNew()
{
    m_mode = DefinitionMode::New;
    m_position = 0;
    openAtFirstField();
}

void MaterialDialog::openEdit(int position)
{
    if (position < 1 || position >= m_session->materials().count(kind()))
        return;
    m_mode = DefinitionMode::Edit;
    m_position = position;
    showRecord(position);
    openAtFirstField();
}

void MaterialDialog::doneClicked()
{
    if (defineFromFields() != DefinitionOutcome::StayOpen)
        accept();
}

// Materials have no colour: the button only says so.
void MaterialDialog::colorClicked()
{
    m_session->prompter().message(m_colorCaption, kNoColorPicker);
}

} // namespace brisko::gui
