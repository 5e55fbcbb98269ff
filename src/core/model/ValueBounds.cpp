#include "model/ValueBounds.h"

#include "text/NumberText.h"

namespace brisko {

bool ValueRange::accepts(const QString& text) const
{
    if (held == Held::Exact) {
        const auto value = toDouble(text);
        return value && accepts(*value);
    }
    const auto value = toSingle(text);
    return value && accepts(double(*value));
}

QString ValueRange::text() const
{
    return QStringLiteral("from %1 to %2").arg(QString::number(low, 'g', 15), QString::number(high, 'g', 15));
}

bool acceptsWeightMass(float mass)
{
    const double m = mass;
    return m >= -1.0 && m <= 1.0 && !(m > -0.0001 && m < 0.0001);
}

} // namespace brisko
