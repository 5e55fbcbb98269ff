#pragma once
// The hourglass while a state is computed; the normal cursor comes back however the
// handler ends.
#include <QApplication>

namespace brisko::gui {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace brisko::gui
