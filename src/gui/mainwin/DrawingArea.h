#pragma once
// The drawing sheet of the main window (`Image`): a widget showing a QImage on which
// the drawing routines paint. It keeps the image the size of the widget.
#include "mainwin/ForceDisplay.h"

#include <QImage>
#include <functional>
#include <QWidget>

namespace brisko::gui {

inline const QColor kSheetBackground(0, 170, 255);

class DrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget* parent = nullptr);

    QImage& canvas() { return m_canvas; }
    const QImage& canvas() const { return m_canvas; }

    // The paper (720 x 540 sheet units) fitted into the area with a margin, in pixels.
    QRect paperRect() const;
    // Fills the background colour and draws the blank paper.
    void paintSheetBackground();
    // Called after the area took a new size without the window's (the tool bar
    // above it was arranged anew): the window lays the sheet out and draws it again.
    std::function<void()> resizedAlone;
    // Gives the image the widget's size; a new image starts blank. True when it changed.
    bool fitCanvas();

    // The force bars and their labels over the sheet (see ForceDisplay.h).
    ForceWidgets& forces() { return m_forces; }
    const ForceWidgets& forces() const { return m_forces; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_canvas;
    ForceWidgets m_forces;
};

} // namespace brisko::gui
