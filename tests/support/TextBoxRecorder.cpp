#include "TextBoxRecorder.h"

#include <QPaintEngine>
#include <QTransform>

namespace brisko::test {

class TextBoxRecorder::Engine : public QPaintEngine {
public:
    Engine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        const QRectF box(baseline.x(), baseline.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        texts.push_back({item.text(), m_transform.mapRect(box)});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<TextBox> texts;

private:
    QTransform m_transform;
};

TextBoxRecorder::TextBoxRecorder(const QSize& size)
    : m_size(size)
    , m_engine(std::make_unique<Engine>())
{
}

TextBoxRecorder::~TextBoxRecorder() = default;

QPaintEngine* TextBoxRecorder::paintEngine() const
{
    return m_engine.get();
}

const std::vector<TextBox>& TextBoxRecorder::texts() const
{
    return m_engine->texts;
}

std::vector<TextBox> TextBoxRecorder::textsOutside() const
{
    std::vector<TextBox> outside;
    // Glyph boxes are fractional; a text ending on the last pixel's edge is inside.
    const QRectF room = area().adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const TextBox& text : texts())
        if (!room.contains(text.box))
            outside.push_back(text);
    return outside;
}

int TextBoxRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return m_size.width() * 254 / 960;
    case PdmHeightMM:
        return m_size.height() * 254 / 960;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}

} // namespace brisko::test
