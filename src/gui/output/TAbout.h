#pragma once
// The About box (`About`), also the opening box of the program. A click on its
// background, picture, version text or "Start designing" closes it.
#include <QDialog>

namespace brisko {
class Prompter;
}

namespace brisko::gui {

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(Prompter& prompter, QWidget* parent = nullptr);

    // Shows the box window-modal without waiting; `finished` reports its closing.
    void showCentred();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildContents();
    QWidget* makeLink(const char* name, const QString& text, const QString& url);

    Prompter& m_prompter;
};

} // namespace brisko::gui
