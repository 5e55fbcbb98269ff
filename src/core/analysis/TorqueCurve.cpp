#include "analysis/TorqueCurve.h"

#include "text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace brisko {

TorqueCurve TorqueCurve::fromTexts(const std::array<QString, kTorqueCurveSize>& texts)
{
    TorqueCurve curve;
    for (int k = 0; k < kTorqueCurveSize; ++k) {
        const QString& text = texts[k];
        curve.m_measured[k] = !text.isEmpty() && text != QLatin1String("0");
        curve.m_values[k] = curve.m_measured[k] ? toSingle(text).value_or(0.0f) : 0.0f;
    }
    curve.updateLength();
    return curve;
}

TorqueCurve TorqueCurve::fromValues(const std::array<float, kTorqueCurveSize>& values)
{
    TorqueCurve curve;
    for (int k = 0; k < kTorqueCurveSize; ++k) {
        curve.m_values[k] = values[k];
        curve.m_measured[k] = values[k] != 0.0f;
    }
    curve.updateLength();
    return curve;
}

void TorqueCurve::updateLength()
{
    m_length = 1;
    for (int k = kTorqueCurveSize - 1; k >= 0; --k) {
        if (m_measured[k]) {
            m_length = k + 1;
            return;
        }
    }
}

bool TorqueCurve::isMeasured(int k) const
{
    return k >= 0 && k < kTorqueCurveSize && m_measured[k];
}

float TorqueCurve::value(int k) const
{
    return isMeasured(k) ? m_values[k] : 0.0f;
}

namespace {

struct CurvePoint {
    float torque;
    int index;
};

// Entries outside 0..48 are never measured, so the searches skip them.
CurvePoint lowerPoint(const TorqueCurve& curve, int k0)
{
    for (int k = std::min(k0, kTorqueCurveSize - 1); k >= 0; --k)
        if (curve.isMeasured(k))
            return {curve.value(k), k};
    return {0.0f, 0};
}

// k0 + 1 is examined in any case, further entries only up to the curve length.
CurvePoint upperPoint(const TorqueCurve& curve, int k0)
{
    const int n = curve.length();
    if (curve.isMeasured(k0 + 1))
        return {curve.value(k0 + 1), k0 + 1};
    for (int k = std::max(k0 + 2, 0); k <= n; ++k)
        if (curve.isMeasured(k))
            return {curve.value(k), k};
    return {0.0f, n};
}

} // namespace

float torqueAt(const TorqueCurve& curve, float r, float R)
{
    if (!(R > 0.0f))
        return 0.0f; // a spring without revolutions gives no torque
    const float x = r * (static_cast<float>(curve.length()) / R);
    // Beyond either end of the table every entry index answers alike.
    const int k0 = std::clamp(nearest(x), -1, kTorqueCurveSize);
    const CurvePoint lo = lowerPoint(curve, k0);
    const CurvePoint hi = upperPoint(curve, k0);
    if (hi.index == lo.index)
        return hi.torque; // wound past full: nothing measured below, hold the first entry
    const float span = static_cast<float>(hi.index - lo.index);
    const float torque = (x - static_cast<float>(lo.index)) / span * (hi.torque - lo.torque) + lo.torque;
    return std::isfinite(torque) ? torque : 0.0f;
}

} // namespace brisko
