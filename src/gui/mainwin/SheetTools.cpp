#include "mainwin/SheetTools.h"

#include "dialogs/THHWin.h"
#include "mainwin/AddWeightTool.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/FrontAxleTool.h"
#include "mainwin/OutlineDrawingTool.h"
#include "mainwin/RemoveWeightTool.h"
#include "mainwin/ToolPanel.h"
#include "mainwin/WindowContext.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QShortcut>

namespace brisko::gui {

SheetTools::SheetTools(WindowContext& window, WindowLock& lock, const DesignTools& tools)
    : QObject(&window.frame)
    , m_sheet(&window.sheet)
    , m_lock(lock)
    , m_context(window, m_lock, tools)
    , m_drawing(window.session)
    , m_weightDialog(new THHWin(&window.frame))
{
    addTool(std::make_unique<OutlineDrawingTool>(m_context, tools.drawOuter, m_drawing, SketchedOutline::Outer));
    addTool(std::make_unique<OutlineDrawingTool>(m_context, tools.drawInner, m_drawing, SketchedOutline::Inner));
    addTool(std::make_unique<FrontAxleTool>(m_context, tools.frontAxle));
    addTool(std::make_unique<AddWeightTool>(m_context, tools.addWeight, *m_weightDialog));
    addTool(std::make_unique<RemoveWeightTool>(m_context, tools.removeWeight));
    connect(tools.cancel, &QAbstractButton::clicked, this, &SheetTools::cancelDrawing);
    // Escape ends the tool that is on exactly as its own way out does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window.frame);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    connect(escape, &QShortcut::activated, this, [this] {
        if (SheetTool* tool = activeTool())
            tool->abandon();
    });
    window.sheet.setMouseTracking(true);
    window.sheet.installEventFilter(this);
}

SheetTools::~SheetTools() = default;

void SheetTools::addTool(std::unique_ptr<SheetTool> tool)
{
    if (QAbstractButton* button = tool->button())
        connect(button, &QAbstractButton::clicked, this, [t = tool.get()] { t->buttonClicked(); });
    m_tools.push_back(std::move(tool));
}

void SheetTools::sheetLaidOutAgain()
{
    if (SheetTool* tool = activeTool())
        tool->sheetLaidOutAgain();
}

SheetTool* SheetTools::activeTool() const
{
    for (const auto& tool : m_tools)
        if (tool->isOn())
            return tool.get();
    return nullptr;
}

void SheetTools::cancelDrawing()
{
    for (const auto& tool : m_tools)
        if (auto* drawing = dynamic_cast<OutlineDrawingTool*>(tool.get()); drawing && drawing->isOn())
            drawing->cancel();
}

bool SheetTools::eventFilter(QObject* watched, QEvent* event)
{
    // Only mouse events are looked at: the others also come while the window is
    // being destroyed, when no tool may be asked anything.
    const auto* mouse = watched == m_sheet ? dynamic_cast<QMouseEvent*>(event) : nullptr;
    SheetTool* tool = mouse ? activeTool() : nullptr;
    if (!tool)
        return QObject::eventFilter(watched, event);
    const QPoint at = mouse->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return true;
        return tool->press(at); // a press not taken goes on to the part selection
    case QEvent::MouseMove: tool->move(at); return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton)
            tool->release(at);
        return true;
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton)
            tool->doubleClick(at);
        return true;
    default: return QObject::eventFilter(watched, event);
    }
}

} // namespace brisko::gui
