#include "dialogs/SweepMapView.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace brisko::gui {

namespace {
constexpr int kRepaintMs = 150;
}

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
}

void SweepMapView::startSweep(const SweepPlan& plan)
{
    m_plan = plan;
    m_trials.clear();
    m_map.reset();
    update();
}

void SweepMapView::follow(const std::vector<SweepTrial>& trials)
{
    if (trials.size() <= m_trials.size())
        return;
    m_trials.insert(m_trials.end(), trials.begin() + static_cast<std::ptrdiff_t>(m_trials.size()), trials.end());
    m_map.reset();
    if (!m_repaint->isActive())
        m_repaint->start();
}

void SweepMapView::endSweep()
{
    m_repaint->stop();
    update();
}

const SweepMap& SweepMapView::map() const
{
    if (!m_map)
        m_map = sweepMap(m_trials, m_plan ? &*m_plan : nullptr);
    return *m_map;
}

SweepMapLayout SweepMapView::layout() const
{
    return sweepMapLayout(size(), map(), font());
}

void SweepMapView::paintEvent(QPaintEvent*)
{
    QElapsedTimer clock;
    clock.start();
    QPainter painter(this);
    paintSweepMap(painter, size(), map());
    // A map that takes long to paint is painted less often while the sweep runs.
    m_repaint->setInterval(std::max<int>(kRepaintMs, static_cast<int>(clock.elapsed()) * 4));
}

} // namespace brisko::gui
