#pragma once
// The engine behind the main window's refresh: one virtual prototype over the
// session's design, laid out in the window, drawing into the sheet and writing its
// figures into the state panels. It plugs into the window's seams.
#include "analysis/PrototypeDetails.h"
#include "analysis/VirtualPrototype.h"
#include "mainwin/MainWindowSeams.h"

#include <QPainter>
#include <array>
#include <memory>
#include <optional>

namespace brisko::gui {

class BuildView;
class DynamicControls;
class WindowLock;
class PreviewControls;
class TRPWin;
struct WheelContacts;

inline constexpr int kKeptTraces = 16; // the race's lanes: the first 16 designs of the list

class PrototypeRefresh {
public:
    explicit PrototypeRefresh(TRPWin& window);
    ~PrototypeRefresh();

    // Installs prepareRefresh, the work of each state, the sheet background and the
    // layout step, and wires the Simulate panel's buttons.
    void install(MainWindowSeams& seams);

    // A simulation run is under way (an animation lets events through while it draws).
    bool isRunning() const { return m_running; }
    bool isAnimating() const { return m_running && m_animating; }
    // The running animation draws no further frame and lets no more events through;
    // the run itself completes.
    void stopAnimation() { m_stopAnimation = true; }
    // One step forward: the spring figures again and the run drawing the requested
    // frame; the drawing and the masses stay as they are.
    void stepDynamic();

    const VirtualPrototype& prototype() const { return m_prototype; }
    // The texts of the virtual-prototype details (`VPWin`) from the last refresh.
    PrototypeDetails details() const { return prototypeDetailsOf(m_prototype, m_prototype.design()); }
    // The last run of the design at `position` (0..15), none before its first run.
    const std::optional<RaceTrace>& traceOf(int position) const { return m_traces.at(position); }
    float lastCaseOuterDia() const { return m_prototype.mass().CaseOuterDia; }

    // The layout step: the sheet scaled into the room the window leaves beside and
    // below the drawing area's top-left corner.
    void recomputeLayout();
    void drawBackground(ProcessState state);

    // The layout rerun for a 3D picture of `pictureSize` and the regions rebuilt in
    // it, just before a build drawing.
    const CarGeometry& geometryForBuildView(float pictureSize);
    const BuildView& buildView() const { return *m_buildView; }

private:
    void prepare(ProcessState state);
    void showSizing();
    void showCorrectedDesignTexts(const CarDesign& before);

    void setWork();
    void buildWork(int startAt);
    void previewWork();
    void printWork(int arg);
    void installBuildView(MainWindowSeams& seams);
    void propWork(int startAt);
    void dynamicWork(int startAt);
    void raceWork(int startAt);

    // Spring figures, mass step, revolutions and statics; with a painter, the element
    // grid, the centre-of-mass mark and the drive direction are drawn as they come.
    void analyse(int startAt, QPainter* painter);
    void simulate(const DynamicRunOptions& options);
    // The run of the Dynamic state with its frames drawn, then the panel's buttons.
    void runDisplayed();
    void drawFrame(const DynamicFrame& frame);
    void showDynamicButtons(const DynamicResult& result, int requestedFrame);
    void showRevisedDistance(const DynamicResult& result);
    void showRestingNormalForces();
    WheelContacts wheelContactsNow() const;
    void showAnalysisFigures();
    void keepRun();
    void showAdvisories(ProcessState state);
    void syncResultTexts();
    void repaintSheet();

    TRPWin& m_window;
    VirtualPrototype m_prototype;
    std::array<std::optional<RaceTrace>, kKeptTraces> m_traces;
    DynamicControls* m_controls = nullptr;
    BuildView* m_buildView = nullptr;
    PreviewControls* m_preview = nullptr;
    std::unique_ptr<WindowLock> m_lock;
    float m_pictureSize = 0.4f;
    bool m_running = false;
    bool m_animating = false; // the running run draws every frame
    bool m_stopAnimation = false;
};

} // namespace brisko::gui
