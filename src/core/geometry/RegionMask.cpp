#include "geometry/RegionMask.h"

namespace brisko {

RegionMask::RegionMask(const QRegion& region)
    : m_bounds(region.boundingRect())
    , m_bits(static_cast<size_t>(m_bounds.width()) * static_cast<size_t>(m_bounds.height()), false)
{
    const size_t stride = static_cast<size_t>(m_bounds.width());
    for (const QRect& r : region) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const size_t row = static_cast<size_t>(y - m_bounds.top()) * stride;
            for (int x = r.left(); x <= r.right(); ++x)
                m_bits[row + static_cast<size_t>(x - m_bounds.left())] = true;
        }
    }
}

} // namespace brisko
