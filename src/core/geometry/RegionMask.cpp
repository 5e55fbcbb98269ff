#include "geometry/RegionMask.h"

#include <algorithm>

namespace brisko {

RegionMask::RegionMask(const QRegion& region)
    : m_bounds(region.boundingRect())
    , m_bits(static_cast<size_t>(m_bounds.width()) * static_cast<size_t>(m_bounds.height()), 0)
{
    // Each rectangle of the region is a run of whole rows of pixels.
    const size_t stride = static_cast<size_t>(m_bounds.width());
    for (const QRect& r : region) {
        const size_t left = static_cast<size_t>(r.left() - m_bounds.left());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint8_t* row = m_bits.data() + static_cast<size_t>(y - m_bounds.top()) * stride;
            std::fill(row + left, row + left + static_cast<size_t>(r.width()), std::uint8_t{1});
        }
    }
}

} // namespace brisko
