#pragma once
// Where printed pages go: each page is asked for in the orientation it needs and
// painted in printer pixels of the stream's printer frame.
#include "geometry/ViewLayout.h"

#include <QPageLayout>
#include <QPainter>

class QPagedPaintDevice;

namespace brisko {

class PageStream {
public:
    virtual ~PageStream() = default;
    // The painter of a fresh page; null when the device refuses to start or turn
    // the page.
    virtual QPainter* nextPage(QPageLayout::Orientation orientation) = 0;
    virtual Frame printerFrame() const = 0;
    // The part of a page in that orientation that can be painted, in printer
    // pixels from the page painter's origin.
    virtual QRect printableArea(QPageLayout::Orientation orientation) const = 0;
};

// One document on a paged device (a printer, a PDF file): the first page starts
// it, every further page turns to the orientation it needs, finish() sends it.
class PagedDeviceStream : public PageStream {
public:
    explicit PagedDeviceStream(QPagedPaintDevice& device);
    ~PagedDeviceStream() override;

    QPainter* nextPage(QPageLayout::Orientation orientation) override;
    Frame printerFrame() const override { return m_printer; }
    QRect printableArea(QPageLayout::Orientation orientation) const override;
    bool finish();

private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    Frame m_printer;
};

// One inch of design is one inch of the device: printer pixels per drawing pixel
// from the device's logical dots per inch.
Frame printerFrameOf(const QPaintDevice& device);

// The printable area of the device's paper in that orientation, in device pixels
// from the painter's origin (the area's top-left corner).
QRect printableAreaOf(const QPagedPaintDevice& device, QPageLayout::Orientation orientation);

} // namespace brisko
