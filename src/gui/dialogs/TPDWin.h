#pragma once
// The Power Designer `PDWin`: the ranges of spring width, spring length and drive
// wheel diameter to sweep, the best combination found, GO, STOP, Use best and
// Cancel, and beside the best values a map of the time of every combination tried,
// filled in as the sweep goes on. The sweep runs on a copy of the design,
// combinations for a few milliseconds per turn of the event loop, so the window
// answers (STOP, repaints) between them and the student's own design is never
// changed by it.
#include "analysis/PowerSweep.h"

#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace brisko {
class ParameterEntry;
class Session;
} // namespace brisko

namespace brisko::gui {

class SweepMapView;

class TPDWin : public QWidget {
    Q_OBJECT
public:
    TPDWin(ParameterEntry& entry, QWidget* parent);

    void PDGoBtnClick();
    void Button1Click(); // STOP
    void PDCancelBtnClick();
    void UseBestBtnClick();
    // Every combination of the last sweep with its time, as a CSV file.
    void SweepExportBtnClick();

    // Runs the next combination of the running sweep; false once the sweep is over.
    bool SweepStep();
    bool isSweeping() const { return m_sweep.has_value(); }
    // The combinations tried by the running or the last sweep, in order.
    const std::vector<SweepCombination>& triedCombinations() const { return m_tried; }
    // The combinations as they ran, with their times.
    const std::vector<SweepTrial>& trials() const;
    SweepMapView* sweepMap() const { return m_map; }

signals:
    // GO started a sweep (Undo waits for its end).
    void sweepStarted();
    // The sweep ran to its end or was stopped: the window refreshes its state (the
    // sweep's own refreshes drew nothing).
    void sweepFinished();
    // After a sweep, and after Use best, the main window shows the design again.
    void sweepEnded();

private:
    QLineEdit* addField(const char* name, const QString& text);
    QLabel* addResult(const char* name);
    SweepFormTexts formTexts() const;
    bool confirmLargeSweep(double combinations);
    void showBest(const SweepBest& best);
    void showProgress();
    void finishSweep();

    Session& m_session;
    ParameterEntry& m_entry;
    QTimer* m_stepper = nullptr;
    std::optional<PowerSweep> m_sweep;
    std::vector<SweepCombination> m_tried;
    std::optional<SweepCombination> m_offered; // the best of the last sweep, for Use best
    struct RangeFields {
        QLineEdit* From = nullptr;
        QLineEdit* To = nullptr;
        QLineEdit* Step = nullptr;
    };
    std::array<RangeFields, 3> m_ranges; // spring width, spring length, drive wheel
    std::array<QLabel*, 4> m_best{};      // `BestYet`, `BestSWYet`, `BestSLYet`, `BestDWYet`
    QLabel* m_progress = nullptr;
    QPushButton* m_goBtn = nullptr;
    QPushButton* m_useBestBtn = nullptr;
    QPushButton* m_exportBtn = nullptr;
    SweepMapView* m_map = nullptr; // the time of every combination tried, the best marked
};

} // namespace brisko::gui
