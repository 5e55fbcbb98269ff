#include "output/TemplateTiling.h"

#include <QtMath>

namespace brisko {

namespace {

// A span cut into `count` pieces of one length that overlap by `overlap`; the last
// piece ends with the span.
struct Cut {
    int Count = 1;
    int Length = 0;
    int Step = 0;
};

Cut cutSpan(int span, int room, int overlap)
{
    if (span <= room)
        return {1, span, span};
    const int usable = qMax(1, room - overlap);
    const int count = 1 + (span - room + usable - 1) / usable;
    const int length = (span + (count - 1) * overlap + count - 1) / count;
    return {count, length, length - overlap};
}

int startOf(const Cut& cut, int index, int from)
{
    return from + index * cut.Step;
}

int lengthOf(const Cut& cut, int index, int from, int end)
{
    return qMin(startOf(cut, index, from) + cut.Length, end) - startOf(cut, index, from);
}

TemplateTiling onePage(const QRect& extent, const QRect& printable, const QPoint& origin)
{
    TemplateTiling t;
    t.Extent = extent;
    t.Printable = printable;
    t.Windows = {QRect(origin, printable.size())};
    return t;
}

} // namespace

TemplateTiling tileTemplate(const QRect& extent, const QRect& printable, const Frame& printer)
{
    if (printable.contains(extent))
        return onePage(extent, printable, printable.topLeft());
    if (extent.width() <= printable.width() && extent.height() <= printable.height())
        return onePage(extent, printable, extent.topLeft());

    const int overlapX = qRound(kTileOverlapInches * 72.0 * printer.ScaleX);
    const int overlapY = qRound(kTileOverlapInches * 72.0 * printer.ScaleY);
    const int caption = qRound(kTileCaptionInches * 72.0 * printer.ScaleY);
    const Cut across = cutSpan(extent.width(), printable.width(), overlapX);
    const Cut down = cutSpan(extent.height(), qMax(1, printable.height() - caption), overlapY);

    TemplateTiling t;
    t.Extent = extent;
    t.Printable = printable;
    t.Columns = across.Count;
    t.Rows = down.Count;
    const int right = extent.left() + extent.width();
    const int bottom = extent.top() + extent.height();
    for (int row = 0; row < down.Count; ++row)
        for (int column = 0; column < across.Count; ++column)
            t.Windows << QRect(startOf(across, column, extent.left()), startOf(down, row, extent.top()),
                               lengthOf(across, column, extent.left(), right),
                               lengthOf(down, row, extent.top(), bottom));
    return t;
}

QVector<QPoint> alignmentMarks(const TemplateTiling& t)
{
    QVector<QPoint> marks;
    if (!t.tiled())
        return marks;
    const auto window = [&](int row, int column) { return t.Windows[row * t.Columns + column]; };
    for (int row = 0; row < t.Rows; ++row)
        for (int column = 0; column + 1 < t.Columns; ++column) {
            const QRect left = window(row, column);
            const QRect right = window(row, column + 1);
            const int x = (right.left() + left.left() + left.width()) / 2;
            marks << QPoint(x, left.top() + left.height() / 4) << QPoint(x, left.top() + 3 * left.height() / 4);
        }
    for (int row = 0; row + 1 < t.Rows; ++row)
        for (int column = 0; column < t.Columns; ++column) {
            const QRect upper = window(row, column);
            const QRect lower = window(row + 1, column);
            const int y = (lower.top() + upper.top() + upper.height()) / 2;
            marks << QPoint(upper.left() + upper.width() / 4, y) << QPoint(upper.left() + 3 * upper.width() / 4, y);
        }
    return marks;
}

} // namespace brisko
