#include "dialogs/TADWin.h"

#include "analysis/Advisories.h"

#include <QEvent>
#include <algorithm>
#include <iterator>
#include <QLabel>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

struct AdvisoryLabel {
    const char* name;
    const QString& text;
    const QString& hint;
    bool AdvisoryDisplay::*shown;
};

// The texts and hints are the analysis' own, so the window and the checks agree.
constexpr int kAreaMargin = 10; // between the window and the area's edges

const QString kWeightsFreeText = QStringLiteral("Some weights are not connected.");

const AdvisoryLabel kLabels[] = {
    {"SkidAdvisoryLabel", advisory::kSkidText, advisory::kSkidHint, &AdvisoryDisplay::skid},
    {"CarTooBigLabel", advisory::kCarTooBigText, advisory::kCarTooBigHint, &AdvisoryDisplay::carTooBig},
    {"AxleFreeLabel", advisory::kAxleFreeText, advisory::kAxleFreeHint, &AdvisoryDisplay::axleFree},
    {"CaseFreeLabel", advisory::kCaseFreeText, advisory::kCaseFreeHint, &AdvisoryDisplay::caseFree},
    {"CoreInterfereLabel", advisory::kCoreInterfereText, advisory::kCoreInterfereHint, &AdvisoryDisplay::coreInterfere},
    {"FloatingLabel", advisory::kFloatingText, advisory::kFloatingHint, &AdvisoryDisplay::floating},
    {"WeightsFreeLabel", kWeightsFreeText, advisory::kWeightsFreeHint, &AdvisoryDisplay::weightsFree},
    {"NoMassLabel", advisory::kNoMassText, advisory::kNoMassHint, &AdvisoryDisplay::noMass},
};
constexpr int kCaseFree = 3; // its wording follows the drive

} // namespace

TADWin::TADWin(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("ADWin"));
    setWindowTitle(QStringLiteral("Advisories"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus); // a student typing in a field keeps typing there
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 10, 14, 10);
    static_assert(std::size(kLabels) == std::tuple_size_v<decltype(m_labels)>);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const AdvisoryLabel& advisory = kLabels[i];
        auto* label = new QLabel(advisory.text);
        label->setObjectName(QString::fromLatin1(advisory.name));
        label->setToolTip(advisory.hint);
        label->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
        label->hide();
        column->addWidget(label);
        m_labels[i] = label;
    }
    setMinimumWidth(260);
}

void TADWin::showAdvisories(const AdvisoryDisplay& display)
{
    m_labels[kCaseFree]->setText(display.caseFreeAllWheelWording ? advisory::kCaseFreeAwdText
                                                                 : advisory::kCaseFreeText);
    for (std::size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setVisible(display.*kLabels[i].shown);
    // As tall as the labels that show, no more.
    layout()->activate();
    resize(sizeHint());
    placeOverArea();
    m_anyShown = display.any();
    setVisible(m_anyShown && !m_aside);
}

void TADWin::setAside(bool aside)
{
    m_aside = aside;
    setVisible(m_anyShown && !m_aside);
}

void TADWin::followArea(QWidget* area)
{
    if (m_area)
        m_area->window()->removeEventFilter(this);
    m_area = area;
    if (!area)
        return;
    area->installEventFilter(this);
    area->window()->installEventFilter(this);
    placeOverArea();
}

QPoint TADWin::placeInArea(const QRect& areaOnScreen, const QSize& frameSize, const QRect& keepClear)
{
    const int left = std::max(areaOnScreen.left(), areaOnScreen.right() + 1 - kAreaMargin - frameSize.width());
    int top = areaOnScreen.top() + kAreaMargin;
    if (!keepClear.isEmpty() && QRect(QPoint(left, top), frameSize).intersects(keepClear))
        top = keepClear.bottom() + 1 + kAreaMargin / 2;
    return {left, top};
}

void TADWin::keepClearOf(std::function<QRect()> areaPart)
{
    m_keepClear = std::move(areaPart);
    placeOverArea();
}

void TADWin::placeOverArea()
{
    if (!m_area)
        return;
    const QRect areaOnScreen(m_area->mapToGlobal(QPoint(0, 0)), m_area->size());
    // The frame the window manager adds is part of what must stay inside the area.
    const QSize frame = frameGeometry().size().expandedTo(size());
    const QRect clear = m_keepClear ? m_keepClear().translated(areaOnScreen.topLeft()) : QRect();
    move(placeInArea(areaOnScreen, frame, clear));
}

bool TADWin::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowStateChange:
        placeOverArea();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brisko::gui
