#include "output/PageStream.h"

#include <QPagedPaintDevice>

namespace brisko {

Frame printerFrameOf(const QPaintDevice& device)
{
    return {static_cast<float>(device.logicalDpiX()) / 72.0f, static_cast<float>(device.logicalDpiY()) / 72.0f, 0};
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

bool PagedDeviceStream::finish()
{
    return !m_painter.isActive() || m_painter.end();
}

} // namespace brisko
