#include "geometry/RegionOps.h"

#include "geometry/RegionMemo.h"

namespace brisko {

namespace {

// QRegion's += may append rectangles where + joins bands afresh, so the two are
// remembered apart.
enum class RegionOp : char { Plus, PlusAssign, Minus };

// The rectangles of a region hashed whole.
std::size_t contentHash(const QRegion& r)
{
    return qHashBits(r.begin(), static_cast<std::size_t>(r.rectCount()) * sizeof(QRect));
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
        return a - b;
    });
}

void subtractFrom(QRegion& a, const QRegion& b)
{
    a = subtractedRegion(a, b); // QRegion's -= is a = a - b
}

} // namespace brisko
