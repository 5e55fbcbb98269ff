#pragma once
// The pointer over the drawing sheet in the Set state with no tool on: the part
// under it is highlighted and described, and a press selects it for editing.
#include <QObject>
#include <functional>

class QMouseEvent;

namespace brisko {
class CarGeometry;
}

namespace brisko::gui {

struct WindowContext;
class SetStatePanel;

class SheetPointer : public QObject {
    Q_OBJECT
public:
    using GeometrySource = std::function<const CarGeometry&()>;
    SheetPointer(WindowContext& window, SetStatePanel& panel, GeometrySource geometry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pointerFree() const; // Set state, no sketching or placing tool on
    int partUnder(const QPoint& point) const;
    void hover(const QPoint& point);
    void press(const QPoint& point);
    void toggleHighlight(int part);

    WindowContext& m_window;
    // Compared with what an event came to without asking the window, which is already
    // half destroyed when the sheet's own destruction sends its last events.
    QObject* const m_sheet;
    SetStatePanel& m_panel;
    GeometrySource m_geometry;
};

} // namespace brisko::gui
