#include "dialogs/TPortfolioWin.h"

#include "persist/FileNames.h"
#include "persist/PortfolioFolder.h"
#include "ui/Prompter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

const QString kHelpText = QStringLiteral(
    "The Design Portfolio is a file that stores a history of your design progress,\r"
    "allowing you to keep track of the performance of your car designs as they evolve.\r"
    "The directory where you save your Design Portfolio is also where your individual\r"
    "car design files will be saved.");

QPushButton* makeBoxButton(const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumWidth(90);
    return button;
}

} // namespace

TPortfolioWin::TPortfolioWin(Prompter& prompter, std::function<bool(const QString&)> attach, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_prompter(prompter)
    , m_attach(std::move(attach))
    , m_folder(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("PortfolioWin"));
    setWindowTitle(QStringLiteral("Establish a Design Portfolio"));
    buildContents();
}

void TPortfolioWin::buildContents()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    column->setSpacing(10);
    auto* welcome = new QLabel(QStringLiteral("Welcome to Brisko! "));
    welcome->setObjectName(QStringLiteral("WelcomeLabel"));
    welcome->setStyleSheet(QStringLiteral("font-size: 15pt; font-weight: bold;"));
    column->addWidget(welcome);
    auto* question = new QLabel(QStringLiteral("Have you created a Design Portfolio?"));
    question->setObjectName(QStringLiteral("QuestionLabel"));
    column->addWidget(question);
    m_existing = new QRadioButton(QStringLiteral("I have already created a Design Portfolio."));
    m_existing->setObjectName(QStringLiteral("ExistingPortfolioRadio"));
    m_existing->setChecked(true);
    auto* create = new QRadioButton(QStringLiteral("I need to create a Design Portfolio."));
    create->setObjectName(QStringLiteral("NewPortfolioRadio"));
    column->addWidget(m_existing);
    column->addWidget(create);
    column->addSpacing(8);

    auto* buttons = new QHBoxLayout;
    QPushButton* help = makeBoxButton("HelpBtn", QStringLiteral("Help"));
    QPushButton* proceed = makeBoxButton("ContinueBtn", QStringLiteral("Continue"));
    QPushButton* quit = makeBoxButton("QuitBtn", QStringLiteral("Quit"));
    proceed->setDefault(true);
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(proceed);
    buttons->addWidget(quit);
    column->addLayout(buttons);
    connect(proceed, &QPushButton::clicked, this, &TPortfolioWin::ContinueBtnClick);
    connect(help, &QPushButton::clicked, this, &TPortfolioWin::HelpBtnClick);
    connect(quit, &QPushButton::clicked, this, &TPortfolioWin::QuitBtnClick);
}

void TPortfolioWin::ContinueBtnClick()
{
    FileRequest request;
    request.folder = portfolioStartFolder(m_folder);
    request.filter = QStringLiteral("Brisko Design Portfolio|*.brdp");
    request.confirmOverwrite = false; // an existing portfolio is appended to, never replaced
    if (m_existing->isChecked()) {
        request.title = QStringLiteral("Save my work in this Design Portfolio:");
    } else {
        request.title = QStringLiteral("Type a name for your Design Portfolio:");
        request.proposedName = QStringLiteral("MyDesignPortfolio.brdp");
    }
    const QString chosen = m_prompter.saveFile(request);
    if (chosen.isEmpty())
        return;
    if (!m_attach(ForceExtension(chosen, QStringLiteral(".brdp"))))
        return;
    accept();
}

void TPortfolioWin::HelpBtnClick()
{
    m_prompter.message(QStringLiteral("What is a Design Portfolio?"), kHelpText);
}

void TPortfolioWin::QuitBtnClick()
{
    done(QDialog::Rejected);
}

// The box has no close box: only Quit ends the program, so Escape (or a close
// request from the desktop) leaves it open.
void TPortfolioWin::reject() {}

} // namespace brisko::gui
