#pragma once
#include <QString>

namespace brisko::gui {

// Converts a "Name|*.ext|Other|*.*" filter into the Qt form "Name (*.ext);;Other (*.*)".
QString toQtFileFilter(const QString& pipeFilter);

} // namespace brisko::gui
