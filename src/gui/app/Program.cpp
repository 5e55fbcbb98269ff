#include "app/Program.h"

#include "app/ScreenRoom.h"
#include "dialogs/TADWin.h"
#include "render/BackgroundPainter.h"
#include "dialogs/TPortfolioWin.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/TRPWin.h"
#include "output/TAbout.h"

#include <QCoreApplication>

namespace brisko::gui {

Program::Program(Prompter& prompter, const ProgramOptions& options)
    : quitApplication([] { QCoreApplication::exit(0); })
    , m_main(std::make_unique<TRPWin>(prompter))
{
    m_main->allowPowerDesigner(options.PowerDesigner);
    QCoreApplication::instance()->installEventFilter(new ScreenKeeper(this));
    m_about = new TAbout(prompter, m_main.get());
    m_advisories = new TADWin(m_main.get());
    m_advisories->followArea(m_main->image());
    m_main->setAdvisories(m_advisories);
    m_advisories->keepClearOf([this] { return foldedCorner(m_main->session().prototype().layout()).boundingRect(); });
    m_portfolioBox = new TPortfolioWin(
        prompter, [this](const QString& path) { return m_main->attachPortfolio(path); }, m_main.get());
    connect(m_about, &QDialog::finished, this, &Program::aboutClosed);
    connect(m_portfolioBox, &QDialog::finished, this, &Program::portfolioBoxClosed);
    connect(m_main.get(), &TRPWin::aboutRequested, m_about, &TAbout::showCentred);
    connect(m_main.get(), &TRPWin::programEnded, this, &Program::programEnded);
}

Program::~Program() = default;

void Program::start()
{
    m_about->showCentred();
}

void Program::aboutClosed()
{
    if (m_startUpRan)
        return; // opened from the Help menu: closing only closes
    m_startUpRan = true;
    runStartUp();
}

void Program::runStartUp()
{
    m_main->prepareStartUp();
    m_main->showMaximized();
    m_portfolioBox->open();
}

void Program::portfolioBoxClosed(int result)
{
    if (result != QDialog::Accepted) {
        m_main->endWithoutRecords(); // no portfolio: the program does not start
        return;
    }
    m_main->finishStartUp();
}

void Program::programEnded()
{
    if (m_ended)
        return;
    m_ended = true;
    m_advisories->hide();
    if (quitApplication)
        quitApplication();
}

} // namespace brisko::gui
