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

// The centres a region's rectangle covers: columns whose centre x lies in [left,
// right], rows whose centre y lies in [top, bottom] (a rectangle of a region holds
// both of its edges' pixels). Empty when first > last in either direction.
struct CoveredCentres {
    int firstRow, lastRow, firstColumn, lastColumn;
};

CoveredCentres coveredBy(const QRect& rect, int size, int half, int columns, int rows)
{
    CoveredCentres c{0, -1, 0, -1};
    // Most rectangles of an outline are one pixel high and miss every row of
    // centres: their columns are not worked out.
    const int firstRow = std::max(ceilDiv(540 + half - rect.bottom(), size), 0);
    const int lastRow = std::min(floorDiv(540 + half - rect.top(), size), rows - 1);
    if (firstRow > lastRow)
        return c;
    c.firstRow = firstRow;
    c.lastRow = lastRow;
    c.firstColumn = std::max(ceilDiv(rect.left() - half, size), 0);
    c.lastColumn = std::min(floorDiv(rect.right() - half, size), columns - 1);
    return c;
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
    const CoveredCentres c = coveredBy(rect, m_size, m_half, static_cast<int>(m_columns), m_rows);
    for (int row = c.firstRow; row <= c.lastRow; ++row) {
        std::uint8_t* cell = m_cells.data() + static_cast<size_t>(row) * m_columns;
        for (int column = c.firstColumn; column <= c.lastColumn; ++column)
            cell[column] |= bit;
    }
}

ElementGridRows::ElementGridRows(int size, int columns, int rows)
    : m_size(size)
    , m_half(size / 2)
    , m_columns(std::max(columns, 0))
    , m_rows(std::max(rows, 0))
    , m_words((m_columns + 63) / 64)
    , m_bits(static_cast<size_t>(m_words) * static_cast<size_t>(m_rows), 0)
{
}

void ElementGridRows::mark(const QRegion& region)
{
    for (const QRect& rect : region) {
        const CoveredCentres c = coveredBy(rect, m_size, m_half, m_columns, m_rows);
        if (c.firstRow > c.lastRow || c.firstColumn > c.lastColumn)
            continue;
        // The run's words: the first and last ones partly, those between whole.
        const int firstWord = c.firstColumn / 64;
        const int lastWord = c.lastColumn / 64;
        const std::uint64_t head = ~std::uint64_t{0} << (c.firstColumn % 64);
        const std::uint64_t tail = ~std::uint64_t{0} >> (63 - c.lastColumn % 64);
        for (int row = c.firstRow; row <= c.lastRow; ++row) {
            std::uint64_t* bits = m_bits.data() + static_cast<size_t>(row) * m_words;
            if (firstWord == lastWord) {
                bits[firstWord] |= head & tail;
                continue;
            }
            bits[firstWord] |= head;
            for (int w = firstWord + 1; w < lastWord; ++w)
                bits[w] = ~std::uint64_t{0};
            bits[lastWord] |= tail;
        }
    }
}

} // namespace brisko
