#pragma once
// A spring material's measured torque curve: entry k is the torque of the test
// sample after k revolutions have unwound from fully wound.
#include <QString>
#include <array>

namespace brisko {

inline constexpr int kTorqueCurveSize = 49;

class TorqueCurve {
public:
    TorqueCurve() = default;

    // An entry whose text is "0" or empty was not measured.
    static TorqueCurve fromTexts(const std::array<QString, kTorqueCurveSize>& texts);
    // A value of 0 was not measured.
    static TorqueCurve fromValues(const std::array<float, kTorqueCurveSize>& values);

    // Highest measured index + 1; 1 when nothing was measured.
    int length() const { return m_length; }
    // Indexes outside 0..48 count as not measured.
    bool isMeasured(int k) const;
    float value(int k) const;

private:
    void updateLength();

    std::array<float, kTorqueCurveSize> m_values{};
    std::array<bool, kTorqueCurveSize> m_measured{};
    int m_length = 1;
};

// Torque of the test sample (in-lb) after r of the car's R revolutions: the curve is
// stretched over the car's revolutions and interpolated between the measured entry
// at or below the nearest index and the next measured entry above it.
float torqueAt(const TorqueCurve& curve, float r, float R);

} // namespace brisko
