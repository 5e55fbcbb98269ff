#pragma once
// The window's top bar: the process steps, the design tools (sketching, drive, the
// drawing's Cancel) and the design list with the portfolio line. Where the window
// is wide enough they stand in one row; on a narrower screen (a school laptop or a
// lab projector at 1024 pixels) the design list and the portfolio line move to a
// thin second row of their own, so that no caption is cut and the window never
// needs to be wider than the screen.
#include <QFrame>

class QBoxLayout;
class QGridLayout;

namespace brisko::gui {

class DesignListBar;

class TopBar : public QFrame {
    Q_OBJECT
public:
    // Tab goes as the bar reads: the steps, the design tools and the drive box, then
    // the design list and its buttons. Called once every control of the window exists,
    // since controls made later join the end of the tab chain.
    void orderTabsAsRead();
    // `list` is the design list; `portfolio` the caption and path of the portfolio.
    TopBar(QWidget* steps, QWidget* tools, DesignListBar* list, QWidget* portfolio, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange(bool twoRows);
    int oneRowWidth() const;

    QWidget* m_steps;
    QWidget* m_tools;
    DesignListBar* m_list;
    QWidget* m_portfolio;
    QFrame* m_beforeTools;
    QFrame* m_beforeList;
    QWidget* m_listColumn;
    QBoxLayout* m_listLayout;
    QBoxLayout* m_portfolioLayout;
    QGridLayout* m_grid;
    bool m_twoRows = false;
    bool m_arranging = false;
    mutable int m_widestTools = 0;
};

} // namespace brisko::gui
