#include "session/TeacherSettings.h"

#include "session/Session.h"

#include <QSettings>
#include <memory>

namespace brisko {

namespace {

std::unique_ptr<QSettings> programSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brisko"),
                                       QStringLiteral("Brisko"));
}

} // namespace

bool powerDesignerSetting()
{
    return programSettings()->value(kShowPowerDesignerKey, false).toBool();
}

void changePowerDesignerSetting(Session& session, bool show)
{
    if (powerDesignerSetting() == show)
        return;
    programSettings()->setValue(kShowPowerDesignerKey, show);
    session.logAction(actions::PowerDesignerSetting, show ? QStringLiteral("On") : QStringLiteral("Off"));
}

} // namespace brisko
