#include "mainwin/TopBar.h"

#include "mainwin/DesignListBar.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QResizeEvent>
#include <QScopedValueRollback>

namespace brisko::gui {

namespace {

constexpr int kSpacing = 8;
const QMargins kMargins(10, 6, 10, 6);

QFrame* makeSeparator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

int widthOf(const QWidget* w)
{
    return std::max(w->minimumSizeHint().width(), w->minimumWidth());
}

} // namespace

TopBar::TopBar(QWidget* steps, QWidget* tools, DesignListBar* list, QWidget* portfolio, QWidget* parent)
    : QFrame(parent)
    , m_steps(steps)
    , m_tools(tools)
    , m_list(list)
    , m_portfolio(portfolio)
    , m_beforeTools(makeSeparator(this))
    , m_beforeList(makeSeparator(this))
    , m_listColumn(new QWidget(this))
    , m_grid(new QGridLayout(this))
{
    setObjectName(QStringLiteral("TopBar"));
    setFrameShape(QFrame::StyledPanel);
    m_grid->setContentsMargins(kMargins);
    m_grid->setHorizontalSpacing(kSpacing);
    m_grid->setVerticalSpacing(4);
    // The bar's own least size is the narrow arrangement's; the layout must not
    // force the one-row width on the window.
    m_grid->setSizeConstraint(QLayout::SetNoConstraint);
    m_listColumn->setObjectName(QStringLiteral("DesignListColumn"));
    m_listLayout = new QBoxLayout(QBoxLayout::TopToBottom, m_listColumn);
    m_listLayout->setContentsMargins(0, 0, 0, 0);
    m_listLayout->setSpacing(4);
    m_listLayout->addWidget(m_list);
    m_listLayout->addWidget(m_portfolio, 1);
    m_portfolioLayout = qobject_cast<QBoxLayout*>(m_portfolio->layout());
    arrange(false);
}

void TopBar::orderTabsAsRead()
{
    QWidget* previous = nullptr;
    for (QWidget* w : m_tools->findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus)
            previous = w;
    if (!previous)
        return;
    for (QWidget* stop : m_list->tabStops()) {
        setTabOrder(previous, stop);
        previous = stop;
    }
}

// The width the one-row arrangement needs: every group at its least width.
int TopBar::oneRowWidth() const
{
    // The tools at their widest (the drive box hides during a drawing), so that a
    // drawing never rearranges the bar.
    m_widestTools = std::max(m_widestTools, widthOf(m_tools));
    const int listWidth = std::max(widthOf(m_list), 160);
    return kMargins.left() + kMargins.right() + widthOf(m_steps) + m_widestTools + listWidth
        + 2 * widthOf(m_beforeTools) + 4 * kSpacing;
}

QSize TopBar::minimumSizeHint() const
{
    const int twoRowWidth = kMargins.left() + kMargins.right() + 2 * kSpacing + widthOf(m_steps)
        + widthOf(m_beforeTools) + widthOf(m_tools);
    const int listRowWidth = kMargins.left() + kMargins.right() + m_listColumn->minimumSizeHint().width();
    return {std::max(twoRowWidth, listRowWidth), m_grid->minimumSize().height()};
}

void TopBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const bool twoRows = event->size().width() < oneRowWidth();
    if (twoRows != m_twoRows && !m_arranging)
        arrange(twoRows);
}

void TopBar::arrange(bool twoRows)
{
    const QScopedValueRollback arranging(m_arranging, true);
    m_twoRows = twoRows;
    for (QWidget* w : std::initializer_list<QWidget*>{m_steps, m_beforeTools, m_tools, m_beforeList, m_listColumn})
        m_grid->removeWidget(w);
    for (int c = 0; c < 5; ++c)
        m_grid->setColumnStretch(c, 0);
    m_list->setOneLine(twoRows);
    m_listLayout->setDirection(twoRows ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    m_listLayout->setSpacing(twoRows ? 12 : 4);
    if (m_portfolioLayout) {
        m_portfolioLayout->setDirection(twoRows ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        m_portfolioLayout->setSpacing(twoRows ? 6 : 0);
    }
    m_grid->addWidget(m_steps, 0, 0);
    m_grid->addWidget(m_beforeTools, 0, 1);
    m_grid->addWidget(m_tools, 0, 2);
    if (twoRows) {
        m_beforeList->hide();
        m_grid->addWidget(m_listColumn, 1, 0, 1, 5);
        m_grid->setColumnStretch(2, 1);
    } else {
        m_grid->addWidget(m_beforeList, 0, 3);
        m_beforeList->show();
        m_grid->addWidget(m_listColumn, 0, 4);
        m_grid->setColumnStretch(2, 1);
        m_grid->setColumnStretch(4, 1);
    }
    m_listLayout->invalidate();
    m_listColumn->updateGeometry();
    m_grid->invalidate();
    updateGeometry();
}

} // namespace brisko::gui
