#pragma once
// The power designer's brute-force search: every combination of spring width,
// spring length and drive wheel diameter on a grid, the drive wheel outermost and
// the spring width innermost, keeping the shortest time to 15 ft.
#include "analysis/VirtualPrototype.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace brisko {

// The typed texts of one parameter's range.
struct SweepRangeTexts {
    QString From, To, Step;
};

// The power designer's nine fields; they start with the form's initial texts.
struct SweepFormTexts {
    SweepRangeTexts Width{QStringLiteral("1.5"), QStringLiteral("1.5"), QStringLiteral("1.5")};
    SweepRangeTexts Length{QStringLiteral("36"), QStringLiteral("36"), QStringLiteral("4")};
    SweepRangeTexts Wheel{QStringLiteral("4"), QStringLiteral("7.5"), QStringLiteral("0.5")};
};

struct SweepRange {
    float From = 0, To = 0, Step = 0;
};

struct SweepPlan {
    SweepRange Width, Length, Wheel;
};

// The nine fields checked in their order, then the ranges: the plan, or the
// message of the first test that fails.
struct SweepCheck {
    std::optional<SweepPlan> Plan;
    QString Message;
};
SweepCheck checkSweepForm(const SweepFormTexts& form);

// The values one loop tries: from, from + step, ... up to the first value that is
// not below to, each reached by adding the step in single precision to from − step.
std::vector<float> sweepValues(const SweepRange& range);
// How many combinations the plan tries when it is not stopped.
double combinationCount(const SweepPlan& plan);
// The trials a list makes room for at a sweep's start, so that it never moves while
// the sweep runs (moving a million trials held the window for a tenth of a second):
// every combination, up to four million.
std::size_t trialRoom(double combinations);

// A combination as the dimension fields show it.
struct SweepCombination {
    QString Width, Length, Wheel;
};

// A combination as it ran (the texts after the sizing's corrections) and the text
// of its time field.
struct SweepTrial {
    SweepCombination Combination;
    QString Time;
};

// The best combination so far; the time starts as "99999".
struct SweepBest {
    QString Time = QStringLiteral("99999");
    SweepCombination Combination;
    bool found() const { return Time != QStringLiteral("99999"); }
};

// Whether a time text counts for the best: the car reached 15 ft (the text is not
// empty and does not begin with "[") and beat the best time so far.
bool beatsBest(const QString& timeText, const SweepBest& best);

// The text of the time field (TimeEF) after the one Dynamic refresh of the design
// with these texts, read from its figure sheet. The design keeps the texts as the
// refresh corrected them.
QString sweepTimeText(CarDesign& design, const MaterialLibrary& materials);

// One sweep over a working copy of a design, one combination per call, so that a
// window can answer between combinations. The design it was given stays untouched.
// The combinations run ahead in short batches on every core, each on its own
// prototype, and are handed out in order: the results, their order and the best
// are those of running them one after the other.
class PowerSweep {
public:
    PowerSweep(const CarDesign& design, const MaterialLibrary& materials, const SweepPlan& plan);

    // Runs the next combination: false once every combination has run or after stop().
    bool runNext();
    void stop() { m_stopped = true; }
    bool done() const;

    int tried() const { return m_tried; }
    double total() const { return m_total; }
    // The texts the last combination wrote into the design, the texts after the
    // refresh (the sizing may have corrected the wheel and the width) and its time.
    const SweepCombination& lastWritten() const { return m_written; }
    const SweepCombination& last() const { return m_last; }
    const QString& lastTime() const { return m_lastTime; }
    const SweepBest& best() const { return m_best; }
    // Every combination run so far, in order.
    const std::vector<SweepTrial>& trials() const { return m_trials; }
    // The combination last tried became the best.
    bool lastImproved() const { return m_lastImproved; }

private:
    // The indexes of the combination after (w, l, d): widths turn fastest, then
    // lengths, then wheels.
    void stepIndexes(std::size_t& w, std::size_t& l, std::size_t& d) const;
    // A combination run ahead: the design it ran on, the design as its refresh
    // left it, and its time.
    struct Ahead {
        CarDesign Input;
        CarDesign After;
        QString Time;
    };
    // Writes the texts of the combination at (w, l, d) as the loops write them.
    void writeCombination(CarDesign& design, std::size_t w, std::size_t l, std::size_t d) const;
    void runAhead();

    CarDesign m_design;
    const MaterialLibrary& m_materials;
    std::vector<float> m_widths, m_lengths, m_wheels;
    std::vector<QString> m_widthTexts, m_lengthTexts, m_wheelTexts;
    std::size_t m_w = 0, m_l = 0, m_d = 0; // the next combination's indexes
    int m_tried = 0;
    double m_total = 0;
    bool m_stopped = false;
    bool m_lastImproved = false;
    SweepCombination m_written;
    SweepCombination m_last;
    QString m_lastTime;
    SweepBest m_best;
    std::vector<SweepTrial> m_trials;
    std::vector<Ahead> m_ahead;
    std::size_t m_aheadNext = 0;
    std::size_t m_batch = 0; // how many combinations the next batch runs
    // Each worker's regions of its last combinations, kept from batch to batch.
    std::vector<std::vector<VirtualPrototype::BuiltRegions>> m_regions;
};

} // namespace brisko
