#pragma once
// The Design History chart: three bands (time to 15 ft, distance, design modes)
// with their zero and grid lines and labels, and one step of 2 pixels per plotted
// record from the scroll offset on, green while no advisory is in force and
// magenta while one is. Paints on any QPainter, in window pixels from the top-left.
// The labels of the bands' lines stand in a column of their own left of the chart,
// so that no record runs through them.
#include <QColor>
#include <QSize>
#include <QString>

class QFont;
class QPainter;

namespace brisko {

class PortfolioHistory;

inline const QColor kHistoryBackground(192, 192, 192);
inline const QColor kHistoryClear(0, 255, 0);
inline const QColor kHistoryAdvised(255, 0, 255);
// The chart's height that shows the last row of the design modes ("Print", y = 540)
// with its label and mode squares.
inline constexpr int kHistoryChartMinimumHeight = 556;

// Fills `client` with the background, draws the bands and the records of `history`
// from plotted record `offset` on (counted from 1; 0 shows from the first).
void paintHistoryChart(QPainter& painter, const QSize& client, const PortfolioHistory& history, int offset);
// The bands alone with a message between the first two: what a portfolio that
// cannot be read shows.
void paintHistoryGrid(QPainter& painter, const QSize& client, const QString& message = {});

// The labels column: wide enough for the longest label in (a pixel size of) `font`,
// and its painting, each label level with its line.
int historyLabelsWidth(const QFont& font);
void paintHistoryLabels(QPainter& painter, const QSize& column);

// What the window says under the chart about lines it did not draw: how many were
// skipped as damaged, and whether the portfolio is longer than the chart keeps;
// empty when every line was drawn.
QString historyReadingNote(const PortfolioHistory& history);

// "Next page" and "Previous page ": one window width is half as many records.
int nextHistoryPage(int offset, int clientWidth);
int previousHistoryPage(int offset, int clientWidth);

} // namespace brisko
