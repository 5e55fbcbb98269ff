#pragma once
// The mouse tools of the drawing sheet: each tool's button starts it, and while a
// tool is on it takes the sheet's mouse events before the part selection sees them.
// The presses a tool does not take (beside the paper during a drawing) go on to
// the part selection as usual. `DrawCancelBtn` abandons a drawing.
#include "mainwin/SheetTool.h"
#include "mainwin/WindowLock.h"
#include "session/OutlineDrawing.h"

#include <QObject>
#include <memory>
#include <vector>

namespace brisko::gui {

class OutlineDrawingTool;
class THHWin;
struct DesignTools;
struct WindowContext;

class SheetTools : public QObject {
    Q_OBJECT
public:
    SheetTools(WindowContext& window, WindowLock& lock, const DesignTools& tools);
    ~SheetTools() override;

    WindowLock& lock() { return m_lock; }
    // After the window laid the sheet out and drew it again: the tool that is on
    // puts its own marks back.
    void sheetLaidOutAgain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addTool(std::unique_ptr<SheetTool> tool);
    SheetTool* activeTool() const;
    void cancelDrawing();

    // The sheet whose mouse events the tools take; kept apart from the window, which
    // is already half destroyed when the sheet's own destruction sends its last events.
    QObject* const m_sheet;
    WindowLock& m_lock;
    SheetToolContext m_context;
    OutlineDrawing m_drawing;
    THHWin* m_weightDialog = nullptr;
    std::vector<std::unique_ptr<SheetTool>> m_tools;
};

} // namespace brisko::gui
