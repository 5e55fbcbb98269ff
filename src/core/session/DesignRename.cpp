#include "session/DesignRename.h"
#include "session/ActionCodes.h"

#include "session/Session.h"
#include "session/SessionEditor.h"

#include <QRegularExpression>

namespace brisko {

namespace {

void refusePreset(Session& session)
{
    session.prompter().message(QStringLiteral("Sorry"),
                               QStringLiteral("Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be "
                                              "renamed.\rHowever, you may save this design under a different name."));
}

// The typed name, cleaned; empty when the student cancelled or typed nothing.
QString askCleanName(Session& session, const QString& current)
{
    const auto typed = session.prompter().inputText(QStringLiteral("Input Box"),
                                                    QStringLiteral("Please type a new name for ") + current, current);
    if (!typed || typed->isEmpty())
        return {};
    const QString clean = SanitizeName(*typed);
    if (clean != *typed)
        session.prompter().message(QStringLiteral("Name revised"),
                                   QStringLiteral("The name you suggested has been revised to eliminate any commas (,), "
                                                  "slashes (\\ or /), or colons (:)."));
    return clean;
}

void renameCurrent(Session& session, const QString& name)
{
    const int current = session.app().CurrentDesign;
    DesignListEntry& entry = SessionEditor::designs(session).entry(current);
    session.logAction(actions::RenameDesign, QStringLiteral("Rename"), entry.Name, name);
    entry.Name = name;
    entry.ListText = name;
    SessionEditor::setDesignListText(session, name);
    session.markDesignChanged(current);
}

} // namespace

QString SanitizeName(const QString& name)
{
    static const QRegularExpression unwanted(QStringLiteral("[,/\\\\:]"));
    return QString(name).remove(unwanted);
}

bool RenameDesign(Session& session)
{
    const int current = session.app().CurrentDesign;
    if (session.designs().isPreset(current)) {
        refusePreset(session);
        return false;
    }
    const QString oldName = session.designs().entry(current).Name;
    for (;;) {
        const QString name = askCleanName(session, oldName);
        if (name.isEmpty() || name == oldName)
            return false;
        if (name.size() <= kMaxDesignNameLength) {
            renameCurrent(session, name);
            return true;
        }
        session.prompter().message(QStringLiteral("Please try again."),
                                   QStringLiteral("The car name must be 32 characters or less. "));
    }
}

} // namespace brisko
