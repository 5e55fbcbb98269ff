#pragma once
// Which element centres of a square grid lie in which regions. Each region's
// rectangles are marked straight onto the centres they cover, so building the
// mask costs about one step per covered centre and a test is one lookup, exactly
// as a point-in-region test would answer.
#include <QPoint>
#include <QRegion>

#include <cstdint>
#include <vector>

namespace brisko {

class ElementGridMask {
public:
    // Centres at x = h + k s for k = 0 .. columns - 1 and y = 540 + h - r s for
    // r = 0 .. rows - 1, with h = s div 2.
    ElementGridMask(int size, int columns, int rows);

    // Sets `bit` at every centre that lies in `region`.
    void mark(const QRegion& region, std::uint8_t bit);

    std::uint8_t at(int column, int row) const { return m_cells[static_cast<size_t>(row) * m_columns + column]; }
    QPoint centre(int column, int row) const { return {m_half + column * m_size, 540 + m_half - row * m_size}; }

private:
    void markRect(const QRect& rect, std::uint8_t bit);

    int m_size;
    int m_half;
    size_t m_columns;
    int m_rows;
    std::vector<std::uint8_t> m_cells;
};

// The same centres of one region as rows of bits, bit k of a row standing for
// column k: a rectangle marks a run of bits a word at a time, and the layers of a
// row are a few word operations instead of one step per centre.
class ElementGridRows {
public:
    ElementGridRows(int size, int columns, int rows);

    // Sets the bit of every centre that lies in `region`.
    void mark(const QRegion& region);

    int words() const { return m_words; }
    const std::uint64_t* row(int r) const { return m_bits.data() + static_cast<size_t>(r) * m_words; }

private:
    int m_size;
    int m_half;
    int m_columns;
    int m_rows;
    int m_words;
    std::vector<std::uint64_t> m_bits;
};

} // namespace brisko
