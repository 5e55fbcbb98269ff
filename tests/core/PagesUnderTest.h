#pragma once
// Page streams for tests of the printed pages: 300-dpi images, and a device that
// keeps only the texts drawn on each page.
#include "output/PageStream.h"

#include <QImage>
#include <QPaintEngine>
#include <QStringList>
#include <QtMath>
#include <QVector>
#include <climits>
#include <memory>

namespace brisko::test {

inline constexpr int kTestDpi = 300;

// A page of 10 by 7.5 in, all of it printable.
inline QRect printableAt300Dpi(QPageLayout::Orientation orientation)
{
    return orientation == QPageLayout::Landscape ? QRect(0, 0, 3000, 2250) : QRect(0, 0, 2250, 3000);
}

inline QImage pageAt300Dpi(QPageLayout::Orientation orientation)
{
    QImage image(printableAt300Dpi(orientation).size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kTestDpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

// Every page painted into its own 300-dpi image.
class ImagePages : public PageStream {
public:
    ~ImagePages() override { close(); }
    QPainter* nextPage(QPageLayout::Orientation orientation) override
    {
        close();
        m_pages.push_back(pageAt300Dpi(orientation));
        m_painter.begin(&m_pages.back());
        return &m_painter;
    }
    Frame printerFrame() const override { return {kTestDpi / 72.0f, kTestDpi / 72.0f, 0}; }
    QRect printableArea(QPageLayout::Orientation orientation) const override
    {
        return printableAt300Dpi(orientation);
    }
    const std::vector<QImage>& pages()
    {
        close();
        return m_pages;
    }

private:
    void close()
    {
        if (m_painter.isActive())
            m_painter.end();
    }
    std::vector<QImage> m_pages; // a vector of images: the painter's image never moves while it paints
    QPainter m_painter;
};

class TextEngine : public QPaintEngine {
public:
    TextEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }
    QStringList texts;
};

class TextDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    QStringList takeTexts() { return std::exchange(m_engine.texts, {}); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
        case PdmHeight: return 3000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kTestDpi;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    mutable TextEngine m_engine;
};

struct TextPage {
    QPageLayout::Orientation Orientation;
    QStringList Texts;
};

// Every page's orientation and the texts drawn on it; the landscape printable area
// is 10 by 7.5 in unless another is given.
class TextPages : public PageStream {
public:
    explicit TextPages(const QRect& landscapeArea = printableAt300Dpi(QPageLayout::Landscape))
        : m_landscape(landscapeArea)
    {
    }
    ~TextPages() override { close(); }
    QPainter* nextPage(QPageLayout::Orientation orientation) override
    {
        close();
        m_pages.push_back({orientation, {}});
        m_painter.begin(&m_device);
        return &m_painter;
    }
    Frame printerFrame() const override { return {kTestDpi / 72.0f, kTestDpi / 72.0f, 0}; }
    QRect printableArea(QPageLayout::Orientation orientation) const override
    {
        return orientation == QPageLayout::Landscape ? m_landscape : m_landscape.transposed();
    }
    const QVector<TextPage>& pages()
    {
        close();
        return m_pages;
    }

private:
    void close()
    {
        if (!m_painter.isActive())
            return;
        m_painter.end();
        m_pages.back().Texts = m_device.takeTexts();
    }
    QRect m_landscape;
    QVector<TextPage> m_pages;
    TextDevice m_device;
    QPainter m_painter;
};

// Pages of paper whose landscape printable area is `landscapeInches`, painted into
// images at `dpi` with a white band of `slackInches` all round the printable area:
// whatever is painted outside the area shows in the band.
class PaperPages : public PageStream {
public:
    PaperPages(const QSizeF& landscapeInches, int dpi, double slackInches = 0.5)
        : m_landscape(0, 0, qFloor(landscapeInches.width() * dpi), qFloor(landscapeInches.height() * dpi))
        , m_dpi(dpi)
        , m_slack(qRound(slackInches * dpi))
    {
    }
    ~PaperPages() override { close(); }
    QPainter* nextPage(QPageLayout::Orientation orientation) override
    {
        close();
        const QRect area = printableArea(orientation);
        QImage image(area.size() + QSize(2 * m_slack, 2 * m_slack), QImage::Format_RGB32);
        const int dotsPerMeter = qRound(m_dpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        m_pages.push_back(image);
        m_painter.begin(&m_pages.back());
        m_painter.translate(m_slack, m_slack);
        return &m_painter;
    }
    Frame printerFrame() const override { return {m_dpi / 72.0f, m_dpi / 72.0f, 0}; }
    QRect printableArea(QPageLayout::Orientation orientation) const override
    {
        return orientation == QPageLayout::Landscape ? m_landscape : m_landscape.transposed();
    }
    // The printable area within a page's image.
    QRect printableInImage(const QImage& page) const
    {
        return QRect(QPoint(m_slack, m_slack), page.size() - QSize(2 * m_slack, 2 * m_slack));
    }
    const std::vector<QImage>& pages()
    {
        close();
        return m_pages;
    }

private:
    void close()
    {
        if (m_painter.isActive())
            m_painter.end();
    }
    QRect m_landscape;
    int m_dpi;
    int m_slack;
    std::vector<QImage> m_pages;
    QPainter m_painter;
};

} // namespace brisko::test
