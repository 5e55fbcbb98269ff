#pragma once
// A paint device that draws nothing and keeps the box of every text painted on it,
// in device pixels, so that tests can check where texts land.
#include <QPaintDevice>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

namespace brisko::test {

struct TextBox {
    QString text;
    QRectF box;
};

class TextBoxRecorder : public QPaintDevice {
public:
    explicit TextBoxRecorder(const QSize& size);
    ~TextBoxRecorder() override;

    QPaintEngine* paintEngine() const override;
    const std::vector<TextBox>& texts() const;
    QRectF area() const { return QRectF(QPointF(0, 0), QSizeF(m_size)); }
    // The texts whose box does not lie wholly inside the device.
    std::vector<TextBox> textsOutside() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    QSize m_size;
    std::unique_ptr<Engine> m_engine;
};

} // namespace brisko::test
