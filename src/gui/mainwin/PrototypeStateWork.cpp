// The work of each design-process state after the common part of a refresh.
#include "mainwin/PrototypeRefresh.h"

#include "analysis/DynamicLabels.h"
#include "dialogs/AdvisoryDisplayOf.h"
#include "geometry/DesignViewPainter.h"
#include "geometry/DriveDirection.h"
#include "geometry/MassScanMarks.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/FigureFields.h"
#include "mainwin/TRPWin.h"

#include <QLabel>

namespace brisko::gui {

namespace {

constexpr int kElementsPerRepaint = 251;

void setLabel(QWidget& root, const char* name, const QString& text)
{
    if (auto* label = root.findChild<QLabel*>(QString::fromLatin1(name)))
        label->setText(text);
}

} // namespace

void PrototypeRefresh::setWork()
{
    Session& session = m_window.session();
    m_prototype.rebuildGeometryForDrawing();
    QPainter painter(&m_window.image()->canvas());
    paintSetPicture(painter, m_prototype.geometry(), session.design, session.materials,
                    m_prototype.mass().chamberRadiusUnits());
    painter.end();
    repaintSheet();
    showAdvisories(ProcessState::Set);
}

void PrototypeRefresh::buildWork()
{
    showAdvisories(ProcessState::Build);
}

void PrototypeRefresh::propWork(int startAt)
{
    QPainter painter(&m_window.image()->canvas());
    analyse(startAt, &painter);
    painter.end();
    repaintSheet();
    showAnalysisFigures();
    showAdvisories(ProcessState::Prop);
}

void PrototypeRefresh::dynamicWork(int startAt)
{
    QPainter painter(&m_window.image()->canvas());
    analyse(startAt, &painter);
    painter.end();
    repaintSheet();
    showAnalysisFigures();
    simulate({m_window.perState().dynamicStep, true, [this](const DynamicFrame& frame) {
                  const DriveType drive = m_window.session().design.Drive;
                  const float revolutions = m_prototype.spring().Revolutions;
                  setLabel(m_window, "DynamicDistanceLabel",
                           dynamicDistanceLabel(frame.Distance, m_prototype.spring().ProjectedDistance));
                  setLabel(m_window, "DynamicTimeLabel", dynamicTimeLabel(frame.Step));
                  setLabel(m_window, "DynamicRevsLeftLabel", dynamicRevsLeftLabel(frame.RevsLeft, revolutions));
                  setLabel(m_window, "DynamicRevsRightLabel",
                           dynamicRevsRightLabel(drive, frame.RevsRight, revolutions));
              }});
    showAdvisories(ProcessState::Dynamic);
}

void PrototypeRefresh::raceWork(int startAt)
{
    analyse(startAt, nullptr);
    showAnalysisFigures();
    simulate({kNoFrame, false, {}});
}

void PrototypeRefresh::analyse(int startAt, QPainter* painter)
{
    Session& session = m_window.session();
    // The part regions are rebuilt from this refresh's chamber figures before they
    // are drawn and weighed, so a changed spring never leaves a stale chamber behind.
    m_prototype.rebuildGeometryForDrawing();
    if (painter)
        paintSetPicture(*painter, m_prototype.geometry(), session.design, session.materials,
                        m_prototype.mass().chamberRadiusUnits());
    m_prototype.computeSpringFigures();
    ElementVisitor drawElement;
    int drawn = 0;
    if (painter && m_window.session().app.CurrentState == ProcessState::Prop) { // the grid shows in Analyze only
        const int size = elementSize(session.design);
        drawElement = [this, painter, size, &drawn](const QPoint& centre, ElementLayer layer) {
            paintElementEdges(*painter, elementViewSquare(m_prototype.layout(), centre, size), layer);
            if (++drawn % kElementsPerRepaint == 0)
                repaintSheet(); // the grid builds up on screen
        };
    }
    m_prototype.runMassStep(startAt, drawElement);
    if (painter && startAt == 0)
        paintCentroidMark(*painter, m_prototype.layout(), m_prototype.mass());
    if (painter)
        paintDriveDirection(*painter, m_prototype.layout(), session.design.Drive);
    m_prototype.computeRevolutionsAndStatics();
}

void PrototypeRefresh::showAnalysisFigures()
{
    showMassFigures(m_window, massFieldTexts(m_prototype.mass()));
    showSpringFigures(m_window, m_prototype.spring(), m_window.session().design.Drive);
    showStaticFigures(m_window, m_prototype.statics());
    syncResultTexts();
}

void PrototypeRefresh::simulate(const DynamicRunOptions& options)
{
    const DynamicResult& result = m_prototype.simulate(options);
    showDynamicFigures(m_window, result);
    syncResultTexts();
    keepRun();
}

// The run counts for the race until the design changes again.
void PrototypeRefresh::keepRun()
{
    Session& session = m_window.session();
    const int position = session.app.CurrentDesign;
    if (position < 0 || position >= session.designs.count())
        return;
    session.designs.entry(position).Simulated = true;
    if (position < kKeptTraces)
        m_traces[position] = m_prototype.dynamic().Trace;
}

void PrototypeRefresh::showAdvisories(ProcessState state)
{
    const brisko::AdvisoryDisplay& checked = m_prototype.checkAdvisories(state);
    m_window.session().advisories = checked.Flags;
    if (auto* window = m_window.findChild<TADWin*>())
        window->showAdvisories(advisoryDisplayOf(checked));
}

void PrototypeRefresh::syncResultTexts()
{
    m_window.session().results = resultTextsShown(m_window);
}

void PrototypeRefresh::repaintSheet()
{
    m_window.image()->repaint();
}

} // namespace brisko::gui
