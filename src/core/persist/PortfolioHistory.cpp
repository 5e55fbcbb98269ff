#include "persist/PortfolioHistory.h"

#include "text/NumberText.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace brisko {

namespace {

inline constexpr int kRecordFields = 22;
inline constexpr int kFirstFlagField = 14; // field 15, counted from 0
inline constexpr double kFarOffChart = 100000; // pixels; keeps absurd figures drawable

int chartY(double y)
{
    return nearest(std::clamp(y, -kFarOffChart, kFarOffChart));
}

double figure(const QByteArray& text)
{
    const auto value = toDouble(QString::fromLatin1(text));
    return value && std::isfinite(*value) ? *value : 0.0;
}

HistoryPoint pointOf(int stage, const QList<QByteArray>& fields, const std::array<bool, 8>& flags)
{
    HistoryPoint p;
    p.modeY = chartY(300.0 + 30.0 * stage);
    const double seconds = figure(fields[6]);
    const double feet = figure(fields[7]);
    if (feet < 15)
        p.timeY = -1; // the car did not reach 15 ft: above the window
    else if (seconds >= 0.01)
        p.timeY = chartY(100.0 - 20.0 * seconds);
    if (feet >= 0.01)
        p.distanceY = chartY(240.0 - feet);
    p.advised = std::find(flags.begin(), flags.end(), true) != flags.end();
    return p;
}

} // namespace

bool readHistoryLine(const QByteArray& raw, std::array<bool, 8>& flags, std::optional<HistoryPoint>& point)
{
    point.reset();
    QByteArray line = raw;
    line.replace('[', QByteArray()).replace(']', QByteArray());
    while (line.endsWith('\r') || line.endsWith('\n'))
        line.chop(1);
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != kRecordFields)
        return false;
    const auto stage = toInt(QString::fromLatin1(fields[0]));
    if (!stage)
        return false;
    for (int i = 0; i < 8; ++i) {
        const QByteArray& flag = fields[kFirstFlagField + i];
        if (flag == "1" || flag == "0")
            flags[size_t(i)] = flag == "1"; // "-": not evaluated, the last known value stays
    }
    if (*stage >= 0)
        point = pointOf(*stage, fields, flags);
    return true;
}

void PortfolioHistory::setPath(const QString& path)
{
    if (path == m_path)
        return;
    m_path = path;
    reset();
}

void PortfolioHistory::reset()
{
    m_consumed = 0;
    m_flags = {};
    m_points.clear();
    m_tail.reset();
}

bool PortfolioHistory::update(QString* error)
{
    if (m_path.isEmpty()) {
        if (error)
            *error = QStringLiteral("No design portfolio has been chosen, so there is no history to show.");
        return false;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The design portfolio \"%1\" cannot be read: %2").arg(m_path, file.errorString());
        return false;
    }
    if (file.size() < m_consumed)
        reset();
    if (file.size() == m_consumed && !m_tail)
        return true;
    file.seek(m_consumed);
    readLines(file.readAll());
    return true;
}

void PortfolioHistory::readLines(const QByteArray& bytes)
{
    qsizetype start = 0;
    std::optional<HistoryPoint> point;
    for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        if (readHistoryLine(bytes.sliced(start, end - start), m_flags, point) && point)
            m_points.push_back(*point);
        start = end + 1;
    }
    m_consumed += start;
    // A last line without its line end is shown, and read again once it is ended.
    m_tail.reset();
    std::array<bool, 8> flags = m_flags;
    if (start < bytes.size())
        readHistoryLine(bytes.sliced(start), flags, m_tail);
}

} // namespace brisko
