#pragma once
// A label for a file path that may be longer than its room: it keeps the whole path
// as its text and shows it cut in the middle ("/home/…/MyPortfolio.brdp"), so the
// folder's start and the file's name both stay readable.
#include <QLabel>

namespace brisko::gui {

class ElidedPathLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedPathLabel(QWidget* parent = nullptr);

    // What the label shows in its present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace brisko::gui
