#pragma once
// The Build state's 3D view on the drawing sheet: the car stacked slab by slab,
// with Rewind, Step and To end, the picture-size slider and "Stop". The drawing is
// paced by the clock (the whole car in about two seconds at the starting picture
// size, longer at larger ones), lets events through while it waits between sweep
// steps and can never start inside itself; a
// state change, a resize or closing the window ends it at once, "Stop" at the end
// of the slab under way.
#include "render/BuildPace.h"
#include "render/BuildScene.h"
#include "mainwin/StatePanels.h"
#include "mainwin/WindowContext.h"

#include <QObject>
#include <QSize>
#include <functional>

class QElapsedTimer;
class QEvent;
class QEventLoop;

namespace brisko::gui {

class PrototypeRefresh;
struct DesignTools;

class BuildView : public QObject {
    Q_OBJECT
public:
    // `lockWindow(true)` locks the main window's controls for the drawing,
    // `lockWindow(false)` gives them back. While it draws, "Stop" (the tool bar's
    // Cancel) takes the drive box's place.
    BuildView(WindowContext& context, PrototypeRefresh& refresh, const Play3DControls& play, const DesignTools& tools,
              QWidget* figuresPanel, std::function<void(bool)> lockWindow);
    // Step and To end, which go on from the slab drawn last.
    void setStepsEnabled(bool enabled);

    // Draws slabs `first` to `last` (kAllSlabs: to the end) over the sheet.
    void drawSlabs(int first, int last);
    bool isDrawing() const { return m_drawing; }
    // The picture is no longer wanted: the drawing ends before its next step, and
    // `then` runs once it has unwound (at once when none runs).
    void abandon(std::function<void()> then = {});
    // A resize ends the drawing, followed by `then`, when the window's size differs
    // from the one the drawing was laid out for.
    void windowResized(std::function<void()> then);

    float pictureSize() const { return pictureSizeAt(m_sizePosition); }
    // How long the whole car takes at the current picture size, and at the starting
    // size (0: no pauses at all, as the tests draw).
    int buildMilliseconds() const;
    void setStartingSizeBuildMilliseconds(int milliseconds);
    const BuildScene& scene() const { return m_scene; }

    void Rewind3DBtnClick();
    void StepForward3DBtnClick();
    void ToEnd3DBtnClick();
    void Slider3DChange(int position);
    void DrawCancelBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool canStart() const;
    bool logBuild(const QString& value, const QString& position = {});
    void begin(int slabs);
    void sweep(int first, int last, bool& complete);
    bool slabEnded(int slab, int first, bool& complete);
    void pauseUntil(const QElapsedTimer& clock, double due);
    void finish(int last, bool complete);
    void setPlayControlsEnabled(bool enabled);
    void clearSheet();

    WindowContext& m_context;
    PrototypeRefresh& m_refresh;
    Play3DControls m_play;
    const DesignTools& m_tools;
    QWidget* m_figuresPanel;
    std::function<void(bool)> m_lockWindow;
    BuildScene m_scene;
    int m_sizePosition = 0;
    bool m_drawing = false;   // inside drawSlabs
    bool m_running = false;   // cleared by "Stop": the drawing ends with its slab
    bool m_abandoned = false; // ends before the next step
    std::function<void()> m_afterDrawing;
    int m_startingSizeMilliseconds = kStartingSizeBuildMilliseconds;
    QEventLoop* m_pause = nullptr; // the wait for the next step, while one runs
    bool m_driveBoxWasVisible = true;
    QSize m_drawnForSize; // the window's size when the drawing began
};

} // namespace brisko::gui
