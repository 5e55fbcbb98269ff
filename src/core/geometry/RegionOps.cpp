#include "geometry/RegionOps.h"

#include "geometry/RegionMemo.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace brisko {

namespace {

// QRegion's += may append rectangles where + joins bands afresh, so the two are
// remembered apart.
enum class RegionOp : char { Plus, PlusAssign, Minus };

// The rectangles of a region hashed whole, four coordinates in four lanes at a time.
std::size_t contentHash(const QRegion& r)
{
    std::uint64_t lanes[4] = {1, 2, 3, 4};
    for (const QRect& rect : r) {
        const int c[4] = {rect.left(), rect.top(), rect.right(), rect.bottom()};
        for (int k = 0; k < 4; ++k)
            lanes[k] = (lanes[k] ^ static_cast<std::uint32_t>(c[k])) * 0x9E3779B97F4A7C15ull;
    }
    return static_cast<std::size_t>(lanes[0] ^ (lanes[1] >> 16) ^ (lanes[2] >> 32) ^ (lanes[3] >> 48)
                                    ^ static_cast<std::uint64_t>(r.rectCount()));
}

// Equal regions have the same bounds and as many rectangles; most regions a memo
// holds differ in one of them, which spares comparing them rectangle by rectangle.
std::size_t regionKey(const QRegion& r)
{
    const QRect bounds = r.boundingRect();
    return qHashMulti(0, bounds.left(), bounds.top(), bounds.right(), bounds.bottom(), r.rectCount());
}

// An operand and the hash of its rectangles, worked out when first needed: a
// remembered operand has it from when it was remembered, an asked one only once
// it meets an entry of the same bounds and count that does not share its data.
struct Operand {
    QRegion Region;
    mutable std::size_t Hash = 0;
    mutable bool Hashed = false;

    std::size_t hash() const
    {
        if (!Hashed) {
            Hash = contentHash(Region);
            Hashed = true;
        }
        return Hash;
    }
    // Regions handed back by an earlier operation share their data, so most
    // comparisons end at the first test. An outline moved by a pixel keeps its
    // bounds and count, and many of them in a memo would each be compared up to
    // the rectangle that differs; their hashes tell them apart at once.
    bool operator==(const Operand& o) const
    {
        if (Region.begin() == o.Region.begin())
            return true;
        return hash() == o.hash() && Region == o.Region;
    }
};

struct Operation {
    RegionOp Op;
    Operand A, B;
    bool operator==(const Operation& o) const { return Op == o.Op && A == o.A && B == o.B; }
    // Called when the operation is worked out, before the memo keeps a copy.
    void hashOperands() const
    {
        A.hash();
        B.hash();
    }
};

std::size_t regionMemoKey(const Operation& o)
{
    return qHashMulti(0, static_cast<int>(o.Op), regionKey(o.A.Region), regionKey(o.B.Region));
}

// Every join of two refreshes of the layers in the view, printer and drawing frames.
RegionMemo<Operation>& operations()
{
    thread_local RegionMemo<Operation> memo(128);
    return memo;
}

// With an empty operand every operator gives the other operand (a less nothing is a).
bool trivial(const QRegion& a, const QRegion& b)
{
    return a.isEmpty() || b.isEmpty();
}

} // namespace

bool isBanded(const QRegion& r)
{
    const QRect* p = r.begin();
    const QRect* const end = r.end();
    bool first = true;
    int lastBottom = 0;
    while (p != end) {
        const int top = p->top();
        const int bottom = p->bottom();
        if (!first && top <= lastBottom)
            return false;
        const QRect* q = p;
        for (; q != end && q->top() == top; ++q) {
            if (q->bottom() != bottom || q->right() < q->left())
                return false;
            if (q != p && q->left() <= q[-1].right() + 1)
                return false;
        }
        first = false;
        lastBottom = bottom;
        p = q;
    }
    return true;
}

namespace {

struct Span {
    int Left, Right; // both inside
};

// The rectangles of a result laid out band by band: a band with the spans of the
// band just above it, and touching it, extends that band downwards, as Qt joins them.
class BandWriter {
public:
    explicit BandWriter(std::size_t expected) { m_rects.reserve(expected); }

