// Plane regions of polygons and ellipses built scanline by scanline.
//
// Qt builds a polygon region by scan-converting the polygon edge by edge and
// joining the spans into its band list one operation at a time; an ellipse region
// is the same conversion of the ellipse's flattened outline. The builders here
// step the same integer edges over the same scanlines (so every region holds
// exactly the pixels Qt's would, in the same bands) and hand the finished band
// list to the region in one piece, which is many times faster: a self-crossing
// outline of 255 points at a printer's resolution takes Qt seconds.
//
// Qt collects the crossings in blocks of 200 points and, when their number is a
// whole multiple of 200, ends a scanline's row at every block's end; a row cut
// there becomes two rows of rectangles on the same scanline. The rows are cut
// the same way here, so that the bands are Qt's to the rectangle.
#include "geometry/ScanRegion.h"

#include "geometry/BandedRects.h"

#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <vector>

namespace brisko {

namespace {

// One polygon edge stepped down the scanlines with integer Bresenham increments:
// x at the top scanline is the top vertex's x, and each step moves it by m or m1.
struct Edge {
    int x = 0;      // x at the current scanline
    int yFirst = 0; // the first scanline the edge covers (its top vertex's y)
    int yLast = 0;  // the last scanline the edge covers (its bottom y - 1)
    int m = 0, m1 = 0, incr1 = 0, incr2 = 0, d = 0;
    bool clockwise = false;
    int order = 0; // position in the polygon

    void step()
    {
        if (m1 > 0) {
            if (d > 0) {
                x += m1;
                d += incr1;
            } else {
                x += m;
                d += incr2;
            }
        } else {
            if (d >= 0) {
                x += m1;
                d += incr1;
            } else {
                x += m;
                d += incr2;
            }
        }
    }
};

Edge makeEdge(const QPoint& top, const QPoint& bottom, bool clockwise)
{
    Edge e;
    const int dy = bottom.y() - top.y();
    const int dx = bottom.x() - top.x();
    e.x = top.x();
    e.yFirst = top.y();
    e.yLast = bottom.y() - 1;
    e.clockwise = clockwise;
    e.m = dx / dy;
    if (dx < 0) {
        e.m1 = e.m - 1;
        e.incr1 = -2 * dx + 2 * dy * e.m1;
        e.incr2 = -2 * dx + 2 * dy * e.m;
        e.d = 2 * e.m * dy - 2 * dx - 2 * dy;
    } else {
        e.m1 = e.m + 1;
        e.incr1 = 2 * dx - 2 * dy * e.m1;
        e.incr2 = 2 * dx - 2 * dy * e.m;
        e.d = -2 * e.m * dy + 2 * dx;
    }
    return e;
}

// Collects the spans of the scanlines in order and lays them out as banded
// rectangles: touching spans of a row join, and a row equal to the one above it
// extends that row's rectangles downwards.
class BandBuilder {
public:
    explicit BandBuilder(std::size_t expected)
        : m_bands(expected)
    {
    }

    // The spans of scanline `y`, each from a crossing to the pixel before the next.
    void addRow(int y, std::vector<BandSpan>& row)
    {
        // Join touching spans and drop empty ones.
        std::size_t n = 0;
        for (const BandSpan& s : row) {
            if (s.Right < s.Left)
                continue;
            if (n > 0 && row[n - 1].Right + 1 == s.Left)
                row[n - 1].Right = s.Right;
            else
                row[n++] = s;
        }
        row.resize(n);
        m_bands.add(y, y, row);
    }

    QRegion region() const { return m_bands.region(); }

private:
    BandedRects m_bands;
};

// Qt gives an empty region for a polygon taller than this.
constexpr int kTallestPolygon = 100000;
// The crossings Qt collects in one block.
constexpr std::size_t kCrossingBlock = 200;

// The crossings of every scanline, kept until the last is known: how many there
// are in all decides where Qt's rows are cut.
class CrossingRows {
public:
    void reserve(std::size_t rows, std::size_t crossings)
    {
        m_rows.reserve(rows);
        m_xs.reserve(crossings);
    }
    void startRow(int y) { m_rows.push_back({y, m_xs.size()}); }
    void add(int x) { m_xs.push_back(x); }

    QRegion region() const
    {
        const bool cutAtBlocks = !m_xs.empty() && m_xs.size() % kCrossingBlock == 0;
        BandBuilder bands(m_xs.size() / 2);
        std::vector<BandSpan> row;
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            const std::size_t end = r + 1 < m_rows.size() ? m_rows[r + 1].start : m_xs.size();
            std::size_t from = m_rows[r].start;
            while (from < end) {
                std::size_t to = end;
                if (cutAtBlocks)
                    to = std::min(end, (from / kCrossingBlock + 1) * kCrossingBlock);
                row.clear();
                for (std::size_t k = from; k + 1 < to; k += 2)
                    row.push_back({m_xs[k], m_xs[k + 1] - 1});
                bands.addRow(m_rows[r].y, row);
                from = to;
            }
        }
        return bands.region();
    }

private:
    struct Row {
        int y;
        std::size_t start; // its first crossing in m_xs
    };
    std::vector<Row> m_rows;
    std::vector<int> m_xs;
};

bool isAxisRectangle(const QPolygon& p)
{
    const int n = p.size();
    if (!(n == 4 || (n == 5 && p[4] == p[0])))
        return false;
    return (p[0].y() == p[1].y() && p[1].x() == p[2].x() && p[2].y() == p[3].y() && p[3].x() == p[0].x())
        || (p[0].x() == p[1].x() && p[1].y() == p[2].y() && p[2].x() == p[3].x() && p[3].y() == p[0].y());
}

} // namespace

