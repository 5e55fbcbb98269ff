#include "model/Validation.h"

#include "model/ValueBounds.h"
#include "text/NumberText.h"

namespace brisko {

namespace {

inline constexpr float kLargestPlainWheel = float(bounds::DriveWheelDiameter.high);

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
    if (!value || double(*value) < bounds::DriveWheelDiameter.low)
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
    int code; // dimension code
    ValueRange range;
    const char* message;
};

} // namespace

std::optional<QString> validateDesign(const DesignFieldTexts& t, float lastCaseOuterDia)
{
    if (auto failure = checkDriveWheel(t.dimension(18), lastCaseOuterDia))
        return failure;

    static const RangeCheck dimensionChecks[] = {
        {19, bounds::OtherWheelDiameter,
         "The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, "
         "and greater than the axle diameter."},
        {16, bounds::DriveAxleDiameter, "The drive axle diameter must be positive, greater than zero, and no more than 2 inches."},
        {21, bounds::DriveAxleLength, "The drive axle length must be positive, greater than zero, and no more than 36 inches."},
        {17, bounds::OtherAxleDiameter,
         "The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the "
         "wheel diameter."},
        {20, bounds::OtherAxleLength,
         "The non-drive axle length must be positive, greater than zero, and no more than 36 inches."},
        {14, bounds::SpringWidth, "The spring width must be positive, no less than 0.1 inch, and no more than 6 inches."},
        {15, bounds::SpringLength, "The spring length must be positive, no less than 3 inches, and no more than 240 inches."},
    };
    for (const auto& check : dimensionChecks)
        if (!check.range.accepts(t.dimension(check.code)))
            return QString::fromLatin1(check.message);

    if (!bounds::CaseRatio.accepts(t.CaseRatio))
        return QStringLiteral(
            "The case ratio must be positive, no less than 4 percent, and no more than 99 percent.");
    if (!bounds::FrictionForce.accepts(t.FrictionForce))
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
    if (!bounds::ElementStepSize.accepts(stepSize))
        return QStringLiteral(
            "The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. ");
    if (!bounds::CaseRatio.accepts(caseRatio))
        return QStringLiteral("The case ratio must be positive, not less than 4 percent, and less than 99 percent. ");
    if (!bounds::FrictionForce.accepts(frictionForce))
        return QStringLiteral("The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. ");
    return std::nullopt;
}

} // namespace brisko