    void add(int top, int bottom, const std::vector<Span>& spans)
    {
        if (spans.empty())
            return;
        if (extendsLast(top, spans)) {
            for (std::size_t i = m_lastBand; i < m_rects.size(); ++i)
                m_rects[i].setBottom(bottom);
            return;
        }
        m_lastBand = m_rects.size();
        for (const Span& s : spans)
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
    bool extendsLast(int top, const std::vector<Span>& spans) const
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

// The rectangles of one band of a banded region.
struct BandOf {
    const QRect* Begin;
    const QRect* End;
    const QRect* Last;
    BandOf(const QRect* from, const QRect* last)
        : Begin(from)
        , End(from)
        , Last(last)
    {
        while (End != Last && End->top() == Begin->top())
            ++End;
    }
    bool valid() const { return Begin != Last; }
    BandOf next() const { return {End, Last}; }
    int top() const { return Begin->top(); }
    int bottom() const { return Begin->bottom(); }
};

void spansOf(const BandOf& band, std::vector<Span>& spans)
{
    spans.clear();
    for (const QRect* r = band.Begin; r != band.End; ++r)
        spans.push_back({r->left(), r->right()});
}

// The spans of one band less those of another, both left to right with gaps.
void spansLess(const BandOf& m, const BandOf& s, std::vector<Span>& spans)
{
    spans.clear();
    const QRect* j = s.Begin;
    for (const QRect* i = m.Begin; i != m.End; ++i) {
        int from = i->left();
        const int to = i->right();
        while (j != s.End && j->right() < from)
            ++j;
        const QRect* k = j;
        for (; k != s.End && k->left() <= to; ++k) {
            if (k->left() > from)
                spans.push_back({from, k->left() - 1});
            from = std::max(from, k->right() + 1);
            if (k->right() > to)
                break;
        }
        if (from <= to)
            spans.push_back({from, to});
        j = k;
    }
}

} // namespace

QRegion bandedDifference(const QRegion& m, const QRegion& s)
{
    if (m.isEmpty() || s.isEmpty() || !m.boundingRect().intersects(s.boundingRect()))
        return m;
    if (!isBanded(m) || !isBanded(s))
        return m - s;
    BandWriter out(static_cast<std::size_t>(m.rectCount()) + 2 * static_cast<std::size_t>(s.rectCount()));
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(m.rectCount() + s.rectCount()));
    BandOf a(m.begin(), m.end());
    BandOf b(s.begin(), s.end());
    int y = a.top(); // the first scanline of a's band not written yet
    while (a.valid()) {
        while (b.valid() && b.bottom() < y)
            b = b.next();
        if (!b.valid() || b.top() > a.bottom()) {
            spansOf(a, spans);
            out.add(y, a.bottom(), spans);
        } else {
            if (b.top() > y) {
                spansOf(a, spans);
                out.add(y, b.top() - 1, spans);
                y = b.top();
            }
            const int last = std::min(a.bottom(), b.bottom());
            spansLess(a, b, spans);
            out.add(y, last, spans);
            if (last < a.bottom()) {
                y = last + 1;
                continue;
            }
        }
        a = a.next();
        if (a.valid())
            y = a.top();
    }
    return out.region();
}

QRegion unitedRegion(const QRegion& a, const QRegion& b)
{
    if (trivial(a, b))
        return a.isEmpty() ? b : a;
    const Operation op{RegionOp::Plus, {a}, {b}};
    return operations().regionOf(op, [&] {
        op.hashOperands();
        return a + b;
    });
}

void uniteInto(QRegion& a, const QRegion& b)
{
    if (trivial(a, b)) {
        if (a.isEmpty())
            a = b;
        return;
    }
    const Operation op{RegionOp::PlusAssign, {a}, {b}};
    a = operations().regionOf(op, [&] {
        op.hashOperands();
        QRegion sum = a;
        sum += b;
        return sum;
    });
}

QRegion subtractedRegion(const QRegion& a, const QRegion& b)
{
    if (trivial(a, b))
        return a;
    const Operation op{RegionOp::Minus, {a}, {b}};
    return operations().regionOf(op, [&] {
        op.hashOperands();
        return bandedDifference(a, b);
    });
}

void subtractFrom(QRegion& a, const QRegion& b)
{
    a = subtractedRegion(a, b); // QRegion's -= is a = a - b
}

} // namespace brisko
