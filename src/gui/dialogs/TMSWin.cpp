#include "dialogs/TMSWin.h"

#include "dialogs/TDAWin.h"
#include "dialogs/TDBWin.h"
#include "dialogs/TDSWin.h"
#include "dialogs/TDTWin.h"
#include "session/MaterialDefinitions.h"
#include "session/Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr MaterialKind kKinds[] = {MaterialKind::Board, MaterialKind::Axle, MaterialKind::Spring,
                                   MaterialKind::Tread};

QPushButton* makeButton(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TMSWin::TMSWin(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_session(&session)
{
    setObjectName(QStringLiteral("MSWin"));
    setWindowTitle(QStringLiteral("Material Definitions"));
    setModal(true);
    m_dialogs = {new TDBWin(session, this), new TDAWin(session, this), new TDSWin(session, this),
                 new TDTWin(session, this)};

    auto* heading = new QLabel(QStringLiteral("Define car materials:"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 12pt; font-weight: bold;"));
    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addWidget(buildColumn(MaterialKind::Board, QStringLiteral("Board Materials"), "BoardListbox", "Board"));
    columns->addWidget(buildColumn(MaterialKind::Axle, QStringLiteral("Axle Materials"), "AxleListbox", "Axle"));
    columns->addWidget(
        buildColumn(MaterialKind::Spring, QStringLiteral("Spring Materials"), "SpringListbox", "Spring"));
    columns->addWidget(buildColumn(MaterialKind::Tread, QStringLiteral("Tread materials"), "TreadListbox", "Tread"));

    QPushButton* done = makeButton(QStringLiteral("MSDoneBtn"), QStringLiteral("Done"), this);
    done->setDefault(true);
    QPushButton* cancel = makeButton(QStringLiteral("MSCancelBtn"), QStringLiteral("Cancel"), this);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(done);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(&session.notifier(), &SessionNotifier::materialsChanged, this, [this](MaterialKind kind) { showList(kind); });
    showLibrary();
}

QWidget* TMSWin::buildColumn(MaterialKind kind, const QString& heading, const char* listName, const char* stem)
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(heading, column));
    auto* list = new QListWidget(column);
    list->setObjectName(QString::fromLatin1(listName));
    list->setFixedSize(170, 190);
    layout->addWidget(list);
    m_lists[index(kind)] = list;

    const QString name = QString::fromLatin1(stem);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    QPushButton* add = makeButton(name + QStringLiteral("NewBtn"), QStringLiteral("New"), column);
    QPushButton* edit = makeButton(name + QStringLiteral("EditBtn"), QStringLiteral("Edit"), column);
    QPushButton* remove = makeButton(name + QStringLiteral("DeleteBtn"), QStringLiteral("Delete"), column);
    for (QPushButton* button : {add, edit, remove}) {
        button->setFixedWidth(54);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    MaterialDialog* dialog = definitionDialog(kind);
    connect(add, &QPushButton::clicked, dialog, &MaterialDialog::openNew);
    connect(edit, &QPushButton::clicked, this, [this, kind] { definitionDialog(kind)->openEdit(selectedPosition(kind)); });
    connect(remove, &QPushButton::clicked, this, [this, kind] { deleteSelected(kind); });
    return column;
}

void TMSWin::showList(MaterialKind kind)
{
    QListWidget* list = m_lists[index(kind)];
    const int selected = list->currentRow();
    list->clear();
    list->addItems(m_session->materials().listTexts(kind));
    if (selected >= 0 && selected < list->count())
        list->setCurrentRow(selected);
}

void TMSWin::showLibrary()
{
    for (MaterialKind kind : kKinds)
        showList(kind);
}

void TMSWin::openWindow()
{
    showLibrary();
    open();
}

int TMSWin::selectedPosition(MaterialKind kind) const
{
    const QListWidget* list = m_lists[index(kind)];
    return list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

// No question and no record; nothing is selected afterwards, so that a second press
// cannot delete the next material by accident.
void TMSWin::deleteSelected(MaterialKind kind)
{
    if (!deleteMaterial(*m_session, kind, selectedPosition(kind)))
        return;
    m_lists[index(kind)]->setCurrentRow(-1);
}

} // namespace brisko::gui
