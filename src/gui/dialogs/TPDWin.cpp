#include "dialogs/TPDWin.h"

#include "analysis/ChartCsv.h"
#include "dialogs/SweepMapView.h"
#include "model/Validation.h"
#include "session/ChartExport.h"
#include "session/ParameterEntry.h"
#include "session/Session.h"
#include "session/TypedApply.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

constexpr double kConfirmAbove = 10000; // combinations
constexpr qint64 kTurnMilliseconds = 15; // of combinations between two looks at the window

struct RangeRow {
    const char* label;
    const char* labelName;
    const char* from;
    const char* to;
    const char* step;
    SweepRangeTexts SweepFormTexts::*range;
};

const RangeRow kRows[] = {
    {"Spring Width (in)", "SWLabel", "SWFromEF", "SWToEF", "SWStepEF", &SweepFormTexts::Width},
    {"Spring Length (in)", "SLLabel", "SLFromEF", "SLToEF", "SLStepEF", &SweepFormTexts::Length},
    {"Drive wheel dia (in)", "DWLabel", "DWFromEF", "DWToEF", "DWStepEF", &SweepFormTexts::Wheel},
};

struct ResultRow {
    const char* caption;
    const char* captionName;
    const char* name;
};

const ResultRow kResults[] = {
    {"Best Time to 15 ft", "BestTimeLabel", "BestYet"},
    {"at Spring Width = ", "BestSWLabel", "BestSWYet"},
    {"Spring Length = ", "BestSLLabel", "BestSLYet"},
    {"Drive Wheel Diameter = ", "BestDWLabel", "BestDWYet"},
};

