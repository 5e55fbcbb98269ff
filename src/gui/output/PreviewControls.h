#pragma once
// The Preview state's play panel: the cutting templates of the body, one layer a
// page in stacking order, paged with "next" and "first".
#include <QObject>

namespace brisko::gui {

class PrototypeRefresh;
class TRPWin;

class PreviewControls : public QObject {
    Q_OBJECT
public:
    PreviewControls(TRPWin& window, PrototypeRefresh& refresh);

    // Clears the sheet and shows page `page` of the current build results.
    void drawPage(int page);
    int pageCount() const;

    void StepPVBtnClick();
    void RewindPvBtnClick();

private:
    bool logPreview(const char* value);
    void enable(const char* name, bool enabled);

    TRPWin& m_window;
    PrototypeRefresh& m_refresh;
};

} // namespace brisko::gui
