#pragma once
// The pointer over the drawing sheet in the Set state with no tool on: the part
// under it is highlighted and described, and a press selects it for editing. The
// sheet's tools see its events first and keep the ones they take (see SheetTools),
// so a press that comes here is always the design view's own.
#include <QObject>
#include <functional>

class QMouseEvent;

namespace brisko {
class CarGeometry;
}

namespace brisko::gui {

struct WindowContext;
class SetStatePanel;
class WindowLock;

class SheetPointer : public QObject {
    Q_OBJECT
public:
    using GeometrySource = std::function<const CarGeometry&()>;
    SheetPointer(WindowContext& window, const WindowLock& lock, SetStatePanel& panel, GeometrySource geometry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pointerFree() const; // Set state, the window not locked by a tool
    int partUnder(const QPoint& point) const;
    void hover(const QPoint& point);
    void press(const QPoint& point);
    void toggleHighlight(int part);

    WindowContext& m_window;
    // Compared with what an event came to without asking the window, which is already
    // half destroyed when the sheet's own destruction sends its last events.
    QObject* const m_sheet;
    const WindowLock& m_lock;
    SetStatePanel& m_panel;
    GeometrySource m_geometry;
};

} // namespace brisko::gui
