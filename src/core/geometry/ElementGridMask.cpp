#include "geometry/ElementGridMask.h"

#include <algorithm>

namespace brisko {

namespace {

// Floor and ceiling of a / b for b > 0, also for negative a.
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int ceilDiv(int a, int b)
{
    return -floorDiv(-a, b);
}

} // namespace

ElementGridMask::ElementGridMask(int size, int columns, int rows)
    : m_size(size)
    , m_half(size / 2)
    , m_columns(static_cast<size_t>(std::max(columns, 0)))
    , m_rows(std::max(rows, 0))
    , m_cells(m_columns * static_cast<size_t>(m_rows), 0)
{
}

void ElementGridMask::mark(const QRegion& region, std::uint8_t bit)
{
    for (const QRect& rect : region)
        markRect(rect, bit);
}

void ElementGridMask::markRect(const QRect& rect, std::uint8_t bit)
{
    // Columns whose centre x lies in [left, right], rows whose centre y lies in
    // [top, bottom] (a rectangle of a region holds both of its edges' pixels).
    // Most rectangles of an outline are one pixel high and miss every row of centres.
    const int firstRow = std::max(ceilDiv(540 + m_half - rect.bottom(), m_size), 0);
    const int lastRow = std::min(floorDiv(540 + m_half - rect.top(), m_size), m_rows - 1);
    if (firstRow > lastRow)
        return;
    const int firstColumn = std::max(ceilDiv(rect.left() - m_half, m_size), 0);
    const int lastColumn = std::min(floorDiv(rect.right() - m_half, m_size), static_cast<int>(m_columns) - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        std::uint8_t* cell = m_cells.data() + static_cast<size_t>(row) * m_columns;
        for (int column = firstColumn; column <= lastColumn; ++column)
            cell[column] |= bit;
    }
}

} // namespace brisko
