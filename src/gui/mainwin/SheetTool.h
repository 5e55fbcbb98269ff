#pragma once
// A mouse tool of the drawing sheet: started by its button, it takes the sheet's
// mouse events while it is on. What the tools share: the session, the window's lock,
// the tool bar and the drawing sheet with the regions it was drawn from.
#include <QPoint>
#include <Qt>

class QAbstractButton;

namespace brisko {
class CarGeometry;
class Session;
class VirtualPrototype;
} // namespace brisko

namespace brisko::gui {

class DrawingArea;
class WindowLock;
struct DesignTools;
struct PerStateValues;
struct WindowContext;

class SheetToolContext {
public:
    SheetToolContext(WindowContext& window, WindowLock& lock, const DesignTools& tools);

    WindowLock& lock() { return m_lock; }
    const DesignTools& tools() const { return m_tools; }
    Session& session() const;
    PerStateValues& perState();
    DrawingArea& sheet();
    const VirtualPrototype& prototype() const;
    const CarGeometry& geometry() const;
    void setSheetCursor(Qt::CursorShape shape);
    void refreshSet();
    // The window goes to the Set state (a drawing started from another state).
    void switchToSet();
    // The sheet's background, paper and grid, without the car.
    void drawBackground();

private:
    WindowContext& m_window;
    WindowLock& m_lock;
    const DesignTools& m_tools;
};

class SheetTool {
public:
    SheetTool(SheetToolContext& context, QAbstractButton* button);
    virtual ~SheetTool() = default;
    SheetTool(const SheetTool&) = delete;
    SheetTool& operator=(const SheetTool&) = delete;

    QAbstractButton* button() const { return m_button; }
    // The tool's button was clicked.
    virtual void buttonClicked() = 0;
    virtual bool isOn() const = 0;

    // Events in view-frame pixels while the tool is on. A press the tool does not
    // take (false) is an ordinary press of the design view.
    virtual bool press(const QPoint& at) = 0;
    virtual void move(const QPoint&) {}
    virtual void release(const QPoint&) {}
    virtual void doubleClick(const QPoint&) {}
    // Escape while the tool is on: the tool ends as its own way out ends it.
    virtual void abandon() = 0;
    // The sheet was laid out and drawn again (the window was resized) while the tool is on.
    virtual void sheetLaidOutAgain() {}

protected:
    SheetToolContext& context() { return m_context; }
    const SheetToolContext& context() const { return m_context; }
    void setButtonDown(bool down);

private:
    SheetToolContext& m_context;
    QAbstractButton* m_button;
};

} // namespace brisko::gui
