#pragma once
// The sweep map on the screen: the trials of the running or the last sweep, taken
// from the sweep's own list as it grows, painted by the sweep map's painter. While a
// sweep runs the map is repainted a few times a second, not after every combination.
// A map of many thousand combinations takes seconds to paint, so it is painted into
// a picture on a thread of its own and the window shows the last picture finished:
// STOP and the rest of the window are answered while it is being painted.
#include "render/SweepMap.h"

#include <QFuture>
#include <QImage>
#include <QThreadPool>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
template <typename T> class QFutureWatcher;

namespace brisko::gui {

class SweepMapView : public QWidget {
    Q_OBJECT
public:
    explicit SweepMapView(QWidget* parent = nullptr);
    ~SweepMapView() override;

    // Maps of up to this many combinations are painted on the window's thread.
    static constexpr std::size_t kPaintedAtOnce = 5000;

    // A new sweep of that plan: the map empties and takes the plan's axes.
    void startSweep(const SweepPlan& plan);
    // The sweep's trials so far: those not yet shown are added.
    void follow(const std::vector<SweepTrial>& trials);
    // The sweep is over: the map is shown whole at once.
    void endSweep();

    const std::vector<SweepTrial>& trials() const { return m_trials; }
    // The map as it is painted.
    const SweepMap& map() const;
    SweepMapLayout layout() const;
    // Whether what the view shows is the map of every trial so far at its size.
    bool showsEveryTrial() const;

signals:
    // A picture painted off the window's thread is on the screen.
    void pictureShown();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Picture {
        QImage Image;
        std::size_t Trials = 0;
        QSize Size;
        qint64 PaintMs = 0;
        unsigned Sweep = 0;
    };
    void paintPicture(QPainter& painter);
    void startPicture();
    void takePicture();

    using Points = std::vector<SweepPoint>;
    std::size_t pointCount() const;
    Points everyPoint() const;

    std::vector<SweepTrial> m_trials;
    // The trials as numbers: those handed to a picture already, in pieces that are
    // never changed again (so the painting thread reads them without a copy), and
    // those since.
    std::vector<std::shared_ptr<const Points>> m_handedOut;
    Points m_since;
    std::optional<SweepPlan> m_plan;
    mutable std::optional<SweepMap> m_map; // built again after a change, when asked for
    QTimer* m_repaint = nullptr; // while it runs, no picture is started
    bool m_sweeping = false;
    unsigned m_sweep = 0; // which sweep the trials are of
    Picture m_picture;                           // the last one finished
    QFutureWatcher<Picture>* m_painting = nullptr; // the one being painted, if any
    QThreadPool m_painter;                       // its one thread
};

} // namespace brisko::gui
