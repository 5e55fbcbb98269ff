#include "output/AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace brisko::gui {

namespace {

void drawSky(QPainter& p, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0, 170, 255));
    sky.setColorAt(1, QColor(200, 235, 255));
    p.fillRect(area, sky);
}

void drawTrack(QPainter& p, double w, double groundY, double h)
{
    p.fillRect(QRectF(0, groundY, w, h - groundY), QColor(90, 90, 100));
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(0, groundY + (h - groundY) / 2), QPointF(w, groundY + (h - groundY) / 2));
}

void drawWheel(QPainter& p, QPointF centre, double radius)
{
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(50, 50, 50));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 221, 187));
    p.drawEllipse(centre, radius * 0.55, radius * 0.55);
    p.setBrush(QColor(255, 140, 0));
    p.drawEllipse(centre, radius * 0.15, radius * 0.15);
}

void drawBody(QPainter& p, double w, double groundY)
{
    QPainterPath body;
    body.moveTo(w * 0.12, groundY - w * 0.06);
    body.lineTo(w * 0.14, groundY - w * 0.20);
    body.lineTo(w * 0.45, groundY - w * 0.22);
    body.quadTo(w * 0.62, groundY - w * 0.34, w * 0.78, groundY - w * 0.16);
    body.lineTo(w * 0.88, groundY - w * 0.12);
    body.lineTo(w * 0.88, groundY - w * 0.06);
    body.closeSubpath();
    p.setPen(QPen(QColor(20, 60, 110), 3));
    p.setBrush(QColor(255, 140, 0));
    p.drawPath(body);
    p.setPen(QPen(QColor(255, 200, 120), 2));
    for (int i = 1; i <= 3; ++i)
        p.drawLine(QPointF(w * 0.16, groundY - w * 0.06 - i * w * 0.035),
                   QPointF(w * 0.80, groundY - w * 0.06 - i * w * 0.035));
}

} // namespace

QPixmap drawAboutPicture(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    const double groundY = h * 0.78;
    drawSky(p, QRectF(0, 0, w, groundY));
    drawTrack(p, w, groundY, h);
    drawBody(p, w, groundY);
    drawWheel(p, QPointF(w * 0.26, groundY - w * 0.07), w * 0.09);
    drawWheel(p, QPointF(w * 0.78, groundY - w * 0.035), w * 0.045);
    p.setPen(QPen(QColor(20, 60, 110), 2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(w * 0.02, groundY - w * (0.10 + i * 0.04)), QPointF(w * 0.09, groundY - w * (0.10 + i * 0.04)));
    return pixmap;
}

} // namespace brisko::gui
