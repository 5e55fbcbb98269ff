#include "analysis/PowerSweep.h"

#include "analysis/ChamberSizing.h"
#include "analysis/FigureSheet.h"
#include "analysis/VirtualPrototype.h"
#include "text/NumberText.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <cstring>

namespace brisko {

namespace {

struct FieldTest {
    const QString* text;
    double low;
    bool lowIncluded;
    double high;
    const char* message;
};

// A field's single-precision value against its bounds; a text that is not a number
// fails. The comparison is made with the widened value, so 0.1 passes "above 0.1"
// tests (0.1 in single precision lies just above it) and 0.01 fails "above 0.01".
std::optional<float> passes(const FieldTest& test)
{
    const std::optional<float> value = toSingle(*test.text);
    if (!value)
        return std::nullopt;
    const double v = *value;
    const bool aboveLow = test.lowIncluded ? v >= test.low : v > test.low;
    if (aboveLow && v <= test.high)
        return value;
    return std::nullopt;
}

const char* const kRangeMessage = "All ending values must be greater than their corresponding starting values.  "
                                  "Please double-check all of the ranges. ";

} // namespace

SweepCheck checkSweepForm(const SweepFormTexts& form)
{
    const FieldTest tests[] = {
        {&form.Width.From, 0.1, true, 6,
         "The starting spring width must be positive, greater than 0.1 inch, and not more than 6 inches. "},
        {&form.Width.To, 0.1, true, 6,
         "The ending spring width must be positive, not less than 0.1 inch, and not more than 6 inches. "},
        {&form.Width.Step, 0.01, false, 6,
         "The spring width step size must be positive, greater than 0.01 inch, and not more than 6 inches. "},
        {&form.Length.From, 1, true, 240,
         "The starting spring length must be positive, no less than 1 inch, and not more than 240 inches. "},
        {&form.Length.To, 1, true, 240,
         "The ending spring length must be positive, not less than 1 inch, and not more than 240 inches. "},
        {&form.Length.Step, 0.01, false, 120,
         "The spring length step size must be positive, greater than 0.01 inch, and not more than 120 inches. "},
        {&form.Wheel.From, 0.1, true, 7.5,
         "The starting drive wheel diameter must be positive, greater than 0.1 inch, and not more than 7.5 inches. "},
        {&form.Wheel.To, 0.1, true, 7.5,
         "The ending drive wheel diameter must be positive, not less than 0.1 inch, and not more than 7.5 inches. "},
        {&form.Wheel.Step, 0.01, false, 7.5,
         "The drive wheel diameter step size must be positive, greater than 0.01 inch, and not more than 7.5 "
         "inches. "},
    };
    float values[9];
    for (int i = 0; i < 9; ++i) {
        const std::optional<float> value = passes(tests[i]);
        if (!value)
            return {std::nullopt, QString::fromLatin1(tests[i].message)};
        values[i] = *value;
    }
    const SweepPlan plan{{values[0], values[1], values[2]}, {values[3], values[4], values[5]},
                         {values[6], values[7], values[8]}};
    for (const SweepRange& r : {plan.Width, plan.Length, plan.Wheel})
        if (r.To - r.From < 0.0f)
            return {std::nullopt, QString::fromLatin1(kRangeMessage)};
    return {plan, QString()};
}

std::vector<float> sweepValues(const SweepRange& range)
{
    std::vector<float> values;
    float value = range.From - range.Step;
    while (value < range.To) {
        const float next = value + range.Step;
        if (!(next > value))
            break; // a step too small to move the value any more
        value = next;
        values.push_back(value);
    }
    return values;
}

double combinationCount(const SweepPlan& plan)
{
    return static_cast<double>(sweepValues(plan.Width).size()) * static_cast<double>(sweepValues(plan.Length).size())
        * static_cast<double>(sweepValues(plan.Wheel).size());
}

bool beatsBest(const QString& timeText, const SweepBest& best)
{
    if (timeText.isEmpty() || timeText.startsWith(QLatin1Char('[')))
        return false;
    const std::optional<double> time = toDouble(timeText);
    const std::optional<double> bestTime = toDouble(best.Time);
    return time && bestTime && *time < *bestTime;
}

QString sweepTimeText(CarDesign& design, const MaterialLibrary& materials)
{
    VirtualPrototype prototype(design, materials);
    prototype.refresh(ProcessState::Dynamic, silentObserver(), kNoFrame);
    return timeFieldText(prototype);
}

namespace {

std::vector<QString> textsOf(const std::vector<float>& values)
{
    std::vector<QString> texts;
    texts.reserve(values.size());
    for (float v : values)
        texts.push_back(numberText(v));
    return texts;
}

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameWeight(const AddedWeight& a, const AddedWeight& b)
{
    return a.X == b.X && a.Y == b.Y && sameBits(a.Mass, b.Mass);
}

bool sameOutline(const BodyOutline& a, const BodyOutline& b)
{
    return a.points() == b.points() && a.printerPoints() == b.printerPoints() && a.printerScale() == b.printerScale();
}

// Whether a combination ran ahead on exactly the design it would have met in turn.
bool sameDesign(const CarDesign& a, const CarDesign& b)
{
    if (!(a.SpringWidth == b.SpringWidth && a.SpringLength == b.SpringLength
          && a.DriveAxleDiameter == b.DriveAxleDiameter && a.DriveWheelDiameter == b.DriveWheelDiameter
          && a.OtherWheelDiameter == b.OtherWheelDiameter && a.OtherAxleDiameter == b.OtherAxleDiameter
          && a.DriveAxleLength == b.DriveAxleLength && a.OtherAxleLength == b.OtherAxleLength && a.Drive == b.Drive
          && sameBits(a.FrontAxle.XUnits, b.FrontAxle.XUnits) && sameBits(a.FrontAxle.YUnits, b.FrontAxle.YUnits)
          && sameBits(a.FrontAxle.XInches, b.FrontAxle.XInches) && sameBits(a.FrontAxle.YInches, b.FrontAxle.YInches)
          && sameOutline(a.OuterOutline, b.OuterOutline) && sameOutline(a.InnerOutline, b.InnerOutline)
          && a.Materials == b.Materials && a.CaseRatio == b.CaseRatio && a.FrictionForce == b.FrictionForce
          && a.Chamber == b.Chamber && a.ElementStepSize == b.ElementStepSize
          && a.KeptOtherWheelDiameter == b.KeptOtherWheelDiameter))
        return false;
    for (std::size_t i = 0; i < a.Weights.size(); ++i)
        if (!sameWeight(a.Weights[i], b.Weights[i]))
            return false;
    return true;
}

// What a refresh is expected to leave of a design's texts: the sizing's corrections
// and the inner outline that follows the outer one. A batch guesses each
// combination's design from its predecessor's this way and checks the guess once
// the predecessor has run.
void expectRefreshWrites(CarDesign& design, const MaterialLibrary& materials)
{
    MassModel mass;
    sizeChamberAndLayers(design, materials, mass);
    if (design.InnerOutline.count() < 2 && design.OuterOutline.count() >= 2)
        design.InnerOutline = design.OuterOutline;
}

// One pool for every sweep, kept so that its threads keep their regions between
// batches. The calling thread runs combinations too.
QThreadPool& sweepPool()
{
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *pool;
}

// A batch takes about this long, so a window answers STOP and repaints in time.
constexpr qint64 kBatchNanoseconds = 20'000'000;
constexpr std::size_t kLargestBatch = 4096;
// Each worker keeps the regions of this many designs (a few MB): those of the lengths
// of one wheel's loop, when the sizing gives every wheel the chamber's size.
constexpr std::size_t kKeptRegions = 16;

} // namespace

std::size_t trialRoom(double combinations)
{
    return static_cast<std::size_t>(std::clamp(combinations, 0.0, 4'000'000.0));
}

PowerSweep::PowerSweep(const CarDesign& design, const MaterialLibrary& materials, const SweepPlan& plan)
    : m_design(design)
    , m_materials(materials)
    , m_widths(sweepValues(plan.Width))
    , m_lengths(sweepValues(plan.Length))
    , m_wheels(sweepValues(plan.Wheel))
    , m_widthTexts(textsOf(m_widths))
    , m_lengthTexts(textsOf(m_lengths))
    , m_wheelTexts(textsOf(m_wheels))
    , m_total(combinationCount(plan))
{
    m_trials.reserve(trialRoom(m_total));
}

bool PowerSweep::done() const
{
    return m_stopped || m_d >= m_wheels.size() || m_lengths.empty() || m_widths.empty();
}

void PowerSweep::writeCombination(CarDesign& design, std::size_t w, std::size_t l, std::size_t d) const
{
    // Each loop writes its text when it moves on; a text the sizing corrected stays
    // corrected until its own loop writes the next value.
    if (w == 0 && l == 0)
        design.DriveWheelDiameter = m_wheelTexts[d];
    if (w == 0)
        design.SpringLength = m_lengthTexts[l];
    design.SpringWidth = m_widthTexts[w];
}

void PowerSweep::stepIndexes(std::size_t& w, std::size_t& l, std::size_t& d) const
{
    if (++w < m_widths.size())
        return;
    w = 0;
    if (++l < m_lengths.size())
        return;
    l = 0;
    ++d;
}

void PowerSweep::runAhead()
{
    const int threads = sweepPool().maxThreadCount() + 1;
    if (m_batch == 0)
        m_batch = static_cast<std::size_t>(2 * threads);
    m_ahead.clear();
    m_aheadNext = 0;
    CarDesign next = m_design;
    std::size_t w = m_w, l = m_l, d = m_d;
    while (m_ahead.size() < m_batch && d < m_wheels.size()) {
        writeCombination(next, w, l, d);
        m_ahead.push_back({next, CarDesign(), QString()});
        expectRefreshWrites(next, m_materials);
        stepIndexes(w, l, d);
    }

    QElapsedTimer clock;
    clock.start();
    // The batch is handed out in pieces of neighbouring combinations that share the
    // spring length and the wheel (only the width, which no region reads, changes
    // within one), so that each worker builds a piece's regions once and hands them
    // from combination to combination. A long piece is cut so that every core works.
    const std::size_t count = m_ahead.size();
    const std::size_t longest = std::max<std::size_t>(1, (count + 2 * threads - 1) / (2 * threads));
    std::vector<std::size_t> pieces{0};
    for (std::size_t i = 1; i < count; ++i)
        if ((m_w + i) % m_widths.size() == 0 || i - pieces.back() >= longest)
            pieces.push_back(i);
    pieces.push_back(count);
    if (m_regions.size() < static_cast<std::size_t>(threads))
        m_regions.resize(static_cast<std::size_t>(threads));
    std::atomic<std::size_t> nextPiece{0};
    auto work = [this, &nextPiece, &pieces](std::size_t worker) {
        std::vector<VirtualPrototype::BuiltRegions>& kept = m_regions[worker];
        for (std::size_t k; (k = nextPiece.fetch_add(1)) + 1 < pieces.size();) {
            for (std::size_t i = pieces[k]; i < pieces[k + 1]; ++i) {
                Ahead& a = m_ahead[i];
                a.After = a.Input;
                VirtualPrototype prototype(a.After, m_materials);
                prototype.offerRegions(&kept);
                prototype.refresh(ProcessState::Dynamic, silentObserver(), kNoFrame);
                a.Time = timeFieldText(prototype);
                // The regions used last come first; the longest unused leave.
                kept.insert(kept.begin(), prototype.takeRegions());
                if (kept.size() > kKeptRegions)
                    kept.pop_back();
            }
        }
    };
    const int helpers = static_cast<int>(std::min<std::size_t>(threads - 1, pieces.size() - 2));
    QSemaphore finished;
    for (int h = 0; h < helpers; ++h)
        sweepPool().start([&work, &finished, h] {
            work(static_cast<std::size_t>(h) + 1);
            finished.release();
        });
    work(0);
    finished.acquire(helpers);

    // Batches of about the same time whatever a combination costs.
    const qint64 elapsed = std::max<qint64>(clock.nsecsElapsed(), 1);
    const double scale = static_cast<double>(kBatchNanoseconds) / static_cast<double>(elapsed);
    const double wanted = static_cast<double>(m_ahead.size()) * std::clamp(scale, 0.5, 2.0);
    m_batch = std::clamp<std::size_t>(static_cast<std::size_t>(wanted), static_cast<std::size_t>(threads),
                                      kLargestBatch);

    // Keep the combinations up to the first whose design was guessed wrong: the
    // next batch starts from its predecessor's real result.
    for (std::size_t i = 1; i < m_ahead.size(); ++i) {
        // The indexes of combination i, counted on from the batch's first.
        const std::size_t widths = m_w + i;
        const std::size_t lengths = m_l + widths / m_widths.size();
        CarDesign met = m_ahead[i - 1].After;
        writeCombination(met, widths % m_widths.size(), lengths % m_lengths.size(), m_d + lengths / m_lengths.size());
        if (!sameDesign(met, m_ahead[i].Input)) {
            m_ahead.resize(i);
            break;
        }
    }
}

bool PowerSweep::runNext()
{
    if (done())
        return false;
    if (m_aheadNext == m_ahead.size())
        runAhead();
    Ahead& a = m_ahead[m_aheadNext++];
    m_written = {a.Input.SpringWidth, a.Input.SpringLength, a.Input.DriveWheelDiameter};
    m_design = std::move(a.After);
    m_lastTime = std::move(a.Time);
    m_last = {m_design.SpringWidth, m_design.SpringLength, m_design.DriveWheelDiameter};
    ++m_tried;
    m_trials.push_back({m_last, m_lastTime});
    m_lastImproved = beatsBest(m_lastTime, m_best);
    if (m_lastImproved)
        m_best = {m_lastTime, m_last};
    stepIndexes(m_w, m_l, m_d);
    return true;
}

} // namespace brisko
