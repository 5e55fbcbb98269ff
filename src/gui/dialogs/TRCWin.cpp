#include "dialogs/TRCWin.h"

#include "analysis/ChartCsv.h"
#include "dialogs/RunChartView.h"
#include "output/ChartPrinting.h"
#include "render/RunChart.h"
#include "session/ChartExport.h"
#include "session/Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

QPushButton* namedButton(const char* name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

const QString kNoRuns = QStringLiteral("No design has been simulated since its last change: press Simulate first.");
const QString kHint = QStringLiteral("Point at the chart to read the distance and speed of every run at that time. "
                                     "Runs are recorded for their first 10 seconds.");

} // namespace

TRCWin::TRCWin(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
{
    setObjectName(QStringLiteral("RCWin"));
    setWindowTitle(QStringLiteral("Run Chart"));
    m_view = new RunChartView(this);
    m_note = new QLabel(kHint, this);
    m_note->setObjectName(QStringLiteral("ChartNoteLabel"));
    m_note->setWordWrap(true);
    QPushButton* exportBtn = namedButton("ChartExportBtn", QStringLiteral("Export CSV..."), this);
    QPushButton* printBtn = namedButton("ChartPrintBtn", QStringLiteral("Print..."), this);
    QPushButton* closeBtn = namedButton("ChartCloseBtn", QStringLiteral("Close"), this);
    connect(exportBtn, &QPushButton::clicked, this, &TRCWin::ChartExportBtnClick);
    connect(printBtn, &QPushButton::clicked, this, &TRCWin::ChartPrintBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_note, 1);
    for (QPushButton* b : {exportBtn, printBtn, closeBtn})
        buttons->addWidget(b);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_view, 1);
    column->addLayout(buttons);
    resize(900, 580);

    connect(&session.notifier(), &SessionNotifier::refreshed, this, [this] {
        if (isVisible())
            reread();
    });
}

void TRCWin::showRuns(const QString& what, RunSource source)
{
    m_what = what;
    m_source = std::move(source);
    reread();
    show();
    raise();
    activateWindow();
}

void TRCWin::reread()
{
    if (!m_source)
        return;
    m_view->setRuns(m_source());
    m_note->setText(m_view->runs().empty() ? kNoRuns : kHint);
}

void TRCWin::ChartExportBtnClick()
{
    const ChartCsvRequest request{QStringLiteral("Export Run Chart"), QStringLiteral("Run chart.csv"), m_what};
    exportChartCsv(m_session, request, runsCsv(m_view->runs()));
}

void TRCWin::ChartPrintBtnClick()
{
    const std::vector<ChartRun> runs = m_view->runs();
    printChart(m_session, m_what, [&runs](QPainter& painter, const QSizeF& size) { paintRunChart(painter, size, runs); });
}

} // namespace brisko::gui
