#include "render/BackgroundPainter.h"

#include "render/Pens.h"
#include "render/TextDrawing.h"
#include "text/NumberText.h"

namespace brisko {

namespace {

int scaled(float drawingPixels, const ViewLayout& layout)
{
    return nearest(drawingPixels * layout.ViewScale);
}

// Half-inch lines over the whole drawing area, the first ones a step in and one
// along the top edge; each run stops after the line that reaches the far edge.
void paintHalfInchGrid(QPainter& painter, const BackgroundScene& scene)
{
    const int step = std::max(1, nearest(scene.Layout.ViewScale * 72.0f / 2.0f));
    const int width = scene.Area.width();
    const int height = scene.Area.height();
    painter.setPen(QPen(colours::kGrid, 1));
    for (int x = step;; x += step) {
        painter.drawLine(x, 0, x, height);
        if (x >= width)
            break;
    }
    painter.drawLine(0, 0, width, 0);
    for (int y = step;; y += step) {
        painter.drawLine(0, y, width, y);
        if (y >= height)
            break;
    }
}

// The 15 ft track: a line a foot apart, the start (0 ft) and finish (15 ft) red.
// A line near the right edge keeps its line but not a label that would be cut off.
void paintFootLines(QPainter& painter, const BackgroundScene& scene)
{
    constexpr int kFootLabelPoints = 9;
    const int step = std::max(1, nearest(static_cast<double>(scene.WindowWidth) / 17.0));
    const int height = scene.Area.height();
    const QRect area(QPoint(0, 0), scene.Area);
    for (int i = 1;; ++i) {
        const int x = i * step;
        const bool startOrFinish = i == 1 || i == 16;
        painter.setPen(QPen(startOrFinish ? colours::kRed : colours::kGrid, 1));
        painter.drawLine(x, 0, x, height);
        const QString label = QString::number(i - 1) + QStringLiteral(" ft");
        if (area.contains(labelBox(painter, QPoint(x, 0), label, kFootLabelPoints)))
            drawLabel(painter, QPoint(x, 0), label, kFootLabelPoints);
        if (x > scene.Area.width())
            break;
    }
}

// Half-inch squares on the paper: 19 lines across and 14 down.
void paintPaperGrid(QPainter& painter, const ViewLayout& v)
{
    painter.setPen(QPen(colours::kPaperGrid, 1));
    for (int i = 1; i <= 19; ++i) {
        const int x = v.PaperLeft + nearest(v.PaperViewWidth * i / 20.0);
        painter.drawLine(x, 0, x, v.PaperViewHeight);
    }
    for (int j = 1; j <= 14; ++j) {
        const int y = nearest(v.PaperViewHeight * j / 15.0);
        painter.drawLine(v.PaperLeft, y, v.PaperLeft + v.PaperViewWidth, y);
    }
}

void paintGround(QPainter& painter, const BackgroundScene& scene)
{
    const int top = scene.Layout.PaperViewHeight + scaled(kGroundBelowPaper, scene.Layout);
    painter.fillRect(QRect(0, top, scene.Area.width(), scene.Area.height() - top), colours::kGround);
}

bool hasHalfInchGrid(ProcessState state)
{
    return state != ProcessState::Set && state != ProcessState::Race && state != ProcessState::Print;
}

} // namespace

QPolygon paperOutline(const ViewLayout& v)
{
    const int left = v.PaperLeft + 1;
    const int right = v.PaperLeft + v.PaperViewWidth;
    return QPolygon({QPoint(left, 1), QPoint(right - scaled(30, v), 1), QPoint(right, scaled(31, v)),
                     QPoint(right, v.PaperViewHeight), QPoint(left, v.PaperViewHeight)});
}

QPolygon foldedCorner(const ViewLayout& v)
{
    const int right = v.PaperLeft + v.PaperViewWidth;
    const int foldX = right - scaled(30, v);
    const int foldY = scaled(31, v);
    return QPolygon({QPoint(foldX, 1), QPoint(right, foldY), QPoint(foldX, foldY)});
}

void paintPaper(QPainter& painter, const ViewLayout& layout, const QColor& paperColour)
{
    painter.save();
    painter.setPen(viewPen(colours::kSilver, 2));
    painter.setBrush(paperColour);
    painter.drawPolygon(paperOutline(layout));
    painter.setBrush(colours::kWhite);
    painter.drawPolygon(foldedCorner(layout));
    painter.restore();
}

void paintBackground(QPainter& painter, const BackgroundScene& scene)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), scene.Area), scene.Background);
    if (hasHalfInchGrid(scene.State))
        paintHalfInchGrid(painter, scene);
    if (scene.State == ProcessState::Race)
        paintFootLines(painter, scene);
    if (scene.State == ProcessState::Set) {
        paintPaper(painter, scene.Layout, colours::kSetPaper);
        paintPaperGrid(painter, scene.Layout);
    }
    if (scene.State == ProcessState::Preview)
        paintPaper(painter, scene.Layout, colours::kPreviewPaper);
    if (scene.State == ProcessState::Prop || scene.State == ProcessState::Dynamic)
        paintGround(painter, scene);
    painter.restore();
}

} // namespace brisko
