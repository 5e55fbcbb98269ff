#include "mainwin/StateIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace brisko::gui {

namespace {

constexpr int kSize = 64;
const QColor kInk(20, 60, 110);
const QColor kAccent(255, 140, 0);

void drawPencil(QPainter& p)
{
    p.setPen(QPen(kInk, 3));
    p.drawLine(10, 50, 42, 18);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygon({QPoint(38, 14), QPoint(50, 26), QPoint(20, 56), QPoint(8, 56), QPoint(8, 44)}));
    p.setPen(QPen(kInk, 2, Qt::DashLine));
    p.drawLine(12, 60, 56, 60);
}

void drawLayers(QPainter& p)
{
    for (int i = 0; i < 4; ++i) {
        const int y = 16 + i * 10;
        p.setBrush(i % 3 == 0 ? QColor(255, 230, 190) : QColor(250, 250, 250));
        p.setPen(QPen(kInk, 2));
        p.drawPolygon(QPolygon({QPoint(12, y + 10), QPoint(30, y), QPoint(54, y), QPoint(36, y + 10)}));
    }
}

void drawScale(QPainter& p)
{
    p.setPen(QPen(kInk, 3));
    p.drawLine(32, 10, 32, 54);
    p.drawLine(12, 20, 52, 20);
    p.drawLine(20, 54, 44, 54);
    p.setBrush(kAccent);
    p.drawChord(QRect(4, 24, 20, 16), 180 * 16, 180 * 16);
    p.drawChord(QRect(40, 24, 20, 16), 180 * 16, 180 * 16);
}

void drawCarMotion(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygon({QPoint(14, 44), QPoint(22, 28), QPoint(46, 28), QPoint(56, 44)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(24, 46), 6, 6);
    p.drawEllipse(QPoint(48, 46), 6, 6);
    p.setPen(QPen(kInk, 2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(2, 30 + i * 6, 10, 30 + i * 6);
}

void drawFlag(QPainter& p)
{
    p.setPen(QPen(kInk, 3));
    p.drawLine(16, 8, 16, 58);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.fillRect(18 + col * 9, 10 + row * 8, 9, 8, (row + col) % 2 ? Qt::white : kInk);
    p.setBrush(Qt::NoBrush);
    p.drawRect(18, 10, 36, 24);
}

void drawEye(QPainter& p)
{
    QPainterPath eye;
    eye.moveTo(6, 32);
    eye.quadTo(32, 8, 58, 32);
    eye.quadTo(32, 56, 6, 32);
    p.setPen(QPen(kInk, 3));
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.setBrush(kAccent);
    p.drawEllipse(QPoint(32, 32), 9, 9);
    p.setBrush(kInk);
    p.drawEllipse(QPoint(32, 32), 4, 4);
}

void drawPrinter(QPainter& p)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(18, 8, 28, 18);
    p.setBrush(QColor(190, 200, 215));
    p.drawRoundedRect(8, 24, 48, 22, 4, 4);
    p.setBrush(Qt::white);
    p.drawRect(18, 38, 28, 18);
    p.setBrush(kAccent);
    p.drawEllipse(QPoint(49, 31), 3, 3);
}

} // namespace

QIcon stateIcon(ProcessState state)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (state) {
    case ProcessState::Set: drawPencil(painter); break;
    case ProcessState::Build: drawLayers(painter); break;
    case ProcessState::Prop: drawScale(painter); break;
    case ProcessState::Dynamic: drawCarMotion(painter); break;
    case ProcessState::Race: drawFlag(painter); break;
    case ProcessState::Preview: drawEye(painter); break;
    case ProcessState::Print: drawPrinter(painter); break;
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace brisko::gui
