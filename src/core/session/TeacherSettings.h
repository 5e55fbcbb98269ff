#pragma once
// What a teacher sets for every run of the program on this computer, kept in the
// program's settings (never in a design file): whether the Power Designer's menu
// item is shown.
#include <QString>

namespace brisko {

class Session;

inline const QString kShowPowerDesignerKey = QStringLiteral("Teacher/ShowPowerDesigner");

bool powerDesignerSetting();
// Keeps the setting and logs the change; the same value again changes and logs nothing.
void changePowerDesignerSetting(Session& session, bool show);

} // namespace brisko
