#pragma once
// Unions and differences of the part regions, each worked out once: the layers of
// a refresh repeat the same joins in several places (an inner outline that copies
// the outer one, the cases that a sweep's next spring length leaves as they were).
// Same operands, same region, so a repeated operation takes the result already
// worked out; operands are known by their shared data (see RegionOps.cpp). Each
// call gives exactly what the QRegion operator it names gives.
#include <QRegion>

namespace brisko {

QRegion unitedRegion(const QRegion& a, const QRegion& b);       // a + b
void uniteInto(QRegion& a, const QRegion& b);                   // a += b
QRegion subtractedRegion(const QRegion& a, const QRegion& b);   // a - b
void subtractFrom(QRegion& a, const QRegion& b);                // a -= b
QRegion translatedRegion(const QRegion& r, int dx, int dy);      // r.translated(dx, dy)

// a - b worked out band by band: the bands of a that b does not reach are copied,
// the others cut, and bands left with the same rectangles joined, which gives
// QRegion's own rectangles. Regions whose bands are not in Qt's order (see
// isBanded) are left to QRegion.
QRegion bandedDifference(const QRegion& a, const QRegion& b);
// a + b worked out band by band in the same way; regions QRegion would append to
// one another as they are are left to it.
QRegion bandedUnion(const QRegion& a, const QRegion& b);
// Whether a region's rectangles lie in bands one under the other, each band's
// rectangles of equal top and bottom, left to right with a gap between them.
bool isBanded(const QRegion& r);

} // namespace brisko
