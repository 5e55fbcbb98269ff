#pragma once
// The Preview state's play panel: the cutting templates of the body, one layer a
// page in stacking order, paged with "next" and "first".
#include "mainwin/StatePanels.h"
#include "mainwin/WindowContext.h"

#include <QObject>

namespace brisko::gui {

class PrototypeRefresh;

class PreviewControls : public QObject {
    Q_OBJECT
public:
    PreviewControls(WindowContext& context, PrototypeRefresh& refresh, const PreviewPager& pager);

    // The next press shows the first page again ("next" on, "first" off).
    void startAtFirstPage();

    // Clears the sheet and shows page `page` of the current build results.
    void drawPage(int page);
    int pageCount() const;

    void StepPVBtnClick();
    void RewindPvBtnClick();

private:
    bool logPreview(const char* value);

    WindowContext& m_context;
    PrototypeRefresh& m_refresh;
    PreviewPager m_pager;
};

} // namespace brisko::gui
