#include "output/TPPWin.h"

#include "mainwin/BusyCursor.h"
#include "output/PrintPlan.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr double kPrinterMarginInches = 0.25; // the printer's own minimum where it needs more

struct Choice {
    const char* name;
    const char* caption;
    PrintChoice choice;
};

const Choice kChoices[] = {
    {"PPSummaryBtn", "Print Report Only", PrintChoice::Report},
    {"PPOneCoredBtn", "Print One Inner Layer Template", PrintChoice::OneInner},
    {"PPOneFullBtn", "Print One Outer Layer Template", PrintChoice::OneOuter},
    {"PPWheelBtn", "Print Wheel Templates", PrintChoice::Wheels},
    {"PPAllBtn", "Print Entire Set ", PrintChoice::EntireSet},
};

QPushButton* addButton(QHBoxLayout* row, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

TPPWin::TPPWin(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("PPWin"));
    setWindowTitle(QStringLiteral("Paper Prototype"));
    setModal(false);
    buildWindow();
}

TPPWin::~TPPWin() = default;

void TPPWin::buildWindow()
{
    auto* group = new QGroupBox(QStringLiteral("Print Options"));
    group->setObjectName(QStringLiteral("PrintOptionsGroup"));
    auto* options = new QVBoxLayout(group);
    m_choices = new QButtonGroup(this);
    for (const Choice& c : kChoices) {
        auto* radio = new QRadioButton(QString::fromLatin1(c.caption));
        radio->setObjectName(QString::fromLatin1(c.name));
        m_choices->addButton(radio, static_cast<int>(c.choice));
        options->addWidget(radio);
    }
    m_choices->button(static_cast<int>(PrintChoice::Report))->setChecked(true);
    connect(m_choices, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            showPrintPlan();
    });

    m_plan = new QLabel;
    m_plan->setObjectName(QStringLiteral("PPPagesLabel"));
    m_plan->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    QPushButton* print = addButton(buttons, "PPPrintBtn", QStringLiteral("Print"));
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, &TPPWin::PrintBtnClick);
    connect(addButton(buttons, "PPCancelBtn", QStringLiteral("Cancel")), &QPushButton::clicked, this, &QDialog::close);
    addButton(buttons, "PPPreviewBtn", QStringLiteral("Preview"))->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_plan);
    layout->addLayout(buttons);
}

void TPPWin::showWindow()
{
    showPrintPlan();
    show();
    raise();
    activateWindow();
}

void TPPWin::showPrintPlan()
{
    const PrintChoice choice = chosen();
    QPrinter& device = printer();
    const QString paper = device.pageLayout().pageSize().name();
    if (!paperTooSmallMessage(device, choice).isEmpty()) {
        m_plan->setText(QStringLiteral("On the printer's paper (%1): the design report needs a printable area of "
                                       "7.5 x 10 inches, more than this paper has, so this choice prints nothing.")
                            .arg(paper));
        return;
    }
    const PaperPrototype prototype =
        paperPrototypeOf(m_session.design(), m_session.materials(), m_session.designListText());
    const PrintPlan plan =
        printPlanOf(choice, prototype, printerFrameOf(device), printableAreaOf(device, QPageLayout::Landscape));
    m_plan->setText(QStringLiteral("On the printer's paper (%1): ").arg(paper) + printPlanText(plan));
}

PrintChoice TPPWin::chosen() const
{
    return static_cast<PrintChoice>(m_choices->checkedId());
}

QPrinter& TPPWin::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const double m = kPrinterMarginInches;
        m_printer->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Inch);
    }
    return *m_printer;
}

void TPPWin::PrintBtnClick()
{
    const PrintChoice choice = chosen();
    QPrinter& device = printer();
    device.setPageOrientation(choice == PrintChoice::Report || choice == PrintChoice::EntireSet
                                  ? QPageLayout::Portrait
                                  : QPageLayout::Landscape);
    if (!m_session.prompter().choosePrinter(&device))
        return; // cancelled: nothing printed, logged or changed
    print(choice, device);
    showPrintPlan(); // the print dialog may have changed the paper
}

void TPPWin::print(PrintChoice choice, QPrinter& device)
{
    if (const QString refusal = paperTooSmallMessage(device, choice); !refusal.isEmpty()) {
        m_session.prompter().message(QStringLiteral("Please try again."), refusal);
        return;
    }
    bool recordFailed = false;
    QString failure;
    {
        BusyCursor busy;
        const PaperPrototype prototype =
            paperPrototypeOf(m_session.design(), m_session.materials(), m_session.designListText());
        failure = m_pages.print(choice, prototype, device, [&](const PrintRecord& r) {
            recordFailed = !m_session.logAction(actions::PrintState.Stage, actions::PrintState.Code, r.Letter, r.Letter, r.Letter,
                                                 r.Letter, r.Description);
            return !recordFailed;
        });
    }
    if (!failure.isEmpty() && !recordFailed) // a failed record has told the user already
        m_session.prompter().message(QStringLiteral("Paper Prototype"), failure);
    // The design view is redrawn as the Set state shows it while the main window
    // stays in the Print state; a student who went on to another state keeps it.
    if (m_session.app().CurrentState == ProcessState::Print)
        emit designViewWanted();
}

} // namespace brisko::gui
