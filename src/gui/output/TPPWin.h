#pragma once
// The "Paper Prototype" window `PPWin`: the five print operations of the paper
// prototype. It stays open beside the main window until Cancel; each Print asks
// for the printer and prints the chosen operation on it.
#include "output/PaperPrototypePrinting.h"
#include "session/Session.h"

#include <QDialog>
#include <memory>

class QButtonGroup;
class QLabel;
class QPrinter;

namespace brisko::gui {

class TPPWin : public QDialog {
    Q_OBJECT
public:
    explicit TPPWin(Session& session, QWidget* parent = nullptr);
    ~TPPWin() override;

    // Shows the window without blocking, in front.
    void showWindow();
    void PrintBtnClick();

    int pageCounter() const { return m_pages.pageCounter(); }
    // Tells in `PPPagesLabel` how many pages the chosen operation takes on the
    // printer's paper and which parts it prints in tiles.
    void showPrintPlan();

signals:
    // Printed from the Print state: the main window draws the design view again as
    // the Set state shows it, staying in the Print state.
    void designViewWanted();

private:
    void buildWindow();
    PrintChoice chosen() const;
    QPrinter& printer();
    void print(PrintChoice choice, QPrinter& printer);

    Session& m_session;
    std::unique_ptr<QPrinter> m_printer; // kept, so that the choices of the print dialog stay
    PaperPrototypePrinter m_pages;
    QButtonGroup* m_choices = nullptr;
    QLabel* m_plan = nullptr;
};

} // namespace brisko::gui
