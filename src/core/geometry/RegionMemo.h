#pragma once
// The last regions built from their shapes. A refresh converts the same outlines
// and circles again and again (every field change, every combination of a sweep,
// every frame of a run); converting a shape is costly and always gives the same
// region, so a shape met again takes the region already built. Each thread keeps
// its own memo.
#include <QHashFunctions>
#include <QPolygon>
#include <QRect>
#include <QRegion>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace brisko {

// A cheap key of each kind of shape: entries whose keys differ are never compared
// whole. A shape kind of its own gives one as `std::size_t regionMemoKey(const Shape&)`
// beside its type.
inline std::size_t regionMemoKey(const QRect& r)
{
    return qHashMulti(0, r.left(), r.top(), r.right(), r.bottom());
}

inline std::size_t regionMemoKey(const QPolygon& polygon)
{
    return qHashRange(polygon.begin(), polygon.end());
}

template <class Shape>
class RegionMemo {
public:
    explicit RegionMemo(std::size_t capacity)
        : m_capacity(capacity)
    {
    }

    // The region of `shape`, built by `build` only when the shape is not remembered.
    template <class Build>
    QRegion regionOf(const Shape& shape, Build&& build)
    {
        // The keys lie apart from the entries, so a search reads one short array;
        // the least recently used entry leaves when the memo is full.
        const std::size_t key = regionMemoKey(shape);
        ++m_clock;
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            if (m_keys[i] == key && m_entries[i].Value == shape) {
                m_entries[i].LastUse = m_clock;
                return m_entries[i].Region;
            }
        }
        QRegion region = build();
        if (m_entries.size() < m_capacity) {
            m_keys.push_back(key);
            m_entries.push_back({shape, region, m_clock});
        } else if (m_capacity > 0) {
            const auto oldest = std::min_element(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
                return a.LastUse < b.LastUse;
            });
            m_keys[static_cast<std::size_t>(oldest - m_entries.begin())] = key;
            *oldest = {shape, region, m_clock};
        }
        return region;
    }

private:
    struct Entry {
        Shape Value;
        QRegion Region;
        std::uint64_t LastUse;
    };
    std::size_t m_capacity;
    std::uint64_t m_clock = 0;
    std::vector<std::size_t> m_keys;
    std::vector<Entry> m_entries;
};

} // namespace brisko
