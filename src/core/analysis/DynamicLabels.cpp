#include "analysis/DynamicLabels.h"

#include "text/NumberText.h"

namespace brisko {

QString dynamicDistanceLabel(float distance, float projectedDistance)
{
    return formatFixed(distance, 2) + QStringLiteral(" of ") + formatFixed(projectedDistance, 2) + QStringLiteral(" ft");
}

QString dynamicTimeLabel(int step)
{
    return formatFixed(static_cast<float>(step) / 100.0f, 2) + QStringLiteral(" sec");
}

QString dynamicRevsLeftLabel(float revsLeft, float revolutions)
{
    return QStringLiteral("Rev ") + formatFixed(revsLeft, 1) + QStringLiteral(" of ") + formatFixed(revolutions, 1)
        + QStringLiteral(": Rear");
}

QString dynamicRevsRightLabel(DriveType drive, float revsRight, float revolutions)
{
    if (drive != DriveType::AWD)
        return QString();
    return QStringLiteral("Rev ") + formatFixed(revsRight, 1) + QStringLiteral(" of ") + formatFixed(revolutions, 1)
        + QStringLiteral(": Front");
}

} // namespace brisko
