#include "geometry/RegionOps.h"

#include "geometry/BandedRects.h"
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

// Operands are told apart by their data, not their rectangles: a region handed on
// from a memo (the shapes', the joins', the shifts') shares its data with every copy,
// and an entry keeps its operands alive, so equal data means equal regions. A region
// built afresh never matches, even where its rectangles would: comparing those
// rectangle by rectangle with every entry of the same bounds cost more than the
// joins it spared (an outline moved by a pixel keeps its bounds and count).
struct Operand {
    QRegion Region;
    bool operator==(const Operand& o) const
    {
        return Region.begin() == o.Region.begin() && Region.rectCount() == o.Region.rectCount()
            && Region.boundingRect() == o.Region.boundingRect();
    }
};

std::size_t operandKey(const Operand& o)
{
    return qHash(reinterpret_cast<quintptr>(o.Region.begin()));
}

struct Operation {
    RegionOp Op;
    Operand A, B;
    bool operator==(const Operation& o) const { return Op == o.Op && A == o.A && B == o.B; }
};

std::size_t regionMemoKey(const Operation& o)
{
    return qHashMulti(0, static_cast<int>(o.Op), operandKey(o.A), operandKey(o.B));
}

struct Shift {
    Operand Region;
    int Dx, Dy;
    bool operator==(const Shift& o) const { return Region == o.Region && Dx == o.Dx && Dy == o.Dy; }
};

std::size_t regionMemoKey(const Shift& s)
{
    return qHashMulti(0, operandKey(s.Region), s.Dx, s.Dy);
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

using Span = BandSpan;
using BandWriter = BandedRects;

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

// The spans of two bands joined, touching spans made one, left to right.
void spansJoined(const BandOf& a, const BandOf& b, std::vector<Span>& spans)
{
    spans.clear();
    const QRect* i = a.Begin;
    const QRect* j = b.Begin;
    while (i != a.End || j != b.End) {
        const QRect* r = (j == b.End || (i != a.End && i->left() <= j->left())) ? i++ : j++;
        if (!spans.empty() && spans.back().Right >= r->left() - 1)
            spans.back().Right = std::max(spans.back().Right, r->right());
        else
            spans.push_back({r->left(), r->right()});
    }
}

} // namespace

QRegion bandedUnion(const QRegion& a, const QRegion& b)
{
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() ? b : a;
    // QRegion appends a region that starts below the other's last band (or on its
    // right in that band) as it is; those are left to it.
    const QRect& aFirst = *a.begin();
    const QRect& bFirst = *b.begin();
    const QRect& aLast = a.end()[-1];
    const QRect& bLast = b.end()[-1];
    if (!(bFirst.top() < aLast.top() && aFirst.top() < bLast.top()) || !isBanded(a) || !isBanded(b))
        return a + b;
    BandWriter out(static_cast<std::size_t>(a.rectCount() + b.rectCount()));
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(a.rectCount() + b.rectCount()));
    BandOf p(a.begin(), a.end());
    BandOf q(b.begin(), b.end());
    int y = std::min(p.top(), q.top()); // the first scanline not written yet
    while (p.valid() || q.valid()) {
        if (p.valid() && p.bottom() < y) {
            p = p.next();
            continue;
        }
        if (q.valid() && q.bottom() < y) {
            q = q.next();
            continue;
        }
        // Past a gap between bands, on to the next band's top.
        int nextTop = INT_MAX;
        if (p.valid())
            nextTop = std::min(nextTop, p.top());
        if (q.valid())
            nextTop = std::min(nextTop, q.top());
        y = std::max(y, nextTop);
        const bool inP = p.valid() && p.top() <= y;
        const bool inQ = q.valid() && q.top() <= y;
        // The scanlines from y on where the same bands hold.
        int last = INT_MAX;
        if (inP)
            last = std::min(last, p.bottom());
        else if (p.valid())
            last = std::min(last, p.top() - 1);
        if (inQ)
            last = std::min(last, q.bottom());
        else if (q.valid())
            last = std::min(last, q.top() - 1);
        if (inP && inQ)
            spansJoined(p, q, spans);
        else
            spansOf(inP ? p : q, spans);
        out.add(y, last, spans);
        y = last + 1;
    }
    return out.region();
}

QRegion bandedDifference(const QRegion& m, const QRegion& s)
{
    if (m.isEmpty() || s.isEmpty() || !m.boundingRect().intersects(s.boundingRect()))
        return m;
    if (!isBanded(m) || !isBanded(s))
        return m - s;
    BandWriter out(static_cast<std::size_t>(m.rectCount()) + 2 * static_cast<std::size_t>(s.rectCount()));
    // The bands above b's first scanline are copied whole, and so are those below
    // its last after the first of them, which may join the last band cut.
    const QRect* const mEnd = m.end();
    const int sTop = s.boundingRect().top();
    const int sBottom = s.boundingRect().bottom();
    const QRect* const firstReached =
        std::partition_point(m.begin(), mEnd, [&](const QRect& r) { return r.bottom() < sTop; });
    out.copy(m.begin(), firstReached);
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>(m.rectCount() + s.rectCount()));
    BandOf a(firstReached, mEnd);
    BandOf b(s.begin(), s.end());
    int y = a.valid() ? a.top() : 0; // the first scanline of a's band not written yet
    while (a.valid()) {
        while (b.valid() && b.bottom() < y)
            b = b.next();
        if (!b.valid() || b.top() > a.bottom()) {
            spansOf(a, spans);
            out.add(y, a.bottom(), spans);
            if (y > sBottom) {
                out.copy(a.End, mEnd);
                break;
            }
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
    return operations().regionOf({RegionOp::Plus, {a}, {b}}, [&] {
        return bandedUnion(a, b);
    });
}

void uniteInto(QRegion& a, const QRegion& b)
{
    if (trivial(a, b)) {
        if (a.isEmpty())
            a = b;
        return;
    }
    a = operations().regionOf({RegionOp::PlusAssign, {a}, {b}}, [&] {
        QRegion sum = a;
        sum += b;
        return sum;
    });
}

QRegion subtractedRegion(const QRegion& a, const QRegion& b)
{
    if (trivial(a, b))
        return a;
    return operations().regionOf({RegionOp::Minus, {a}, {b}}, [&] {
        return bandedDifference(a, b);
    });
}

void subtractFrom(QRegion& a, const QRegion& b)
{
    a = subtractedRegion(a, b); // QRegion's -= is a = a - b
}

QRegion translatedRegion(const QRegion& r, int dx, int dy)
{
    if (r.isEmpty() || (dx == 0 && dy == 0))
        return r;
    thread_local RegionMemo<Shift> memo(32);
    return memo.regionOf({{r}, dx, dy}, [&] { return r.translated(dx, dy); });
}

} // namespace brisko
