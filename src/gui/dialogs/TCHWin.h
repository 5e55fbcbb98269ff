#pragma once
// "Design History" (`CHWin`), a window beside the main window: the chart of the
// design portfolio from the scroll offset on, with "Next page" and "Previous page ".
// Every paint reads what was appended to the portfolio since the last one. The
// labels of the chart's lines stand in a column left of it, and the window is never
// smaller than the chart's last row needs. Under the chart it says how many lines of
// the portfolio were skipped as damaged.
#include "persist/PortfolioHistory.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace brisko::gui {

class TCHWin : public QWidget {
    Q_OBJECT
public:
    explicit TCHWin(QWidget* parent);

    // Shows the window at the first record, over the given portfolio.
    void openHistory(const QString& portfolioPath);

    int offset() const { return m_offset; }
    // The width the chart is drawn in, and what it says when the portfolio cannot be read.
    int chartWidth() const;
    const QString& message() const { return m_message; }

    void NextBtnClick();
    void BitBtn1Click();

    // The chart as the window draws it now.
    void paintChart(QPainter& painter, const QSize& client);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    PortfolioHistory m_history;
    QWidget* m_chart;
    QTimer* m_follow;
    QLabel* m_skipped; // how many damaged lines the chart leaves out
    int m_offset = 0;
    QString m_message;
};

} // namespace brisko::gui
