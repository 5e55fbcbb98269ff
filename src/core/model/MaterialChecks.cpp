#include "model/MaterialChecks.h"

#include "model/ValueBounds.h"
#include "text/NumberText.h"

#include <algorithm>

namespace brisko {

namespace {

// Two captions are in use: with and without the full stop.
const QString kTryAgain = QStringLiteral("Please try again");
const QString kTryAgainStop = QStringLiteral("Please try again.");

struct Check {
    bool passed;
    const char* message;
    const QString& caption;
};

std::optional<MaterialRefusal> firstFailure(std::initializer_list<Check> checks)
{
    for (const Check& check : checks)
        if (!check.passed)
            return MaterialRefusal{QString::fromLatin1(check.message), check.caption};
    return std::nullopt;
}

// Design files hold a name as one line of single-byte text: a line break, a tab or
// another control character, or a character beyond that set, would not come back
// from the file as it was typed.
bool writableName(const QString& name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x20 && u != 0x7f && u <= 0xff && !(u >= 0x80 && u < 0xa0);
    });
}

constexpr const char* kNameNotWritable = "A material name must be one line of plain text: no line breaks, tabs or "
                                         "other control characters, and only Latin-1 letters and signs.";

bool isUnmeasured(const QString& text)
{
    return text.trimmed().isEmpty();
}

// "1 revolution", "2 revolutions".
QString revolutionsText(int revolutions)
{
    return revolutions == 1 ? QStringLiteral("1 revolution") : QStringLiteral("%1 revolutions").arg(revolutions);
}

// A number outside the range: which row, and what it may hold.
MaterialRefusal furtherTorqueOutOfRange(int entry)
{
    // The grid row that holds the entry is labelled with its revolutions.
    return MaterialRefusal{
        QStringLiteral("The torque at %1 unwound (row \"%2\" of the torque curve) is not valid: "
                       "it must be a number from 0 to 10 lb-inches. Leave the cell empty, or type 0, "
                       "where no torque was measured.")
            .arg(revolutionsText(entry))
            .arg(entry),
        kTryAgain};
}

// Every text that is not a number is refused first, with one message for all.
std::optional<MaterialRefusal> checkFurtherTorques(const SpringMaterial& spring)
{
    const auto further = [&](auto refused) {
        for (int entry = 1; entry < kTorqueCurveEntries; ++entry)
            if (const QString& text = spring.TorqueCurve[entry]; !isUnmeasured(text) && refused(text))
                return entry;
        return 0;
    };
    if (further([](const QString& text) { return !toDouble(text); }))
        return MaterialRefusal{QStringLiteral("All torque values must be positive, greater than zero, and no more "
                                              "than 3 lb-inches -- some values are not valid."),
                               kTryAgain};
    if (const int entry = further([](const QString& text) { return !bounds::FurtherTorque.accepts(text); }))
        return furtherTorqueOutOfRange(entry);
    return std::nullopt;
}

} // namespace

std::optional<MaterialRefusal> checkBoard(const BoardMaterial& b)
{
    return firstFailure({
        {!b.Name.isEmpty(), "Please enter a name for this board.", kTryAgain},
        {writableName(b.Name), kNameNotWritable, kTryAgain},
        {bounds::BoardThickness.accepts(b.Thickness),
         "The thickness must be positive, greater than 0.05 inches, and less than 6 inches. ", kTryAgainStop},
        {bounds::BoardDensity.accepts(b.Density),
         "The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch.",
         kTryAgain},
    });
}

std::optional<MaterialRefusal> checkAxle(const AxleMaterial& a)
{
    return firstFailure({
        {!a.Name.isEmpty(), "Please enter a name for this axle material.", kTryAgain},
        {writableName(a.Name), kNameNotWritable, kTryAgain},
        {bounds::AxleDensity.accepts(a.Density),
         "The axle density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch. ",
         kTryAgainStop},
    });
}

std::optional<MaterialRefusal> checkSpring(const SpringMaterial& s)
{
    if (auto failure = firstFailure({
            {!s.Name.isEmpty(), "Please enter a name for this spring material.", kTryAgain},
        {writableName(s.Name), kNameNotWritable, kTryAgain},
            {bounds::SpringThickness.accepts(s.Thickness),
             "The thickness must be positive, greater than zero, and no more than 0.125 inches. ", kTryAgainStop},
            {bounds::SpringDensity.accepts(s.Density),
             "The density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch.",
             kTryAgain},
            {bounds::SpringSampleWidth.accepts(s.SampleWidth),
             "The width of your test sample must be positive, greater than zero, and no more than 6 inches.",
             kTryAgain},
            {bounds::MaximumTorque.accepts(s.TorqueCurve[0]),
             "The maximum torque must be positive, greater than zero, and no more than 10 lb-inches.", kTryAgain},
        }))
        return failure;
    return checkFurtherTorques(s);
}

std::optional<MaterialRefusal> checkTread(const TreadMaterial& t)
{
    return firstFailure({
        {!t.Name.isEmpty(), "Please enter a name for this tread material.", kTryAgain},
        {writableName(t.Name), kNameNotWritable, kTryAgain},
        {bounds::TreadFriction.accepts(t.StaticFriction),
         "The coefficient of static friction must be positive, greater than zero, and less than 2. ", kTryAgainStop},
    });
}

SpringMaterial withUnmeasuredAsZero(SpringMaterial spring)
{
    for (QString& entry : spring.TorqueCurve)
        if (isUnmeasured(entry))
            entry = QStringLiteral("0");
    return spring;
}

} // namespace brisko
