#pragma once
#include <QPixmap>

namespace brisko::gui {

// The About box's picture: a foam-board toy car on its track.
QPixmap drawAboutPicture(const QSize& size);

} // namespace brisko::gui
