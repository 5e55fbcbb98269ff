#include "mainwin/DesignListBar.h"

#include "session/DesignListOps.h"
#include "session/DesignRename.h"
#include "session/DesignSaving.h"
#include "session/Session.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace brisko::gui {

namespace {
constexpr int kButtonCount = 5; // New, Open, Save, Rename, Remove
}

DesignListBar::DesignListBar(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    // The box over a row of its five buttons, so that the tool bar stays narrow.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    m_box = new QComboBox(this);
    m_box->setObjectName(QStringLiteral("DesignList"));
    m_box->setEditable(true);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setToolTip(QStringLiteral("Select an existing car design, or edit the name of a custom design."));
    m_box->setMinimumContentsLength(16);
    layout->addWidget(m_box, 0, 0, 1, kButtonCount);
    m_new = addButton(QStringLiteral("NewBtn"), QStringLiteral("New"),
                      QStringLiteral("Start a new design.  New designs start with the default shape."));
    m_open = addButton(QStringLiteral("OpenBtn"), QStringLiteral("Open"),
                       QStringLiteral("Load a previously saved design from disk"));
    m_save = addButton(QStringLiteral("SaveBtn"), QStringLiteral("Save"),
                       QStringLiteral("Save the currently selected design to disk"));
    m_rename = addButton(QStringLiteral("RenameBtn"), QStringLiteral("Rename"), QStringLiteral("Rename the selected design"));
    m_remove = addButton(QStringLiteral("RemoveBtn"), QStringLiteral("Remove"),
                         QStringLiteral("Remove the currently selected design from the list (can reload later if "
                                        "saved).  The five standard designs cannot be removed."));
    connectBox();
    connectButtons();
    showList();
}

QList<QWidget*> DesignListBar::tabStops() const
{
    return {m_box, m_new, m_open, m_save, m_rename, m_remove};
}

void DesignListBar::setOneLine(bool oneLine)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    const QList<QPushButton*> buttons = {m_new, m_open, m_save, m_rename, m_remove};
    grid->removeWidget(m_box);
    for (QPushButton* button : buttons)
        grid->removeWidget(button);
    grid->addWidget(m_box, 0, 0, 1, oneLine ? 1 : kButtonCount);
    for (int k = 0; k < buttons.size(); ++k)
        grid->addWidget(buttons[k], oneLine ? 0 : 1, oneLine ? k + 1 : k);
    grid->invalidate();
    updateGeometry();
}

QPushButton* DesignListBar::addButton(const QString& objectName, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setToolTip(hint);
    button->setFixedWidth(std::max(52, button->fontMetrics().horizontalAdvance(caption) + 14));
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(button, 1, grid->count() - 1);
    return button;
}

void DesignListBar::connectBox()
{
    // An editable box that loses its focus would choose, on its own, the item whose
    // text its edit line shows; a design is switched only when the student picks
    // one from the list.
    disconnect(m_box->lineEdit(), &QLineEdit::editingFinished, m_box, nullptr);
    connect(m_box, &QComboBox::activated, this, &DesignListBar::designChosen);
    connect(m_box->lineEdit(), &QLineEdit::returnPressed, this, &DesignListBar::enterPressed);
    connect(m_box->lineEdit(), &QLineEdit::textEdited, this, &DesignListBar::textTyped);
    m_box->installEventFilter(this);
    m_box->lineEdit()->installEventFilter(this);
}

void DesignListBar::connectButtons()
{
    auto run = [this](auto operation) {
        return [this, operation] {
            operation(m_session);
            showList();
        };
    };
    connect(m_new, &QPushButton::clicked, this, run(newDesignAfterSaving));
    connect(m_open, &QPushButton::clicked, this, run(OpenDesign));
    connect(m_save, &QPushButton::clicked, this, run(SaveDesignAs));
    connect(m_rename, &QPushButton::clicked, this, run(RenameDesign));
    connect(m_remove, &QPushButton::clicked, this, run(removeCurrentDesign));
}

void DesignListBar::showList()
{
    const QSignalBlocker blocker(m_box);
    m_box->clear();
    for (const auto& entry : m_session.designs().entries())
        m_box->addItem(entry.ListText);
    m_box->setCurrentIndex(m_session.app().CurrentDesign);
    m_box->setEditText(m_session.designListText());
}

void DesignListBar::designChosen(int position)
{
    if (position != m_session.app().CurrentDesign)
        chooseDesign(m_session, position);
    showList(); // a cancelled switch selects the current entry again
}

void DesignListBar::enterPressed()
{
    if (m_box->view()->isVisible())
        return;
    nameCurrentEntryFromBox(m_session, m_box->currentText());
    showList();
}

// Typing leaves no item of the box selected: what is typed is the current design's
// name, and its item shows it at once.
void DesignListBar::textTyped(const QString& text)
{
    nameCurrentEntryFromBox(m_session, text);
    const int current = m_session.app().CurrentDesign;
    const QString itemText = m_session.designs().entry(current).ListText;
    if (m_box->itemText(current) == itemText)
        return;
    QLineEdit* edit = m_box->lineEdit();
    const int cursor = edit->cursorPosition();
    {
        const QSignalBlocker blocker(m_box);
        m_box->setItemText(current, itemText); // also puts the text into the edit line
    }
    edit->setText(text);
    edit->setCursorPosition(cursor);
}

bool DesignListBar::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the box for another control: not for its own drop-down list, nor for a
    // message box or dialog that took the focus while it is open.
    if (watched == m_box && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            logCarName(m_session);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brisko::gui
