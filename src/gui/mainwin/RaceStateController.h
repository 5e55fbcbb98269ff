#pragma once
// The Race state: the track over the sheet, its clock and playback speed, the
// lanes that race (the first 16 of the design list, or the class final's), and the
// chart of a race run to its end. The advisories step aside from the finish.
#include "mainwin/RacePlayback.h"
#include "mainwin/StateController.h"
#include "mainwin/StatePanels.h"

#include <QObject>
#include <QVector>
#include <functional>
#include <memory>

class QTimer;

namespace brisko::gui {

struct WindowContext;

class RaceStateController : public QObject, public StateController {
    Q_OBJECT
public:
    RaceStateController(WindowContext& context, const RaceControls& controls);
    ~RaceStateController() override;

    QList<QWidget*> panels() const override { return {m_controls.panel}; }
    void enter() override;
    void leave() override;

    // The lanes of the next race: the given design-list positions (at most 16), or
    // the first 16 entries when empty.
    void chooseLanes(const QVector<int>& positions);
    QVector<int> racedPositions() const;
    // Every simulated design among the raced lanes runs in its own lane; the track
    // fills the drawing sheet.
    void race();
    void tick();
    void speedChanged(int position);

    const RacePlayback& playback() const { return *m_playback; }
    RacePlayback& playback() { return *m_playback; }
    QTimer* clock() const { return m_clock; }
    const RaceControls& controls() const { return m_controls; }

    // The advisories window's corner lies over the track's finish.
    std::function<void(bool aside)> setAdvisoriesAside;

private:
    WindowContext& m_context;
    RaceControls m_controls;
    QTimer* m_clock;
    std::unique_ptr<RacePlayback> m_playback;
    QVector<int> m_lanes;
};

} // namespace brisko::gui
