#pragma once
// The element-size slider of the Analyze state: six positions from 1 in down to
// 1/32 in, kept in step with the design's element size.
#include <QObject>

class QSlider;

namespace brisko::gui {

struct WindowContext;

class ElementSizeControl : public QObject {
public:
    ElementSizeControl(WindowContext& context, QSlider& slider);

    // Puts the slider at the design's element size without counting as a change.
    void showDesign();

private:
    void ElementSizeSliderChange(int position);

    WindowContext& m_context;
    QSlider& m_slider;
};

} // namespace brisko::gui
