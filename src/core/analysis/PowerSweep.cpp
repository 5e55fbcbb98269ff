#include "analysis/PowerSweep.h"

#include "analysis/FigureSheet.h"
#include "analysis/VirtualPrototype.h"
#include "text/NumberText.h"

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
    return figuresOf(prototype).Records.Time;
}

PowerSweep::PowerSweep(const CarDesign& design, const MaterialLibrary& materials, const SweepPlan& plan)
    : m_design(design)
    , m_materials(materials)
    , m_widths(sweepValues(plan.Width))
    , m_lengths(sweepValues(plan.Length))
    , m_wheels(sweepValues(plan.Wheel))
    , m_total(combinationCount(plan))
{
}

bool PowerSweep::done() const
{
    return m_stopped || m_d >= m_wheels.size() || m_lengths.empty() || m_widths.empty();
}

bool PowerSweep::runNext()
{
    if (done())
        return false;
    // Each loop writes its text when it moves on; a text the sizing corrected stays
    // corrected until its own loop writes the next value.
    if (m_w == 0 && m_l == 0)
        m_design.DriveWheelDiameter = numberText(m_wheels[m_d]);
    if (m_w == 0)
        m_design.SpringLength = numberText(m_lengths[m_l]);
    m_design.SpringWidth = numberText(m_widths[m_w]);
    m_written = {m_design.SpringWidth, m_design.SpringLength, m_design.DriveWheelDiameter};
    m_lastTime = sweepTimeText(m_design, m_materials);
    m_last = {m_design.SpringWidth, m_design.SpringLength, m_design.DriveWheelDiameter};
    ++m_tried;
    m_trials.push_back({m_last, m_lastTime});
    m_lastImproved = beatsBest(m_lastTime, m_best);
    if (m_lastImproved)
        m_best = {m_lastTime, m_last};
    if (++m_w == m_widths.size()) {
        m_w = 0;
        if (++m_l == m_lengths.size()) {
            m_l = 0;
            ++m_d;
        }
    }
    return true;
}

} // namespace brisko
