#include "dialogs/TCSWin.h"

#include "dialogs/StandingDetails.h"
#include "dialogs/StandingsChartView.h"
#include "mainwin/BusyCursor.h"
#include "output/StandingsPages.h"
#include "output/StandingsTable.h"
#include "session/DesignListEntries.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr int kStandingsStage = -2;
constexpr int kStandingsCode = 150;
constexpr int kExportCode = 151;
constexpr int kPrintCode = 152;
constexpr int kRaceCode = 153;
const QString kTitle = QStringLiteral("Class Standings");
constexpr int kDetailLines = 5;

// Read-only, word-wrapped text a few lines high; longer texts scroll.
QPlainTextEdit* detailsArea()
{
    auto* area = new QPlainTextEdit;
    area->setObjectName(QStringLiteral("CSDetailsText"));
    area->setReadOnly(true);
    area->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    area->setFixedHeight(area->fontMetrics().lineSpacing() * kDetailLines + 2 * area->frameWidth() + 8);
    return area;
}

QPushButton* button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TCSWin::TCSWin(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("CSWin"));
    setWindowTitle(kTitle);
    setModal(false);
    buildWindow();
    connect(&m_watcher, &QFutureWatcher<StandingRow>::resultReadyAt, this, &TCSWin::rowArrived);
    connect(&m_watcher, &QFutureWatcher<StandingRow>::progressValueChanged, m_progress, &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<StandingRow>::finished, this, &TCSWin::analysisEnded);
    showControls();
}

