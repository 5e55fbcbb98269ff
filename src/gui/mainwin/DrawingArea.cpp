#include "mainwin/DrawingArea.h"

#include <QPainter>
#include <QResizeEvent>

namespace brisko::gui {

namespace {
constexpr int kPaperMargin = 24;
constexpr double kPaperAspect = 720.0 / 540.0;
} // namespace

DrawingArea::DrawingArea(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(480, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_canvas = QImage(QSize(640, 480), QImage::Format_RGB32);
    paintSheetBackground();
}

QRect DrawingArea::paperRect() const
{
    const QRect room = m_canvas.rect().adjusted(kPaperMargin, kPaperMargin, -kPaperMargin, -2 * kPaperMargin);
    if (room.width() <= 0 || room.height() <= 0)
        return {};
    int width = room.width();
    int height = qRound(width / kPaperAspect);
    if (height > room.height()) {
        height = room.height();
        width = qRound(height * kPaperAspect);
    }
    return QRect(room.left() + (room.width() - width) / 2, room.top() + (room.height() - height) / 2, width, height);
}

void DrawingArea::paintSheetBackground()
{
    m_canvas.fill(kSheetBackground);
    const QRect paper = paperRect();
    if (!paper.isEmpty()) {
        QPainter painter(&m_canvas);
        painter.fillRect(paper.translated(3, 3), QColor(0, 120, 190));
        painter.fillRect(paper, Qt::white);
        painter.setPen(QColor(0, 90, 150));
        painter.drawRect(paper.adjusted(0, 0, -1, -1));
    }
    update();
}

// Only the part asked for: an animation step shows just the rectangle it painted.
void DrawingArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawImage(dirty.topLeft(), m_canvas, dirty);
}

bool DrawingArea::fitCanvas()
{
    if (size() == m_canvas.size() || size().isEmpty())
        return false;
    m_canvas = QImage(size(), QImage::Format_RGB32);
    m_canvas.fill(kSheetBackground);
    return true;
}

void DrawingArea::resizeEvent(QResizeEvent* event)
{
    if (fitCanvas()) {
        paintSheetBackground();
        if (resizedAlone)
            resizedAlone();
    }
    QWidget::resizeEvent(event);
}

} // namespace brisko::gui
