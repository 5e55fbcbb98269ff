#include "output/PageStream.h"

#include <QPagedPaintDevice>
#include <QtMath>

namespace brisko {

Frame printerFrameOf(const QPaintDevice& device)
{
    return {static_cast<float>(device.logicalDpiX()) / 72.0f, static_cast<float>(device.logicalDpiY()) / 72.0f, 0};
}

QRect printableAreaOf(const QPagedPaintDevice& device, QPageLayout::Orientation orientation)
{
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(orientation);
    const QRectF inches = layout.paintRect(QPageLayout::Inch);
    // A hair under a whole pixel still counts as the pixel: the inches are rounded values.
    constexpr double kSlack = 1e-3;
    return QRect(0, 0, qFloor(inches.width() * device.logicalDpiX() + kSlack),
                 qFloor(inches.height() * device.logicalDpiY() + kSlack));
}

PagedDeviceStream::PagedDeviceStream(QPagedPaintDevice& device)
    : m_device(device)
    , m_printer(printerFrameOf(device))
{
}

PagedDeviceStream::~PagedDeviceStream()
{
    finish();
}

QPainter* PagedDeviceStream::nextPage(QPageLayout::Orientation orientation)
{
    // A new orientation applies from the next page on.
    m_device.setPageOrientation(orientation);
    if (!m_painter.isActive()) {
        if (!m_painter.begin(&m_device))
            return nullptr;
    } else if (!m_device.newPage()) {
        return nullptr;
    }
    m_painter.setBrush(Qt::white);
    m_painter.setPen(Qt::black);
    return &m_painter;
}

QRect PagedDeviceStream::printableArea(QPageLayout::Orientation orientation) const
{
    return printableAreaOf(m_device, orientation);
}

bool PagedDeviceStream::finish()
{
    return !m_painter.isActive() || m_painter.end();
}

} // namespace brisko
