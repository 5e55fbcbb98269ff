#include "render/RacePainter.h"

#include <QFont>

namespace brisko {

namespace {

void writeBold(QPainter& painter, const TrackGeometry& track, int x, int lane, const QString& text)
{
    if (text.isEmpty())
        return;
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSize(std::max(1, track.fontSize()));
    // Names are written again at every step: without smoothing they stay crisp.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect box(QPoint(x, track.laneTop(lane)), QSize(1, 1));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
    painter.restore();
}

} // namespace

void paintRaceStep(QPainter& painter, const TrackGeometry& track, const std::vector<BarSegment>& drawn,
                   const LaneTexts& names)
{
    std::array<bool, kRaceLanes> moved{};
    for (const BarSegment& s : drawn) {
        if (s.ToX > s.FromX)
            painter.fillRect(QRect(QPoint(s.FromX, s.Top), QPoint(s.ToX - 1, s.Bottom - 1)), s.Colour);
        moved[s.Lane] = true;
    }
    for (int lane = 0; lane < kRaceLanes; ++lane)
        if (moved[lane])
            writeBold(painter, track, track.nameX(), lane, names[lane]);
}

void paintRaceResults(QPainter& painter, const TrackGeometry& track, const LaneTexts& results)
{
    for (int lane = 0; lane < kRaceLanes; ++lane)
        writeBold(painter, track, track.resultX(), lane, results[lane]);
}

} // namespace brisko
