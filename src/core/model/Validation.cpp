#include "model/Validation.h"

#include "text/NumberText.h"

namespace brisko {

namespace {

inline constexpr float kLargestPlainWheel = 7.5f;

// The typed value is held in single precision and compared with double bounds, so a
// typed "0.01" (0.00999999977648) falls below a bound of 0.01.
bool withinBounds(const QString& text, double low, double high)
{
    const auto value = toSingle(text);
    return value && double(*value) >= low && double(*value) <= high;
}

float valueOf(const QString& text)
{
    return toSingle(text).value_or(0.0f);
}

// A drive wheel above 7.5 in may stay only beside a chamber that is itself wider than
// 7.5 in, and must then be larger than that chamber.
std::optional<QString> checkDriveWheel(const QString& text, float lastCaseOuterDia)
{
    static const QString plainRule = QStringLiteral(
        "The drive wheel diameter must be positive, greater than the spring chamber outer diameter, "
        "and no more than 7.5 inches.");
    const auto value = toSingle(text);
    if (!value || double(*value) < 0.01)
        return plainRule;
    if (*value <= kLargestPlainWheel)
        return std::nullopt;
    if (lastCaseOuterDia <= kLargestPlainWheel)
        return plainRule;
    if (*value > lastCaseOuterDia)
        return std::nullopt;
    return QStringLiteral("The drive wheel diameter must be larger than the spring chamber outer diameter "
                          "(%1 inches).")
        .arg(formatFixed(lastCaseOuterDia, 2));
}

struct RangeCheck {
    int code; // dimension code, 0 for a preference
    double low;
    double high;
    const char* message;
};

} // namespace

std::optional<QString> validateDesign(const DesignFieldTexts& t, float lastCaseOuterDia)
{
    if (auto failure = checkDriveWheel(t.dimension(18), lastCaseOuterDia))
        return failure;

    static const RangeCheck dimensionChecks[] = {
        {19, 0.25, 7.5,
         "The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, "
         "and greater than the axle diameter."},
        {16, 0.0001, 2, "The drive axle diameter must be positive, greater than zero, and no more than 2 inches."},
        {21, 0.0001, 36, "The drive axle length must be positive, greater than zero, and no more than 36 inches."},
        {17, 0.0001, 1,
         "The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the "
         "wheel diameter."},
        {20, 0.0001, 36,
         "The non-drive axle length must be positive, greater than zero, and no more than 36 inches."},
        {14, 0.1, 6, "The spring width must be positive, no less than 0.1 inch, and no more than 6 inches."},
        {15, 3, 240, "The spring length must be positive, no less than 3 inches, and no more than 240 inches."},
    };
    for (const auto& check : dimensionChecks)
        if (!withinBounds(t.dimension(check.code), check.low, check.high))
            return QString::fromLatin1(check.message);

    if (!withinBounds(t.CaseRatio, 4, 99))
        return QStringLiteral(
            "The case ratio must be positive, no less than 4 percent, and no more than 99 percent.");
    if (!withinBounds(t.FrictionForce, 0.01, 0.25))
        return QStringLiteral("The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.");

    if (!(valueOf(t.dimension(18)) > valueOf(t.dimension(16))))
        return QStringLiteral("The diameter of the drive wheel must be larger than the diameter of the drive axle.");
    if (!(valueOf(t.dimension(19)) > valueOf(t.dimension(17))))
        return QStringLiteral(
            "The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle.");
    return std::nullopt;
}

std::optional<QString> validatePreferences(const QString& stepSize, const QString& caseRatio,
                                           const QString& frictionForce)
{
    if (!withinBounds(stepSize, 2, 72))
        return QStringLiteral(
            "The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. ");
    if (!withinBounds(caseRatio, 4, 99))
        return QStringLiteral("The case ratio must be positive, not less than 4 percent, and less than 99 percent. ");
    if (!withinBounds(frictionForce, 0.01, 0.25))
        return QStringLiteral("The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. ");
    return std::nullopt;
}

} // namespace brisko
