#include "render/HistoryChart.h"

#include "persist/PortfolioHistory.h"
#include "text/NumberText.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace brisko {

namespace {

inline constexpr int kLeft = 20;
inline constexpr int kRecordStep = 2;
inline constexpr int kLabelPixels = 11;
inline constexpr int kLabelPadding = 6; // on both sides of the longest label

struct Band {
    int zeroY;
    std::initializer_list<int> gridYs;
    std::initializer_list<const char*> labels; // beside the zero line or the grid lines
    bool labelsFromZero;
    const char* heading;
    int headingY;
};

const Band kBands[] = {
    {100, {80, 60, 40, 20}, {"1 sec", "2 sec", "3 sec", "4 sec"}, false, "Time to 15 ft", 14},
    {240, {220, 200, 180, 160}, {"20 ft", "40 ft", "60 ft", "80 ft"}, false, "Distance", 154},
    {300, {330, 360, 390, 420, 450, 480, 510, 540},
     {"Edit", "Exit", "Apply", "Bld", "Ana", "Sim", "Race", "Prv", "Print"}, true, "Design modes", 292},
};

// Where a band's labels stand: beside its zero line too, or beside its grid lines only.
std::vector<int> labelYsOf(const Band& band)
{
    std::vector<int> ys;
    ys.reserve(band.gridYs.size() + 1);
    if (band.labelsFromZero)
        ys.push_back(band.zeroY);
    for (int y : band.gridYs)
        ys.push_back(y);
    return ys;
}

void drawBandLines(QPainter& painter, const Band& band, int width)
{
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    for (int y : band.gridYs)
        painter.drawLine(kLeft, y, width, y);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(kLeft, band.zeroY, width, band.zeroY);
}

// Drawn over the records, so that no line runs through a heading.
void drawHeadings(QPainter& painter)
{
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (const Band& band : kBands)
        painter.drawText(64, band.headingY, QString::fromLatin1(band.heading));
    painter.restore();
}

QFont labelFont(QFont font)
{
    font.setPixelSize(kLabelPixels);
    return font;
}

void drawRecords(QPainter& painter, int width, const PortfolioHistory& history, int offset)
{
    QPoint mode(kLeft, 300), time(kLeft, 100), distance(kLeft, 240);
    for (int i = std::max(0, offset - 1); i < history.count(); ++i) {
        const HistoryPoint p = history.at(i);
        const int x = (i + 1 - offset) * kRecordStep + kLeft;
        painter.setPen(QPen(p.advised ? kHistoryAdvised : kHistoryClear, 1));
        const QPoint nextMode(x, p.modeY);
        const QPoint nextTime(x, p.timeY.value_or(time.y()));
        const QPoint nextDistance(x, p.distanceY.value_or(distance.y()));
        painter.drawLine(mode, nextMode);
        painter.drawLine(time, nextTime);
        painter.drawLine(distance, nextDistance);
        painter.fillRect(x - 2, p.modeY - 2, 5, 5, Qt::black);
        mode = nextMode;
        time = nextTime;
        distance = nextDistance;
        if (x > width)
            break;
    }
}

void prepare(QPainter& painter, const QSize& client)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), client), kHistoryBackground);
    painter.setFont(labelFont(painter.font()));
}

void drawGrid(QPainter& painter, const QSize& client)
{
    prepare(painter, client);
    for (const Band& band : kBands)
        drawBandLines(painter, band, client.width());
}

} // namespace

int historyLabelsWidth(const QFont& font)
{
    const QFontMetrics metrics(labelFont(font));
    int widest = 0;
    for (const Band& band : kBands)
        for (const char* label : band.labels)
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromLatin1(label)));
    return widest + 2 * kLabelPadding;
}

void paintHistoryLabels(QPainter& painter, const QSize& column)
{
    painter.save();
    prepare(painter, column);
    painter.setPen(Qt::black);
    const int lineHeight = QFontMetrics(painter.font()).height();
    for (const Band& band : kBands) {
        const std::vector<int> ys = labelYsOf(band);
        size_t i = 0;
        for (const char* label : band.labels) {
            const QRect box(0, ys[i++] - lineHeight / 2, column.width() - kLabelPadding, lineHeight);
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(label));
        }
    }
    painter.restore();
}

void paintHistoryGrid(QPainter& painter, const QSize& client, const QString& message)
{
    painter.save();
    drawGrid(painter, client);
    drawHeadings(painter);
    if (!message.isEmpty()) {
        QFont bold = painter.font();
        bold.setPixelSize(13);
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(QColor(160, 0, 0));
        painter.drawText(QRect(64, 108, std::max(0, client.width() - 84), 36), Qt::AlignLeft | Qt::TextWordWrap,
                         message);
    }
    painter.restore();
}

void paintHistoryChart(QPainter& painter, const QSize& client, const PortfolioHistory& history, int offset)
{
    painter.save();
    drawGrid(painter, client);
    drawRecords(painter, client.width(), history, offset);
    drawHeadings(painter);
    painter.restore();
}

int nextHistoryPage(int offset, int clientWidth)
{
    return offset + nearest(clientWidth / 2.0);
}

int previousHistoryPage(int offset, int clientWidth)
{
    return offset > clientWidth / 2.0 ? offset - nearest(clientWidth / 2.0) : 0;
}

QString historyReadingNote(const PortfolioHistory& history)
{
    QStringList parts;
    if (const qint64 n = history.skippedLines(); n > 0)
        parts << (n == 1 ? QStringLiteral("1 damaged line of the portfolio was skipped and is not drawn.")
                         : QStringLiteral("%1 damaged lines of the portfolio were skipped and are not drawn.").arg(n));
    if (history.truncated())
        parts << QStringLiteral("The portfolio holds more than %1 records; only the first %1 are drawn.")
                     .arg(kHistoryMaxPoints);
    return parts.join(QLatin1Char(' '));
}

} // namespace brisko
