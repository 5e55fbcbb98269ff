#pragma once
// The Simulate panel's buttons: step the run one frame further, animate it to the
// end, or wind the spring up again. A click while a run is under way is ignored,
// except Rewind during the animation: it stops the animation, then winds up.
#include "mainwin/StatePanels.h"
#include "mainwin/WindowContext.h"

#include <QObject>

namespace brisko::gui {

class PrototypeRefresh;

class DynamicControls : public QObject {
    Q_OBJECT
public:
    DynamicControls(WindowContext& context, PrototypeRefresh& refresh, const RunControls& controls);

    void StepDynamicBtnClick();
    void ToEndDynamicBtnClick();
    void RewindDynamicBtnClick();

private:
    bool canStart() const;
    void setButtons(bool stepAndToEnd, bool rewind);
    bool logDynamic(const char* value);
    void refreshAfterAnimation();
    void rewind();

    WindowContext& m_context;
    PrototypeRefresh& m_refresh;
    RunControls m_controls;
    bool m_busy = false;
    bool m_rewindAfterAnimation = false;
};

} // namespace brisko::gui
