#pragma once
// Rectangles laid out band by band, as QRegion keeps them, for the region builders
// of this folder: a band whose spans are those of the band just above it, and
// touching it, extends that band downwards, as Qt joins them.
#include <QRect>
#include <QRegion>
#include <cstddef>
#include <vector>

namespace brisko {

struct BandSpan {
    int Left, Right; // both inside
};

class BandedRects {
public:
    explicit BandedRects(std::size_t expected) { m_rects.reserve(expected); }

    // Whole bands copied as they are, which join no band above them.
    void copy(const QRect* from, const QRect* to)
    {
        if (from == to)
            return;
        m_rects.insert(m_rects.end(), from, to);
        const int top = m_rects.back().top();
        m_lastBand = m_rects.size() - 1;
        while (m_lastBand > 0 && m_rects[m_lastBand - 1].top() == top)
            --m_lastBand;
    }

    // A band from `top` to `bottom` (both inside) of spans in order, none touching.
    void add(int top, int bottom, const std::vector<BandSpan>& spans)
    {
        if (spans.empty())
            return;
        if (extendsLast(top, spans)) {
            for (std::size_t i = m_lastBand; i < m_rects.size(); ++i)
                m_rects[i].setBottom(bottom);
            return;
        }
        m_lastBand = m_rects.size();
        for (const BandSpan& s : spans)
            m_rects.emplace_back(QPoint(s.Left, top), QPoint(s.Right, bottom));
    }

    QRegion region() const
    {
        QRegion r;
        if (!m_rects.empty())
            r.setRects(m_rects.data(), static_cast<int>(m_rects.size()));
        return r;
    }

private:
    bool extendsLast(int top, const std::vector<BandSpan>& spans) const
    {
        if (m_rects.size() - m_lastBand != spans.size() || m_rects.empty() || m_rects.back().bottom() + 1 != top)
            return false;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const QRect& r = m_rects[m_lastBand + i];
            if (r.left() != spans[i].Left || r.right() != spans[i].Right)
                return false;
        }
        return true;
    }

    std::vector<QRect> m_rects;
    std::size_t m_lastBand = 0;
};

} // namespace brisko
