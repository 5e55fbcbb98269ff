#pragma once
// Drawing the outer or the inner body outline with the mouse, over the session:
// whether a drawing is on, one working outline for each, the records of every point pair,
// of the finished outline and of a cancelled drawing. The window turns its mouse
// events into these calls and draws what they decide.
#include "geometry/OutlineSketch.h"

namespace brisko {

class Session;

enum class SketchedOutline { Outer, Inner };

class OutlineDrawing {
public:
    explicit OutlineDrawing(Session& session);

    // Starts a drawing of `which`: its working outline emptied, its mode on.
    void begin(SketchedOutline which);
    bool isOn() const { return m_on; }
    bool isOn(SketchedOutline which) const { return m_on && m_which == which; }
    const OutlineSketch& sketch() const { return working(m_which); }
    const OutlineSketch& sketch(SketchedOutline which) const { return working(which); }

    // View-frame points on the paper.
    void pressOnPaper(const QPoint& viewPoint);
    void moveRubberBand(const QPoint& viewPoint);
    // Appends the pair and writes its record; false when nothing was added.
    bool releaseOnPaper(const QPoint& viewPoint, const ViewLayout& layout);

    // The double-click: ends the mode, and with more than 4 points the working
    // outline replaces the outline and its record is written. True when replaced.
    bool finish(const ViewLayout& layout);
    // Writes the record, empties both working outlines and ends the mode.
    void cancel();
    // Ends the mode; the working points stay until the next drawing starts.
    void end();

private:
    OutlineSketch& working(SketchedOutline which) { return which == SketchedOutline::Outer ? m_outer : m_inner; }
    const OutlineSketch& working(SketchedOutline which) const
    {
        return which == SketchedOutline::Outer ? m_outer : m_inner;
    }
    Session& m_session;
    SketchedOutline m_which = SketchedOutline::Outer;
    bool m_on = false;
    OutlineSketch m_outer;
    OutlineSketch m_inner;
};

} // namespace brisko
