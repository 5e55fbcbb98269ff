#pragma once
// The advisories window `ADWin`: one line per advisory that holds, shown while at
// least one does. The checks themselves run elsewhere and hand their result here.
#include <QPointer>
#include <array>
#include <functional>
#include <QWidget>

class QLabel;

namespace brisko::gui {

// Which advisory labels show after a check.
struct AdvisoryDisplay {
    bool skid = false;
    bool carTooBig = false;
    bool axleFree = false;
    bool caseFree = false;
    bool caseFreeAllWheelWording = false; // "Spring case not connected." (AWD)
    bool coreInterfere = false;
    bool floating = false;
    bool weightsFree = false;
    bool noMass = false;
    bool any() const
    {
        return skid || carTooBig || axleFree || caseFree || coreInterfere || floating || weightsFree || noMass;
    }
};

class TADWin : public QWidget {
    Q_OBJECT
public:
    explicit TADWin(QWidget* parent = nullptr);

    // Shows the given labels (and the window when any shows), hides the rest.
    void showAdvisories(const AdvisoryDisplay& display);

    // The race's track fills the area up to its right edge, where the window sits:
    // while aside the window stays hidden, its labels and what they say unchanged,
    // and it comes back if a label shows.
    void setAside(bool aside);

    // Keeps the window over the top right corner of `area`, inside its main window,
    // also when that window moves or is resized.
    void followArea(QWidget* area);
    // A part of the area the window keeps clear of (the paper's folded corner), in
    // the area's own pixels.
    void keepClearOf(std::function<QRect()> areaPart);
    // Where the window goes: its frame `frameSize` in the area's top right corner,
    // moved down below `keepClear` (on screen) where it would cover it.
    static QPoint placeInArea(const QRect& areaOnScreen, const QSize& frameSize, const QRect& keepClear = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeOverArea();

    std::array<QLabel*, 8> m_labels{}; // one per advisory, in the window's order, `SkidAdvisoryLabel` first

    QPointer<QWidget> m_area;
    std::function<QRect()> m_keepClear;
    bool m_aside = false;
    bool m_anyShown = false;
};

} // namespace brisko::gui
