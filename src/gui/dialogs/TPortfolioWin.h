#pragma once
// The design portfolio box shown at start-up (`PortfolioWin`): the student picks an
// existing portfolio or names a new one; without one the program does not start.
#include <QDialog>
#include <functional>

class QRadioButton;

namespace brisko {
class Prompter;
}

namespace brisko::gui {

class TPortfolioWin : public QDialog {
    Q_OBJECT
public:
    // `attach` takes the chosen path; false keeps the box open.
    TPortfolioWin(Prompter& prompter, std::function<bool(const QString&)> attach, QWidget* parent = nullptr);

    // The program's own folder: the save dialog opens there when the student may
    // write in it, else in the documents folder.
    void setStartFolder(const QString& folder) { m_folder = folder; }

    void ContinueBtnClick();
    void HelpBtnClick();
    void QuitBtnClick();
    void reject() override;

private:
    void buildContents();

    Prompter& m_prompter;
    std::function<bool(const QString&)> m_attach;
    QString m_folder;
    QRadioButton* m_existing = nullptr;
};

} // namespace brisko::gui
