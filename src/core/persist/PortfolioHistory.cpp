#include "persist/PortfolioHistory.h"

#include "persist/RegularFile.h"
#include "text/NumberText.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace brisko {

namespace {

constexpr qint64 kReadChunk = 256 * 1024;
constexpr double kFarOffChart = 100000; // pixels; keeps absurd figures drawable
constexpr std::uint8_t kHasTime = 1, kHasDistance = 2, kAdvised = 4;

int chartY(double y)
{
    return nearest(std::clamp(y, -kFarOffChart, kFarOffChart));
}

double figure(QByteArrayView text)
{
    const auto value = latin1ToDouble(text);
    return value && std::isfinite(*value) ? *value : 0.0;
}

int modeYOf(int stage)
{
    return 300 + 30 * stage;
}

HistoryPoint pointOf(int stage, const RecordFields& fields, const std::array<bool, 8>& flags)
{
    HistoryPoint p;
    p.modeY = modeYOf(stage);
    const double seconds = figure(fields.field[6]);
    const double feet = figure(fields.field[7]);
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

bool readHistoryLine(QByteArrayView line, HistoryReading& reading, std::optional<HistoryPoint>& point)
{
    point.reset();
    if (line.endsWith('\r'))
        line.chop(1);
    QByteArray cleaned; // the brackets dropped, where there are any
    if (line.contains('[') || line.contains(']')) {
        cleaned = line.toByteArray();
        cleaned.replace('[', QByteArray()).replace(']', QByteArray());
        line = cleaned;
    }
    const RecordFields fields = splitRecord(line);
    if (checkRecord(line, fields, reading.order) != RecordFault::None)
        return false;
    for (int i = 0; i < 8; ++i) {
        const QByteArrayView flag = fields.field[size_t(kFirstFlagField + i)];
        if (flag != "-")
            reading.flags[size_t(i)] = flag == "1"; // "-": not evaluated, the last known value stays
    }
    const int stage = fields.field[0].toInt();
    if (stage >= 0)
        point = pointOf(stage, fields, reading.flags);
    return true;
}

PortfolioHistory::StoredPoint PortfolioHistory::stored(const HistoryPoint& p)
{
    StoredPoint s{p.timeY.value_or(0), p.distanceY.value_or(0), std::int8_t((p.modeY - 300) / 30), 0};
    s.marks = std::uint8_t((p.timeY ? kHasTime : 0) | (p.distanceY ? kHasDistance : 0) | (p.advised ? kAdvised : 0));
    return s;
}

HistoryPoint PortfolioHistory::at(int index) const
{
    if (index >= int(m_points.size()))
        return *m_tail;
    const StoredPoint& s = m_points[size_t(index)];
    HistoryPoint p;
    p.modeY = modeYOf(s.stage);
    if (s.marks & kHasTime)
        p.timeY = s.timeY;
    if (s.marks & kHasDistance)
        p.distanceY = s.distanceY;
    p.advised = (s.marks & kAdvised) != 0;
    return p;
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
    m_reading = {};
    m_points.clear();
    m_points.shrink_to_fit();
    m_line.clear();
    m_lineTooLong = false;
    m_tail.reset();
    m_skipped = 0;
    m_truncated = false;
}

bool PortfolioHistory::update(QString* error)
{
    if (m_path.isEmpty()) {
        if (error)
            *error = QStringLiteral("No design portfolio has been chosen, so there is no history to show.");
        return false;
    }
    QFile file;
    QString reason;
    if (!openRegularForReading(m_path, file, &reason)) {
        if (error)
            *error = QStringLiteral("The design portfolio \"%1\" cannot be read: %2").arg(m_path, reason);
        return false;
    }
    if (file.size() < m_consumed)
        reset();
    if (file.size() > m_consumed && !m_truncated) {
        file.seek(m_consumed);
        readStream(file);
    }
    return true;
}

void PortfolioHistory::readStream(QFile& file)
{
    QByteArray chunk(kReadChunk, Qt::Uninitialized);
    m_reading.order.today = QDate::currentDate();
    qint64 n = 0;
    while (!m_truncated && (n = file.read(chunk.data(), kReadChunk)) > 0) {
        m_consumed += n;
        takeBytes(chunk.constData(), n);
    }
    readTail();
}

void PortfolioHistory::takeBytes(const char* bytes, qsizetype size)
{
    const char* end = bytes + size;
    while (bytes < end && !m_truncated) {
        const char* newline = std::find(bytes, end, '\n');
        const qsizetype piece = newline - bytes;
        if (newline != end && m_line.isEmpty() && !m_lineTooLong && piece <= kHistoryMaxLineBytes) {
            // A whole line in the piece read is taken where it lies.
            takeLine(QByteArrayView(bytes, piece));
            bytes = newline + 1;
            continue;
        }
        if (!m_lineTooLong) {
            if (m_line.size() + piece > kHistoryMaxLineBytes) {
                m_lineTooLong = true;
                m_line.clear();
            } else {
                m_line.append(bytes, piece);
            }
        }
        if (newline == end)
            return;
        endLine();
        bytes = newline + 1;
    }
}

void PortfolioHistory::endLine()
{
    if (m_lineTooLong) {
        ++m_skipped;
        if (qsizetype(m_points.size()) >= kHistoryMaxPoints)
            m_truncated = true;
    } else {
        takeLine(m_line);
    }
    m_line.clear();
    m_lineTooLong = false;
}

void PortfolioHistory::takeLine(QByteArrayView line)
{
    std::optional<HistoryPoint> point;
    if (!readHistoryLine(line, m_reading, point))
        ++m_skipped;
    else if (point)
        m_points.push_back(stored(*point));
    if (qsizetype(m_points.size()) >= kHistoryMaxPoints)
        m_truncated = true;
}

// A last line without its line end is shown, and read for good once it is ended.
void PortfolioHistory::readTail()
{
    m_tail.reset();
    if (m_line.isEmpty() || m_lineTooLong || m_truncated)
        return;
    HistoryReading reading = m_reading;
    readHistoryLine(m_line, reading, m_tail);
}

} // namespace brisko
