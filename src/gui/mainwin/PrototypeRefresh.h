#pragma once
// The main window's part of every refresh: it lays the sheet out in the window,
// asks the session for the one refresh of the state and, as the steps come, draws
// the sheet (the design view, the build view, the preview and print pictures),
// shows the figure sheet in the panels and the advisories, and lets events through
// while a run is animated. It computes no figure itself.
#include "analysis/FigureSheet.h"
#include "analysis/PrototypeDetails.h"
#include "analysis/RefreshObserver.h"
#include "analysis/VirtualPrototype.h"

#include <QColor>
#include <QPainter>
#include <functional>
#include <memory>
#include <optional>

namespace brisko::gui {

class BuildView;
class StateController;
class RaceStateController;
class SetStatePanel;
class SimulateStateController;
class TADWin;
struct PanelFigureFields;
struct WheelContacts;
struct WindowContext;

// The views a refresh draws into besides the sheet, lent by the window once it has
// made them (the advisories window comes last, from the program).
struct RefreshViews {
    BuildView* build = nullptr;
    // The controller of a state: it draws the sheet of the states that show no design view.
    std::function<StateController&(ProcessState)> controllerOf;
    SimulateStateController* simulate = nullptr;
    RaceStateController* race = nullptr;
    SetStatePanel* setPanel = nullptr;
    PanelFigureFields* fields = nullptr;
    TADWin* advisories = nullptr;
    std::function<QColor()> panelColour;
};

class PrototypeRefresh : public RefreshObserver {
public:
    explicit PrototypeRefresh(WindowContext& window);
    ~PrototypeRefresh() override;

    RefreshViews& views() { return m_views; }

    // The refresh of a state, shown in the window.
    void run(ProcessState state);
    // One step forward of the Simulate state's run; the drawing and the masses stay.
    void stepDynamic();
    // A refresh or a step of the run is under way (an animation lets events through
    // while it draws); the session's own guard keeps another from starting inside it.
    bool isRunning() const;
    bool isAnimating() const { return m_animating; }
    // The running animation draws no further frame and lets no more events through;
    // the run itself completes.
    void stopAnimation() { m_stopAnimation = true; }

    const VirtualPrototype& prototype() const;
    // The texts of the virtual-prototype details (`VPWin`) from the last refresh.
    PrototypeDetails details() const { return figuresOf(prototype()).DetailsWindow; }

    // The layout step: the sheet scaled into the room the window leaves beside and
    // below the drawing area's top-left corner.
    void recomputeLayout();
    void drawBackground(ProcessState state);

    // The layout rerun for a 3D picture of `pictureSize` and the regions rebuilt in
    // it, just before a build drawing.
    const CarGeometry& geometryForBuildView(float pictureSize);
    const BuildView& buildView() const { return *m_views.build; }
    // The build drawing locks the window while it runs. Leaving the state or a
    // resize ends it, and the state's refresh follows once it has unwound;
    // `afterBuildDrawing` ends it and runs `then` once it has unwound, at once when
    // none runs.
    bool isBuildDrawing() const;
    void buildDrawingResized();
    void afterBuildDrawing(std::function<void()> then);

    // RefreshObserver
    void sized(const VirtualPrototype& vp, const std::vector<int>& corrected) override;
    void geometryBuilt(const VirtualPrototype& vp, ProcessState state) override;
    ElementVisitor elementVisitor(ProcessState state) override;
    void massScanned(const VirtualPrototype& vp, ProcessState state) override;
    void analysed(const VirtualPrototype& vp, ProcessState state) override;
    bool drawsFrames() const override;
    void runStarting(const VirtualPrototype& vp, int requestedFrame) override;
    void frameSimulated(const VirtualPrototype& vp, const DynamicFrame& frame) override;
    void simulated(const VirtualPrototype& vp, int requestedFrame) override;
    void advised(const VirtualPrototype& vp) override;

private:
    void refreshCurrentState();
    void drawDesignView(const VirtualPrototype& vp, ProcessState state);
    void showSheet();
    void showDynamicButtons(const DynamicResult& result, int requestedFrame);
    void showRestingNormalForces();
    WheelContacts wheelContactsNow() const;
    void repaintSheet();

    WindowContext& m_window;
    RefreshViews m_views;
    std::optional<QPainter> m_painter; // on the sheet from the design view to the end of the scan
    float m_pictureSize = 0.4f;
    bool m_animating = false; // the run under way draws every frame
    bool m_stopAnimation = false;
};

} // namespace brisko::gui