QRegion scanPolygonRegion(const QPolygon& polygon, Qt::FillRule rule)
{
    const int n = polygon.size();
    if (n < 3)
        return {};
    if (isAxisRectangle(polygon)) {
        const int x = std::min(polygon[0].x(), polygon[2].x());
        const int y = std::min(polygon[0].y(), polygon[2].y());
        const QRect box(x, y, std::max(polygon[0].x(), polygon[2].x()) - x, std::max(polygon[0].y(), polygon[2].y()) - y);
        return box.isEmpty() ? QRegion() : QRegion(box);
    }
    // The edge table: every edge that is not horizontal. It covers the scanlines
    // from its top vertex down to its bottom vertex, that one excluded.
    std::vector<Edge> edges;
    edges.reserve(n);
    int yMin = INT_MAX, yMax = INT_MIN;
    QPoint previous = polygon[n - 1];
    for (int i = 0; i < n; ++i) {
        const QPoint current = polygon[i];
        const bool downwards = !(previous.y() > current.y());
        const QPoint& top = downwards ? previous : current;
        const QPoint& bottom = downwards ? current : previous;
        if (bottom.y() != top.y()) {
            edges.push_back(makeEdge(top, bottom, downwards));
            edges.back().order = static_cast<int>(edges.size());
            yMax = std::max(yMax, previous.y());
            yMin = std::min(yMin, previous.y());
        }
        previous = current;
    }
    if (edges.empty())
        return {};
    // By first scanline, then by x; of edges at equal x the later one comes first.
    std::vector<Edge*> starts;
    starts.reserve(edges.size());
    for (Edge& e : edges)
        starts.push_back(&e);
    std::sort(starts.begin(), starts.end(), [](const Edge* a, const Edge* b) {
        if (a->yFirst != b->yFirst)
            return a->yFirst < b->yFirst;
        if (a->x != b->x)
            return a->x < b->x;
        return a->order > b->order;
    });

    if (yMax - yMin > kTallestPolygon)
        return {}; // as Qt refuses it
    std::vector<Edge*> active;
    active.reserve(edges.size());
    CrossingRows crossings;
    crossings.reserve(static_cast<std::size_t>(yMax - yMin), 4 * static_cast<std::size_t>(yMax - yMin));
    std::size_t next = 0;
    for (int y = yMin; y < yMax; ++y) {
        // New edges join before active edges of equal x, keeping their own order.
        if (next < starts.size() && starts[next]->yFirst == y) {
            std::size_t end = next;
            while (end < starts.size() && starts[end]->yFirst == y)
                ++end;
            std::vector<Edge*> merged;
            merged.reserve(active.size() + end - next);
            std::size_t a = 0;
            for (std::size_t k = next; k < end; ++k) {
                Edge* e = starts[k];
                while (a < active.size() && active[a]->x < e->x)
                    merged.push_back(active[a++]);
                merged.push_back(e);
            }
            while (a < active.size())
                merged.push_back(active[a++]);
            active.swap(merged);
            next = end;
        }
        // The crossings of this scanline, as the fill rule pairs them.
        crossings.startRow(y);
        if (rule == Qt::OddEvenFill) {
            for (const Edge* e : active)
                crossings.add(e->x);
        } else {
            // Only the crossings where the winding number leaves or reaches zero.
            bool outside = true;
            int winding = 0;
            for (const Edge* e : active) {
                winding += e->clockwise ? 1 : -1;
                if ((!outside && winding == 0) || (outside && winding != 0)) {
                    crossings.add(e->x);
                    outside = !outside;
                }
            }
        }
        // Step the edges to the next scanline, drop those that end, keep them in x order
        // (most scanlines leave them in order).
        std::size_t kept = 0;
        bool inOrder = true;
        int lastX = INT_MIN;
        for (Edge* e : active) {
            if (e->yLast == y)
                continue;
            e->step();
            inOrder = inOrder && e->x >= lastX;
            lastX = e->x;
            active[kept++] = e;
        }
        active.resize(kept);
        for (std::size_t i = 1; !inOrder && i < active.size(); ++i) {
            Edge* e = active[i];
            std::size_t j = i;
            while (j > 0 && active[j - 1]->x > e->x) {
                active[j] = active[j - 1];
                --j;
            }
            active[j] = e;
        }
    }
    return crossings.region();
}

QRegion scanEllipseRegion(const QRect& box)
{
    if (box.isEmpty())
        return {};
    // The outline Qt converts: the ellipse's path flattened and rounded to pixels.
    QPainterPath path;
    path.addEllipse(box.x(), box.y(), box.width(), box.height());
    return scanPolygonRegion(path.toSubpathPolygons().at(0).toPolygon(), Qt::OddEvenFill);
}

} // namespace brisko
