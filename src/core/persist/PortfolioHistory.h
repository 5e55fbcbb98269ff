#pragma once
// The design portfolio read back for the Design History chart. The file only ever
// grows, so what was read is kept and each update reads, as a stream, only the
// bytes appended since; a file that became shorter was replaced and is read again
// from its start. Each record of stage 0 or more becomes one point of the chart,
// worked out once. Lines are bounded in length and checked (PortfolioRecordCheck.h):
// a damaged line is skipped and counted, never drawn. Only a regular file is read,
// and at most kHistoryMaxPoints records are kept.
#include "persist/PortfolioRecordCheck.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QFile;

namespace brisko {

// The longest line read as a record; a longer one is skipped unread.
inline constexpr qsizetype kHistoryMaxLineBytes = 64 * 1024;
// The most records the chart keeps (12 bytes each); later ones are not read.
inline constexpr qsizetype kHistoryMaxPoints = 8'000'000;

// Chart rows of one plotted record, in window pixels.
struct HistoryPoint {
    int modeY = 300;              // 300 + 30 x stage
    std::optional<int> timeY;     // nothing: the time line keeps its previous y
    std::optional<int> distanceY; // nothing: the distance line keeps its previous y
    bool advised = false;         // one of the last known advisory flags is raised
    bool operator==(const HistoryPoint&) const = default;
};

// What reading remembers from one line to the next.
struct HistoryReading {
    std::array<bool, 8> flags{}; // the last known advisory flags
    RecordOrder order;
};

// One portfolio line as the chart sees it: false for a line that fails the record
// check. `reading` is moved on by every line that passes; `point` is set for a
// stage of 0 or more.
bool readHistoryLine(QByteArrayView line, HistoryReading& reading, std::optional<HistoryPoint>& point);

class PortfolioHistory {
public:
    // A different file starts the reading over.
    void setPath(const QString& path);
    const QString& path() const { return m_path; }

    // Reads what was appended since the last update. False, with `error` set, when
    // there is no portfolio, it is no regular file or it cannot be read; the points
    // read before stay.
    bool update(QString* error = nullptr);

    // The plotted records in portfolio order, a last line not yet ended included.
    int count() const { return int(m_points.size()) + (m_tail ? 1 : 0); }
    HistoryPoint at(int index) const;

    // Lines skipped as damaged (a last line not yet ended is not counted).
    qint64 skippedLines() const { return m_skipped; }
    // True when the portfolio holds more records than the chart keeps.
    bool truncated() const { return m_truncated; }

private:
    struct StoredPoint {
        std::int32_t timeY;
        std::int32_t distanceY;
        std::int8_t stage;
        std::uint8_t marks; // which of timeY and distanceY are set, and the advisory
    };
    static StoredPoint stored(const HistoryPoint& point);

    void reset();
    void readStream(QFile& file);
    void takeBytes(const char* bytes, qsizetype size);
    void endLine();
    void takeLine(QByteArrayView line);
    void readTail();

    QString m_path;
    qint64 m_consumed = 0; // bytes read, the line not yet ended included
    HistoryReading m_reading;
    std::vector<StoredPoint> m_points;
    QByteArray m_line;          // the line being read, up to its bound
    bool m_lineTooLong = false; // the line being read passed its bound and is skipped
    std::optional<HistoryPoint> m_tail;
    qint64 m_skipped = 0;
    bool m_truncated = false;
};

} // namespace brisko
