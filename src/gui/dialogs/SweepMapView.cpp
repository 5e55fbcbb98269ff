#include "dialogs/SweepMapView.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QPainter>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace brisko::gui {

namespace {
constexpr int kRepaintMs = 150;

using Points = std::vector<SweepPoint>;

Points joined(const std::vector<std::shared_ptr<const Points>>& pieces, const Points& rest = {})
{
    Points all;
    std::size_t count = rest.size();
    for (const auto& piece : pieces)
        count += piece->size();
    all.reserve(count);
    for (const auto& piece : pieces)
        all.insert(all.end(), piece->begin(), piece->end());
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
}
} // namespace

SweepMapView::SweepMapView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SweepMapView"));
    setMinimumSize(480, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_repaint = new QTimer(this);
    m_repaint->setSingleShot(true);
    m_repaint->setInterval(kRepaintMs);
    connect(m_repaint, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_painter.setMaxThreadCount(1);
}

// A picture still being painted is waited for: it reads nothing of the view's.
SweepMapView::~SweepMapView() = default;

void SweepMapView::startSweep(const SweepPlan& plan)
{
    m_plan = plan;
    m_trials.clear();
    m_trials.reserve(trialRoom(combinationCount(plan)));
    m_handedOut.clear();
    m_since.clear();
    m_map.reset();
    m_picture = {};
    ++m_sweep; // a picture of the last sweep still being painted is not shown
    m_sweeping = true;
    update();
}

void SweepMapView::follow(const std::vector<SweepTrial>& trials)
{
    if (trials.size() <= m_trials.size())
        return;
    for (std::size_t i = m_trials.size(); i < trials.size(); ++i)
        m_since.push_back(sweepPoint(trials[i], i));
    m_trials.insert(m_trials.end(), trials.begin() + static_cast<std::ptrdiff_t>(m_trials.size()), trials.end());
    m_map.reset();
    if (!m_repaint->isActive())
        m_repaint->start();
}

void SweepMapView::endSweep()
{
    m_sweeping = false;
    m_repaint->stop();
    update();
}

const SweepMap& SweepMapView::map() const
{
    if (!m_map)
        m_map = sweepMapOfPoints(everyPoint(), m_plan ? &*m_plan : nullptr);
    return *m_map;
}

std::size_t SweepMapView::pointCount() const
{
    return m_trials.size();
}

SweepMapView::Points SweepMapView::everyPoint() const
{
    return joined(m_handedOut, m_since);
}

SweepMapLayout SweepMapView::layout() const
{
    return sweepMapLayout(size(), map(), font());
}

bool SweepMapView::showsEveryTrial() const
{
    return pointCount() <= kPaintedAtOnce
        || (m_picture.Trials == pointCount() && m_picture.Size == size() && !m_picture.Image.isNull());
}

void SweepMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (pointCount() > kPaintedAtOnce) {
        paintPicture(painter);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    paintSweepMap(painter, size(), map());
    // A map that takes long to paint is painted less often while the sweep runs.
    m_repaint->setInterval(std::max<int>(kRepaintMs, static_cast<int>(clock.elapsed()) * 4));
}

// The last picture finished, stretched to the view until one of its size is ready;
// a newer one is asked for when the trials or the size have changed since.
void SweepMapView::paintPicture(QPainter& painter)
{
    if (m_picture.Image.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(QRectF(rect()), m_picture.Image);
    if (!showsEveryTrial() && !m_repaint->isActive())
        startPicture();
}

void SweepMapView::startPicture()
{
    if (m_painting)
        return; // the next is asked for when this one is shown
    m_painting = new QFutureWatcher<Picture>(this);
    connect(m_painting, &QFutureWatcher<Picture>::finished, this, &SweepMapView::takePicture);
    if (!m_since.empty()) {
        m_handedOut.push_back(std::make_shared<const Points>(std::move(m_since)));
        m_since = {};
    }
    std::vector<std::shared_ptr<const Points>> pieces = m_handedOut;
    const std::optional<SweepPlan> plan = m_plan;
    const QSize at = size();
    const qreal ratio = devicePixelRatioF();
    const QFont base = font();
    const unsigned sweep = m_sweep;
    m_painting->setFuture(QtConcurrent::run(&m_painter, [pieces = std::move(pieces), plan, at, ratio, base, sweep] {
        QElapsedTimer clock;
        clock.start();
        Points points = joined(pieces);
        const std::size_t trials = points.size();
        const SweepMap map = sweepMapOfPoints(std::move(points), plan ? &*plan : nullptr);
        QImage image = sweepMapPicture(map, at, ratio, base);
        return Picture{std::move(image), trials, at, clock.elapsed(), sweep};
    }));
}

// The finished picture goes on the screen; while the sweep runs, the next one is
// started after a pause of three times its painting, so painting takes no more
// than a quarter of a processor from the sweep.
void SweepMapView::takePicture()
{
    Picture finished = m_painting->result();
    m_painting->deleteLater();
    m_painting = nullptr;
    if (finished.Sweep == m_sweep)
        m_picture = std::move(finished);
    if (m_sweeping) {
        m_repaint->setInterval(static_cast<int>(std::max<qint64>(kRepaintMs, m_picture.PaintMs * 3)));
        m_repaint->start();
    }
    update();
    emit pictureShown();
}

} // namespace brisko::gui
