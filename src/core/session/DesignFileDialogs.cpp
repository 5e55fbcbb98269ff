#include "session/DesignFileDialogs.h"

#include "persist/DesignFile.h"
#include "session/Session.h"

#include <QFileInfo>

namespace brisko {

namespace {

QString portfolioFolder(const Session& session)
{
    return session.portfolio().isOpen() ? QFileInfo(session.portfolio().path()).absolutePath() : QString();
}

} // namespace

FileRequest designSaveRequest(const Session& session)
{
    const int current = session.app().CurrentDesign;
    const QString name = session.designs().entry(current).Name;
    const QString proposed = session.designs().isPreset(current) ? QStringLiteral("My ") + name : name;
    return {QStringLiteral("Save car as:"), QStringLiteral("Brisko|*.brsk|All Files|*.*"), portfolioFolder(session),
            proposed + kDesignFileExtension};
}

QString AskDesignFileName(Session& session)
{
    const QString path = session.prompter().saveFile(designSaveRequest(session));
    return path.isEmpty() ? QString() : ForceExtension(path, kDesignFileExtension);
}

FileRequest designOpenRequest(const Session& session)
{
    return {QStringLiteral("Choose a .brsk file"), QStringLiteral("All Files|*.*|Brisko|*.brsk"),
            portfolioFolder(session), QString()};
}

QString askOpenDesignFileName(Session& session)
{
    return session.prompter().openFile(designOpenRequest(session));
}

} // namespace brisko
