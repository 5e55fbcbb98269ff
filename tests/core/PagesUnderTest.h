#pragma once
// Page streams for tests of the printed pages: 300-dpi images, and a device that
// keeps only the texts drawn on each page.
#include "output/PageStream.h"

#include <QImage>
#include <QPaintEngine>
#include <QStringList>
#include <QVector>
#include <climits>
#include <memory>

namespace brisko::test {

inline constexpr int kTestDpi = 300;

inline QImage pageAt300Dpi(QPageLayout::Orientation orientation)
{
    const bool landscape = orientation == QPageLayout::Landscape;
    QImage image(landscape ? 3000 : 2250, landscape ? 2250 : 3000, QImage::Format_RGB32);
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

// Every page's orientation and the texts drawn on it.
class TextPages : public PageStream {
public:
    ~TextPages() override { close(); }
    QPainter* nextPage(QPageLayout::Orientation orientation) override
    {
        close();
        m_pages.push_back({orientation, {}});
        m_painter.begin(&m_device);
        return &m_painter;
    }
    Frame printerFrame() const override { return {kTestDpi / 72.0f, kTestDpi / 72.0f, 0}; }
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
    QVector<TextPage> m_pages;
    TextDevice m_device;
    QPainter m_painter;
};

} // namespace brisko::test
