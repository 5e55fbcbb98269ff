#pragma once
// Captions and force bars that open a page of the help site, most after logging.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace brisko::gui {

struct HelpLink {
    QString control; // object name
    QString path;    // page on the help site; empty: no page opened
    int code = 0;    // help-link action code; 0: no record written
};

const std::vector<HelpLink>& helpLinkTable();

// Watches the linked controls of a window: a click on a caption or a press on a
// force bar calls back with its link. Controls missing from the window are skipped,
// so links on controls built later are added by calling install() again.
class HelpLinkFilter : public QObject {
    Q_OBJECT
public:
    using Callback = std::function<void(const HelpLink&)>;
    HelpLinkFilter(QWidget* window, Callback callback);

    void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    Callback m_callback;
    QHash<QObject*, HelpLink> m_links;
};

} // namespace brisko::gui