TCSWin::~TCSWin()
{
    // Files still being analysed are waited for: their rows have nowhere to go.
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

void TCSWin::buildWindow()
{
    m_folderBtn = button("CSFolderBtn", QStringLiteral("Choose Folder..."));
    m_folderLabel = new QLabel(QStringLiteral("No folder chosen"));
    m_folderLabel->setObjectName(QStringLiteral("CSFolderLabel"));
    auto* top = new QHBoxLayout;
    top->addWidget(m_folderBtn);
    top->addWidget(m_folderLabel, 1);

    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(&m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("CSTable"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(static_cast<int>(StandingColumn::Place), Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_details = detailsArea();

    // Beside the table, the chart of the ranked times.
    m_chart = new StandingsChartView;
    auto* chartArea = new QScrollArea;
    chartArea->setObjectName(QStringLiteral("CSChartArea"));
    chartArea->setWidgetResizable(true);
    chartArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartArea->setWidget(m_chart);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("CSSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_table);
    splitter->addWidget(chartArea);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({700, 440});

    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("CSProgress"));
    m_cancelBtn = button("CSCancelBtn", QStringLiteral("Cancel"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("CSStatusLabel"));
    auto* progress = new QHBoxLayout;
    progress->addWidget(m_status, 1);
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancelBtn);

    m_exportBtn = button("CSExportBtn", QStringLiteral("Export CSV..."));
    m_printBtn = button("CSPrintBtn", QStringLiteral("Print..."));
    m_raceBtn = button("CSRaceBtn", QStringLiteral("Race top 16"));
    QPushButton* close = button("CSCloseBtn", QStringLiteral("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_exportBtn);
    buttons->addWidget(m_printBtn);
    buttons->addWidget(m_raceBtn);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_details);
    layout->addLayout(progress);
    layout->addLayout(buttons);
    resize(1180, 600);

    connect(m_folderBtn, &QPushButton::clicked, this, &TCSWin::FolderBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &TCSWin::CancelBtnClick);
    connect(m_exportBtn, &QPushButton::clicked, this, &TCSWin::ExportBtnClick);
    connect(m_printBtn, &QPushButton::clicked, this, &TCSWin::PrintBtnClick);
    connect(m_raceBtn, &QPushButton::clicked, this, &TCSWin::RaceBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TCSWin::showDetails);
    connect(m_sorted, &QAbstractItemModel::modelReset, this, &TCSWin::showDetails);
    connect(m_chart, &StandingsChartView::barChosen, this, &TCSWin::chooseRow);
}

void TCSWin::showWindow()
{
    show();
    raise();
    activateWindow();
}

QString TCSWin::defaultFolder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    const QString portfolio = m_session.app().PortfolioPath;
    return portfolio.isEmpty() ? QDir::homePath() : QFileInfo(portfolio).absolutePath();
}

void TCSWin::FolderBtnClick()
{
    if (isAnalysing())
        return;
    FileRequest request;
    request.title = QStringLiteral("Folder of Design Files");
    request.folder = defaultFolder();
    const QString folder = m_session.prompter().chooseFolder(request);
    if (folder.isEmpty())
        return;
    const QStringList files = designFilesIn({folder});
    if (files.isEmpty()) {
        m_session.prompter().message(kTitle, QStringLiteral("There are no design files (.brsk) in %1.")
                                                 .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    analyse(files, folder);
}

bool TCSWin::analyse(const QStringList& files, const QString& folder)
{
    if (isAnalysing())
        return false;
    m_folder = folder;
    m_folderLabel->setText(QDir::toNativeSeparators(folder));
    m_model.clear();
    m_chart->setChart(standingsChartOf(standings()));
    m_progress->setRange(0, static_cast<int>(files.size()));
    m_progress->setValue(0);
    m_analysing = true;
    m_watcher.setFuture(ClassStandings::start(m_pool, files, analyseFile));
    showControls();
    return true;
}

void TCSWin::rowArrived(int index)
{
    m_model.add(m_watcher.resultAt(index));
    m_chart->setChart(standingsChartOf(standings()));
    showControls();
}

void TCSWin::CancelBtnClick()
{
    m_watcher.cancel(); // the files under way finish; no further one starts
}

void TCSWin::analysisEnded()
{
    const ClassStandings& s = standings();
    m_analysing = false;
    showControls();
    m_session.logAction(kStandingsStage, kStandingsCode, m_folder, QString::number(s.rankedCount()),
                        QString::number(s.refusedCount()),
                        m_watcher.isCanceled() ? OptText(QStringLiteral("Cancelled")) : OptText(),
                        QStringLiteral("ClassStandings"));
    emit analysisFinished();
}

void TCSWin::showControls()
{
    const bool running = isAnalysing();
    const ClassStandings& s = standings();
    m_folderBtn->setEnabled(!running);
    m_cancelBtn->setEnabled(running);
    m_progress->setVisible(running);
    m_exportBtn->setEnabled(!running && s.count() > 0);
    m_printBtn->setEnabled(!running && s.count() > 0);
    m_raceBtn->setEnabled(!running && s.rankedCount() > 0);
    QString status = QStringLiteral("%1 ranked, %2 refused").arg(s.rankedCount()).arg(s.refusedCount());
    if (running)
        status = QStringLiteral("Analysing... ") + status;
    else if (m_watcher.isCanceled())
        status += QStringLiteral(" (cancelled)");
    m_status->setText(s.count() == 0 && !running ? QStringLiteral("Choose a folder of design files.") : status);
}

void TCSWin::showDetails()
{
    const QModelIndexList chosen = m_table->selectionModel()->selectedRows();
    const ClassStandings& s = standings();
    if (chosen.isEmpty()) {
        m_details->setPlainText(standingsOverview(s));
        m_chart->setChosen(std::nullopt);
        return;
    }
    const int row = m_sorted->mapToSource(chosen.first()).row();
    m_details->setPlainText(row >= 0 && row < s.count() ? standingDetails(s.at(row)) : QString());
    m_chart->setChosen(row);
}

void TCSWin::chooseRow(int position)
{
    const QModelIndex index = m_sorted->mapFromSource(m_model.index(position, 0));
    if (!index.isValid())
        return;
    m_table->selectRow(index.row());
    m_table->scrollTo(index);
}

void TCSWin::ExportBtnClick()
{
    FileRequest request;
    request.title = QStringLiteral("Export Class Standings");
    request.filter = QStringLiteral("CSV|*.csv|All Files|*.*");
    request.folder = defaultFolder();
    request.proposedName = QStringLiteral("Class standings.csv");
    const QString path = m_session.prompter().saveFile(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!writeStandingsCsv(path, standings().rows(), &error)) {
        m_session.prompter().message(QStringLiteral("Please try again."), error);
        return;
    }
    m_session.logAction(kStandingsStage, kExportCode, path, QString::number(standings().rows().size()), {}, {},
                        QStringLiteral("ClassExport"));
}

void TCSWin::PrintBtnClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    if (!m_session.prompter().choosePrinter(&printer))
        return; // cancelled: nothing printed or logged
    const QVector<StandingRow>& rows = standings().rows();
    QString failure;
    {
        BusyCursor busy;
        failure = printStandings(printer, rows, m_session.now().date());
    }
    if (!failure.isEmpty()) {
        m_session.prompter().message(kTitle, failure);
        return;
    }
    m_session.logAction(kStandingsStage, kPrintCode, QString::number(rows.size()),
                        QString::number(standingsPageCount(rows)), {}, {},
                        QStringLiteral("ClassPrint"));
}

void TCSWin::RaceBtnClick()
{
    const QVector<StandingRow> best = standings().best(kClassRaceLanes);
    if (best.isEmpty())
        return;
    QVector<int> positions;
    for (const StandingRow& row : best) {
        DesignListEntry entry;
        entry.Name = row.DesignName;
        entry.ListText = row.DesignName;
        entry.FilePath = row.FilePath;
        entry.Saved = true;
        const int position = appendEntry(m_session, entry);
        if (position < 0) {
            m_session.prompter().message(QStringLiteral("Please try again."),
                                         QStringLiteral("The design list is full: only %1 of the best designs "
                                                        "could be added.")
                                             .arg(positions.size()));
            break;
        }
        m_session.keepRunOf(position, row.Trace);
        positions << position;
    }
    if (positions.isEmpty())
        return;
    if (!m_session.logAction(kStandingsStage, kRaceCode, QString::number(positions.size()), {}, {}, {},
                             QStringLiteral("ClassRace")))
        return;
    if (raceLanes)
        raceLanes(positions);
    hide(); // the final on the track is for everyone to see; the menu opens the standings again
}

} // namespace brisko::gui
