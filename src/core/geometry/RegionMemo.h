#pragma once
// The last regions built from their shapes. A refresh converts the same outlines
// and circles again and again (every field change, every combination of a sweep,
// every frame of a run); converting a shape is costly and always gives the same
// region, so a shape met again takes the region already built. Each thread keeps
// its own memo.
#include <QRegion>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace brisko {

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
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->first == shape) {
                std::rotate(m_entries.begin(), it, it + 1);
                return m_entries.front().second;
            }
        }
        QRegion region = build();
        if (m_entries.size() == m_capacity)
            m_entries.pop_back();
        m_entries.insert(m_entries.begin(), {shape, region});
        return region;
    }

private:
    std::size_t m_capacity;
    std::vector<std::pair<Shape, QRegion>> m_entries;
};

} // namespace brisko
