#pragma once
// The checks a typed dimension or preference must pass before it is accepted.
// Pure functions over the texts shown in the fields: they show nothing; the caller
// puts the returned message in a box titled kTryAgainTitle.
#include <QString>
#include <array>
#include <optional>

namespace brisko {

inline const QString kTryAgainTitle = QStringLiteral("Please try again.");

// The texts that ValidateDesign reads: the eight dimension fields (by action code
// 14..21) and the case ratio and friction fields of Preferences.
struct DesignFieldTexts {
    std::array<QString, 8> dimensions;
    QString CaseRatio;
    QString FrictionForce;

    QString& dimension(int code) { return dimensions.at(code - 14); }
    const QString& dimension(int code) const { return dimensions.at(code - 14); }
};

// Runs the twelve checks in order and returns the message of the first one that
// fails, or nothing when every value is acceptable. `lastCaseOuterDia` is the
// chamber outer diameter of the last analysis (0 before any), which decides whether
// a drive wheel above 7.5 in may stay.
std::optional<QString> validateDesign(const DesignFieldTexts& texts, float lastCaseOuterDia);

// The checks of the Preferences OK button: step size, case ratio, friction force.
std::optional<QString> validatePreferences(const QString& stepSize, const QString& caseRatio,
                                           const QString& frictionForce);

} // namespace brisko
