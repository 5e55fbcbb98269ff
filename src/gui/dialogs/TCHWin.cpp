#include "dialogs/TCHWin.h"

#include "render/HistoryChart.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr int kFollowInterval = 1000; // ms: records logged while the window is open appear
constexpr int kChartMinimumWidth = 400;  // 200 records a page

class ChartView : public QWidget {
public:
    explicit ChartView(TCHWin* window)
        : QWidget(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("HistoryChart"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(kChartMinimumWidth, kHistoryChartMinimumHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_window->paintChart(painter, size());
    }

private:
    TCHWin* m_window;
};

// The labels of the chart's lines, in a column of their own at its left.
class LabelsView : public QWidget {
public:
    explicit LabelsView(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("HistoryLabels"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedWidth(historyLabelsWidth(font()));
        setMinimumHeight(kHistoryChartMinimumHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintHistoryLabels(painter, size());
    }
};

QPushButton* makePageButton(const char* name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TCHWin::TCHWin(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_chart(new ChartView(this))
    , m_follow(new QTimer(this))
    , m_skipped(new QLabel(this))
{
    m_skipped->setObjectName(QStringLiteral("SkippedLinesLabel"));
    m_skipped->setWordWrap(true);
    setObjectName(QStringLiteral("CHWin"));
    setWindowTitle(QStringLiteral("Design History"));
    QPushButton* previous = makePageButton("BitBtn1", QStringLiteral("Previous page "), this);
    QPushButton* next = makePageButton("NextBtn", QStringLiteral("Next page"), this);
    connect(previous, &QPushButton::clicked, this, &TCHWin::BitBtn1Click);
    connect(next, &QPushButton::clicked, this, &TCHWin::NextBtnClick);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(20, 4, 20, 8);
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addSpacing(16);
    buttons->addWidget(m_skipped, 1);
    auto* chartRow = new QHBoxLayout;
    chartRow->setSpacing(0);
    chartRow->addWidget(new LabelsView(this));
    chartRow->addWidget(m_chart, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(chartRow, 1);
    layout->addLayout(buttons);
    resize(860, 620);

    m_follow->setInterval(kFollowInterval);
    connect(m_follow, &QTimer::timeout, m_chart, qOverload<>(&QWidget::update));
}

void TCHWin::openHistory(const QString& portfolioPath)
{
    m_history.setPath(portfolioPath);
    m_offset = 0;
    show();
    raise();
    activateWindow();
    m_follow->start();
    m_chart->update();
}

void TCHWin::hideEvent(QHideEvent* event)
{
    m_follow->stop();
    QWidget::hideEvent(event);
}

int TCHWin::chartWidth() const
{
    return m_chart->width();
}

void TCHWin::NextBtnClick()
{
    m_offset = nextHistoryPage(m_offset, chartWidth());
    m_chart->update();
}

void TCHWin::BitBtn1Click()
{
    m_offset = previousHistoryPage(m_offset, chartWidth());
    m_chart->update();
}

void TCHWin::paintChart(QPainter& painter, const QSize& client)
{
    m_message.clear();
    if (m_history.update(&m_message))
        paintHistoryChart(painter, client, m_history, m_offset);
    else
        paintHistoryGrid(painter, client, m_message);
    m_skipped->setText(historyReadingNote(m_history));
}

} // namespace brisko::gui
