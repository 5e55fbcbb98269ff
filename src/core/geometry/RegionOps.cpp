#include "geometry/RegionOps.h"

#include "geometry/RegionMemo.h"

namespace brisko {

namespace {

// QRegion's += may append rectangles where + joins bands afresh, so the two are
// remembered apart.
enum class RegionOp : char { Plus, PlusAssign, Minus };

struct Operation {
    RegionOp Op;
    QRegion A, B;
    // Operands handed back by an earlier operation share their data, so most
    // comparisons end at the first pointer test.
    bool operator==(const Operation& o) const { return Op == o.Op && A == o.A && B == o.B; }
};

// Equal regions have the same bounds and as many rectangles; most regions a memo
// holds differ in one of them, which spares comparing them rectangle by rectangle.
std::size_t regionKey(const QRegion& r)
{
    const QRect bounds = r.boundingRect();
    return qHashMulti(0, bounds.left(), bounds.top(), bounds.right(), bounds.bottom(), r.rectCount());
}

std::size_t regionMemoKey(const Operation& o)
{
    return qHashMulti(0, static_cast<int>(o.Op), regionKey(o.A), regionKey(o.B));
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

QRegion unitedRegion(const QRegion& a, const QRegion& b)
{
    if (trivial(a, b))
        return a.isEmpty() ? b : a;
    return operations().regionOf({RegionOp::Plus, a, b}, [&] { return a + b; });
}

void uniteInto(QRegion& a, const QRegion& b)
{
    if (trivial(a, b)) {
        if (a.isEmpty())
            a = b;
        return;
    }
    a = operations().regionOf({RegionOp::PlusAssign, a, b}, [&] {
        QRegion sum = a;
        sum += b;
        return sum;
    });
}

QRegion subtractedRegion(const QRegion& a, const QRegion& b)
{
    if (trivial(a, b))
        return a;
    return operations().regionOf({RegionOp::Minus, a, b}, [&] { return a - b; });
}

void subtractFrom(QRegion& a, const QRegion& b)
{
    a = subtractedRegion(a, b); // QRegion's -= is a = a - b
}

} // namespace brisko
