#include "session/DesignListEntries.h"
#include "session/ActionCodes.h"

#include "model/AppState.h"
#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

bool roomForAnotherDesign(Session& session)
{
    if (session.designs().count() < kMaxDesigns)
        return true;
    session.prompter().message(QStringLiteral("Please try again."),
                               QStringLiteral("The design list is full: it holds at most %1 designs. Remove a design "
                                              "you no longer need from the list first.")
                                   .arg(kMaxDesigns));
    return false;
}

int appendDesign(Session& session, const QString& name, const QString& filePath)
{
    if (!roomForAnotherDesign(session))
        return -1;
    return appendEntry(session, {name, name, filePath, false, false});
}

int appendEntry(Session& session, const DesignListEntry& entry)
{
    if (!SessionEditor::designs(session).append(entry))
        return -1;
    SessionEditor::app(session).DesignCount = session.designs().count();
    return session.designs().count() - 1;
}

void selectEntry(Session& session, int position)
{
    SessionEditor::app(session).CurrentDesign = position;
    SessionEditor::setDesignListText(session, SessionEditor::designs(session).entry(position).ListText);
}

void RemoveDesign(Session& session, int position)
{
    session.logAction(actions::RemoveDesign, QStringLiteral("Remove"), session.designs().entry(position).Name);
    SessionEditor::designs(session).removeAt(position);
    SessionEditor::app(session).DesignCount = session.designs().count();
    selectEntry(session, 0);
    session.startHistory(); // the steps were the removed design's
}

} // namespace brisko
