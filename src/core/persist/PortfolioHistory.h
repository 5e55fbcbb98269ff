#pragma once
// The design portfolio read back for the Design History chart. The file only ever
// grows, so what was read is kept and each update reads only the lines appended
// since; a file that became shorter was replaced and is read again from its start.
// Each record of stage 0 or more becomes one point of the chart, worked out once.
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace brisko {

// Chart rows of one plotted record, in window pixels.
struct HistoryPoint {
    int modeY = 300;              // 300 + 30 x stage
    std::optional<int> timeY;     // nothing: the time line keeps its previous y
    std::optional<int> distanceY; // nothing: the distance line keeps its previous y
    bool advised = false;         // one of the last known advisory flags is raised
    bool operator==(const HistoryPoint&) const = default;
};

// One portfolio line as the chart sees it: nothing for a line without 22 fields or
// without a whole-number stage. `flags` holds the last known advisory flags and is
// updated by every readable line; `point` is set for a stage of 0 or more.
bool readHistoryLine(const QByteArray& line, std::array<bool, 8>& flags, std::optional<HistoryPoint>& point);

class PortfolioHistory {
public:
    // A different file starts the reading over.
    void setPath(const QString& path);
    const QString& path() const { return m_path; }

    // Reads what was appended since the last update. False, with `error` set, when
    // there is no portfolio or it cannot be read; the points read before stay.
    bool update(QString* error = nullptr);

    // The plotted records in portfolio order, a last line not yet ended included.
    int count() const { return int(m_points.size()) + (m_tail ? 1 : 0); }
    const HistoryPoint& at(int index) const
    {
        return index < int(m_points.size()) ? m_points[size_t(index)] : *m_tail;
    }

private:
    void reset();
    void readLines(const QByteArray& bytes);

    QString m_path;
    qint64 m_consumed = 0; // bytes of the lines read up to their line end
    std::array<bool, 8> m_flags{};
    std::vector<HistoryPoint> m_points;
    std::optional<HistoryPoint> m_tail;
};

} // namespace brisko
