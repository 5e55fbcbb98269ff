#include "dialogs/THHWin.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisko::gui {

THHWin::THHWin(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HHWin"));
    setWindowTitle(QStringLiteral("How heavy?"));
    setWindowModality(Qt::WindowModal);

    auto* question = new QLabel(QStringLiteral("How heavy is this weight?"), this);
    question->setObjectName(QStringLiteral("HowHeavyLabel"));
    m_massField = new QLineEdit(QStringLiteral("0.125"), this);
    m_massField->setObjectName(QStringLiteral("HowHeavyEF"));
    auto* unit = new QLabel(QStringLiteral("lb"), this);
    unit->setObjectName(QStringLiteral("HowHeavyUnitLabel"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("HowHeavyOKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &THHWin::okClicked);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("HowHeavyCancelBtn"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* entry = new QHBoxLayout;
    entry->addWidget(m_massField);
    entry->addWidget(unit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString THHWin::massText() const
{
    return m_massField->text();
}

void THHWin::okClicked()
{
    if (!m_okHandler || m_okHandler(massText()))
        accept();
}

} // namespace brisko::gui
