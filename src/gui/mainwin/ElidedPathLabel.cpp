#include "mainwin/ElidedPathLabel.h"

#include <QPainter>
#include <QStyle>

namespace brisko::gui {

ElidedPathLabel::ElidedPathLabel(QWidget* parent)
    : QLabel(parent)
{
    // The path never widens the tool bar; the label takes the room it is given.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidedPathLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void ElidedPathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          shownText(), foregroundRole());
}

} // namespace brisko::gui
