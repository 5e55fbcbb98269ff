#pragma once
// The program's windows and its start: the About box opens first; its first closing
// runs the start-up, which asks for the design portfolio.
#include "app/ProgramOptions.h"

#include <QObject>
#include <functional>
#include <memory>

namespace brisko {
class Prompter;
}

namespace brisko::gui {

class TADWin;
class TAbout;
class TPortfolioWin;
class TRPWin;

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(Prompter& prompter, const ProgramOptions& options = {});
    ~Program() override;

    TRPWin& mainWindow() { return *m_main; }
    TAbout& about() { return *m_about; }
    TADWin& advisories() { return *m_advisories; }
    TPortfolioWin& portfolioBox() { return *m_portfolioBox; }

    // Shows the opening box; the rest follows from the user's answers.
    void start();
    bool hasStarted() const { return m_startUpRan; }
    bool hasEnded() const { return m_ended; }

    // Ends the message loop; tests replace it.
    std::function<void()> quitApplication;

private:
    void aboutClosed();
    void runStartUp();
    void portfolioBoxClosed(int result);
    void programEnded();

    std::unique_ptr<TRPWin> m_main;
    TAbout* m_about = nullptr;
    TADWin* m_advisories = nullptr;
    TPortfolioWin* m_portfolioBox = nullptr;
    bool m_startUpRan = false;
    bool m_ended = false;
};

} // namespace brisko::gui
