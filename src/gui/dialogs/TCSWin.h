#pragma once
// "Class Standings" (`CSWin`), a window beside the main window: a folder of design
// files analysed in the background and ranked in a sortable table with the chart of
// the ranked times beside it, exported as CSV, printed, and its sixteen best raced in
// the main window.
#include "dialogs/StandingsModel.h"
#include "session/Session.h"

#include <QDialog>
#include <QFutureWatcher>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace brisko::gui {

class StandingsChartView;

inline constexpr int kClassRaceLanes = 16;

class TCSWin : public QDialog {
    Q_OBJECT
public:
    explicit TCSWin(Session& session, QWidget* parent = nullptr);
    ~TCSWin() override;

    // How each file is analysed, on a worker thread; tests may hold files back.
    std::function<StandingRow(const QString&)> analyseFile = analyseDesignFile;
    // Races the given design-list positions in the main window.
    std::function<void(const QVector<int>& positions)> raceLanes;

    // Shows the window without blocking, in front.
    void showWindow();

    void FolderBtnClick();
    void CancelBtnClick();
    void ExportBtnClick();
    void PrintBtnClick();
    void RaceBtnClick();

    // Starts the analysis of the files; refused while one runs.
    bool analyse(const QStringList& files, const QString& folder);
    bool isAnalysing() const { return m_analysing; }
    const ClassStandings& standings() const { return m_model.standings(); }
    StandingsChartView* chart() const { return m_chart; }
    // Chooses the design at that position of the standings in the table.
    void chooseRow(int position);

signals:
    void analysisFinished();

private:
    void buildWindow();
    void rowArrived(int index);
    void analysisEnded();
    void showControls();
    void showDetails();
    QString defaultFolder() const;

    Session& m_session;
    StandingsModel m_model;
    QSortFilterProxyModel* m_sorted = nullptr;
    QThreadPool m_pool; // the analysis's own threads: painting borrows Qt's global pool
    QFutureWatcher<StandingRow> m_watcher;
    QString m_folder;
    bool m_analysing = false; // from the start until the last row has been received
    QTableView* m_table = nullptr;
    StandingsChartView* m_chart = nullptr; // the ranked times beside the table
    QPlainTextEdit* m_details = nullptr; // the chosen row, or the refused files, in full
    QProgressBar* m_progress = nullptr;
    QLabel* m_folderLabel = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_folderBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QPushButton* m_exportBtn = nullptr;
    QPushButton* m_printBtn = nullptr;
    QPushButton* m_raceBtn = nullptr;
};

} // namespace brisko::gui
