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
        // The most recently used first; the least recently used leaves when full.
        const std::size_t key = regionMemoKey(shape);
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->Key == key && it->Value == shape) {
                std::rotate(m_entries.begin(), it, it + 1);
                return m_entries.front().Region;
            }
        }
        QRegion region = build();
        if (m_entries.size() == m_capacity)
            m_entries.pop_back();
        m_entries.insert(m_entries.begin(), Entry{key, shape, region});
        return region;
    }

private:
    struct Entry {
        std::size_t Key;
        Shape Value;
        QRegion Region;
    };
    std::size_t m_capacity;
    std::vector<Entry> m_entries;
};

} // namespace brisko
