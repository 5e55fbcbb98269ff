#pragma once
// A region's pixels as a bitmap over its bounding rectangle: constant-time point
// tests for scans that test many points against the same region.
#include <QRegion>
#include <cstdint>
#include <vector>

namespace brisko {

class RegionMask {
public:
    explicit RegionMask(const QRegion& region);
    bool contains(const QPoint& p) const
    {
        if (!m_bounds.contains(p))
            return false;
        return m_bits[static_cast<size_t>(p.y() - m_bounds.top()) * static_cast<size_t>(m_bounds.width())
                      + static_cast<size_t>(p.x() - m_bounds.left())] != 0;
    }

private:
    QRect m_bounds;
    std::vector<std::uint8_t> m_bits; // one byte a pixel: 1 inside
};

} // namespace brisko