QLabel* namedLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* namedButton(const char* name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TPDWin::TPDWin(ParameterEntry& entry, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_session(entry.session())
    , m_entry(entry)
{
    setObjectName(QStringLiteral("PDWin"));
    setWindowTitle(QStringLiteral("Power Designer"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);

    auto* ranges = new QGridLayout;
    ranges->setHorizontalSpacing(8);
    const char* headings[] = {"From", "To", "Step"};
    for (int c = 0; c < 3; ++c)
        ranges->addWidget(new QLabel(QString::fromLatin1(headings[c])), 0, c + 1, Qt::AlignHCenter);
    const SweepFormTexts initial;
    for (int r = 0; r < 3; ++r) {
        const RangeRow& row = kRows[r];
        const SweepRangeTexts& texts = initial.*row.range;
        ranges->addWidget(namedLabel(row.labelName, QString::fromLatin1(row.label)), r + 1, 0);
        RangeFields& fields = m_ranges[r];
        fields = {addField(row.from, texts.From), addField(row.to, texts.To), addField(row.step, texts.Step)};
        ranges->addWidget(fields.From, r + 1, 1);
        ranges->addWidget(fields.To, r + 1, 2);
        ranges->addWidget(fields.Step, r + 1, 3);
    }
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addLayout(ranges);
    rangeRow->addStretch(1);
    column->addLayout(rangeRow);

    // The best values, and beside them the map of every combination tried.
    auto* results = new QGridLayout;
    for (int r = 0; r < 4; ++r) {
        const ResultRow& row = kResults[r];
        QLabel* caption = namedLabel(row.captionName, QString::fromLatin1(row.caption));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        results->addWidget(caption, r, 0);
        m_best[r] = addResult(row.name);
        results->addWidget(m_best[r], r, 1);
    }
    m_progress = namedLabel("SweepProgressLabel", QString());
    m_progress->setWordWrap(true);
    auto* resultColumn = new QVBoxLayout;
    resultColumn->addLayout(results);
    resultColumn->addWidget(m_progress);
    resultColumn->addStretch(1);
    m_map = new SweepMapView(this);
    auto* beside = new QHBoxLayout;
    beside->addLayout(resultColumn);
    beside->addWidget(m_map, 1);
    column->addLayout(beside, 1);

    auto* buttons = new QHBoxLayout;
    m_goBtn = namedButton("PDGoBtn", QStringLiteral("GO"));
    QPushButton* stop = namedButton("Button1", QStringLiteral("STOP"));
    m_useBestBtn = namedButton("UseBestBtn", QStringLiteral("Use best"));
    m_useBestBtn->setToolTip(QStringLiteral("Type the best combination into the design and apply it"));
    m_useBestBtn->setEnabled(false);
    m_exportBtn = namedButton("SweepExportBtn", QStringLiteral("Export CSV..."));
    m_exportBtn->setToolTip(QStringLiteral("Every combination of the last sweep with its time to 15 ft"));
    m_exportBtn->setEnabled(false);
    QPushButton* cancel = namedButton("PDCancelBtn", QStringLiteral("Cancel"));
    for (QPushButton* b : {m_goBtn, stop, m_useBestBtn, m_exportBtn, cancel})
        buttons->addWidget(b);
    column->addLayout(buttons);

    connect(m_goBtn, &QPushButton::clicked, this, &TPDWin::PDGoBtnClick);
    connect(stop, &QPushButton::clicked, this, &TPDWin::Button1Click);
    connect(m_useBestBtn, &QPushButton::clicked, this, &TPDWin::UseBestBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TPDWin::PDCancelBtnClick);
    connect(m_exportBtn, &QPushButton::clicked, this, &TPDWin::SweepExportBtnClick);

    resize(920, 540);

    m_stepper = new QTimer(this);
    m_stepper->setInterval(0);
    // Each turn of the event loop runs combinations for a few milliseconds.
    connect(m_stepper, &QTimer::timeout, this, [this] {
        QElapsedTimer turn;
        turn.start();
        while (SweepStep() && turn.elapsed() < kTurnMilliseconds) {
        }
    });
}

QLineEdit* TPDWin::addField(const char* name, const QString& text)
{
    auto* field = new QLineEdit(text);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(80);
    return field;
}

QLabel* TPDWin::addResult(const char* name)
{
    QLabel* label = namedLabel(name, QStringLiteral("-"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    // Room for a whole time text beside the map.
    QFont bold = label->font();
    bold.setBold(true);
    label->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(QStringLiteral("0.000000000000000")) + 4);
    return label;
}

SweepFormTexts TPDWin::formTexts() const
{
    SweepFormTexts texts;
    for (std::size_t r = 0; r < m_ranges.size(); ++r) {
        const RangeFields& fields = m_ranges[r];
        texts.*kRows[r].range = {fields.From->text(), fields.To->text(), fields.Step->text()};
    }
    return texts;
}

void TPDWin::PDGoBtnClick()
{
    if (m_sweep)
        return; // one sweep at a time
    const SweepCheck check = checkSweepForm(formTexts());
    if (!check.Plan) {
        m_session.prompter().message(kTryAgainTitle, check.Message);
        return;
    }
    const double count = combinationCount(*check.Plan);
    if (count > kConfirmAbove && !confirmLargeSweep(count))
        return;
    m_tried.clear();
    m_exportBtn->setEnabled(false);
    m_offered.reset();
    m_useBestBtn->setEnabled(false);
    m_goBtn->setEnabled(false);
    m_sweep.emplace(m_session.design(), m_session.materials(), *check.Plan);
    m_map->startSweep(*check.Plan);
    showProgress();
    m_stepper->start();
    emit sweepStarted();
}

// A sweep that would run for hours is only started when the student says so.
bool TPDWin::confirmLargeSweep(double combinations)
{
    const QString question = QStringLiteral("These ranges give %1 combinations, and each one is a whole simulation, "
                                            "so the sweep may take a very long time. Run it anyway?")
                                 .arg(QString::number(combinations, 'f', 0));
    return m_session.prompter().confirm(QStringLiteral("Power Designer"), question) == Answer::Yes;
}

bool TPDWin::SweepStep()
{
    if (!m_sweep)
        return false;
    if (!m_sweep->runNext()) {
        finishSweep();
        return false;
    }
    m_tried.push_back(m_sweep->lastWritten());
    m_map->follow(m_sweep->trials());
    if (m_sweep->lastImproved())
        showBest(m_sweep->best()); // at once, while the sweep goes on
    showProgress();
    return true;
}

void TPDWin::showBest(const SweepBest& best)
{
    m_best[0]->setText(best.Time);
    m_best[1]->setText(best.Combination.Width);
    m_best[2]->setText(best.Combination.Length);
    m_best[3]->setText(best.Combination.Wheel);
}

void TPDWin::showProgress()
{
    if (!m_sweep)
        return;
    const QString total = QString::number(m_sweep->total(), 'f', 0);
    if (m_sweep->done())
        m_progress->setText(QStringLiteral("%1 of %2 combinations tried.").arg(m_sweep->tried()).arg(total));
    else
        m_progress->setText(QStringLiteral("Trying combination %1 of %2 ...").arg(m_sweep->tried() + 1).arg(total));
}

// Finished or stopped: the design was never touched, so the student's texts are
// still there; the main window shows them again and the best can be taken over.
void TPDWin::finishSweep()
{
    m_stepper->stop();
    showProgress();
    m_map->follow(m_sweep->trials());
    m_map->endSweep();
    if (m_sweep->best().found())
        m_offered = m_sweep->best().Combination;
    m_sweep.reset();
    m_goBtn->setEnabled(true);
    m_useBestBtn->setEnabled(m_offered.has_value());
    m_exportBtn->setEnabled(!trials().empty());
    emit sweepFinished();
    emit sweepEnded();
}

void TPDWin::Button1Click()
{
    if (m_sweep)
        m_sweep->stop();
}

void TPDWin::PDCancelBtnClick()
{
    if (m_sweep) {
        m_sweep->stop();
        finishSweep();
    }
    hide();
}

void TPDWin::UseBestBtnClick()
{
    if (!m_offered || m_sweep)
        return;
    const EditStep step(m_session, QStringLiteral("Use best"));
    typeAndApply(m_entry, {{18, m_offered->Wheel}, {15, m_offered->Length}, {14, m_offered->Width}});
    emit sweepEnded();
}

} // namespace brisko::gui

namespace brisko::gui {

// The map keeps the trials it charts; the CSV file writes the same ones.
const std::vector<SweepTrial>& TPDWin::trials() const
{
    return m_map->trials();
}

void TPDWin::SweepExportBtnClick()
{
    if (m_sweep || trials().empty())
        return;
    const ChartCsvRequest request{QStringLiteral("Export Power Sweep"), QStringLiteral("Power sweep.csv"),
                                  QStringLiteral("Sweep")};
    exportChartCsv(m_session, request, sweepCsv(trials()));
}

} // namespace brisko::gui
