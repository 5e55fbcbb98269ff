#include "session/DesignListOps.h"
#include "session/ActionCodes.h"

#include "model/Presets.h"
#include "persist/DesignFile.h"
#include "session/DesignFileDialogs.h"
#include "session/DesignListEntries.h"
#include "session/DesignLoading.h"
#include "session/DesignSaving.h"
#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

namespace {

void showNewDesign(Session& session)
{
    const SessionOperation operation(session);
    session.startHistory();
    session.announceDesignOpened();
    session.announceDesignReplaced();
}

// Reads a design file from the reset state; a refusal is shown.
bool readIntoContents(Session& session, const QString& path, OlderLayout older, DesignFileContents& contents)
{
    contents.design = designBeforeLoading(session);
    QString error;
    if (parseDesignFile(path, older, contents, &error))
        return true;
    session.prompter().message(QStringLiteral("Design file"), error);
    return false;
}

bool openDesignFile(Session& session, const QString& path)
{
    DesignFileContents contents;
    if (!readIntoContents(session, path, OlderLayout::Refused, contents))
        return false;
    replaceMaterials(session, contents.materials);
    showLoadedDesign(session, contents.design);
    session.logAction(actions::OpenDesign, QStringLiteral("Open"), contents.name);
    selectEntry(session, appendDesign(session, contents.name, path));
    showNewDesign(session);
    return true;
}

void logDesignChoice(Session& session, int position)
{
    session.logAction(actions::ChangeDesign, QStringLiteral("Change design"), session.designs().entry(position).Name);
}

void makeCurrentAndSaved(Session& session, int position)
{
    selectEntry(session, position);
    SessionEditor::designs(session).entry(position).Saved = true;
    logDesignChoice(session, position);
}

bool selectFileDesign(Session& session, int position)
{
    DesignFileContents contents;
    if (!readIntoContents(session, session.designs().entry(position).FilePath, OlderLayout::Read, contents))
        return false;
    makeCurrentAndSaved(session, position);
    replaceMaterials(session, contents.materials);
    showLoadedDesign(session, contents.design);
    DesignListEntry& entry = SessionEditor::designs(session).entry(position);
    entry.Name = contents.name;
    if (contents.olderLayout)
        SessionEditor::setDesignListText(session, QString());
    entry.Saved = true;
    showNewDesign(session);
    return true;
}

} // namespace

bool OpenDesign(Session& session)
{
    if (session.controlsChanging())
        return false;
    if (!mayReplaceDesign(SaveIfNeeded(session)))
        return false;
    bool opened = false;
    if (roomForAnotherDesign(session)) {
        const QString path = askOpenDesignFileName(session);
        opened = !path.isEmpty() && openDesignFile(session, path);
    }
    SessionEditor::designs(session).entry(session.app().CurrentDesign).Saved = true;
    return opened;
}

bool SelectDesign(Session& session, int position)
{
    if (position < 0 || position >= session.designs().count())
        return false;
    if (session.designs().isPreset(position)) {
        makeCurrentAndSaved(session, position);
        loadPresetDesign(session, position);
        showNewDesign(session);
        return true;
    }
    if (session.designs().entry(position).FilePath.isEmpty()) {
        makeCurrentAndSaved(session, position); // a design never saved has nothing to load
        session.startHistory();
        return true;
    }
    return selectFileDesign(session, position);
}

bool chooseDesign(Session& session, int position)
{
    if (session.controlsChanging() || position == session.app().CurrentDesign || position < 0 || position >= session.designs().count())
        return false;
    const int outcome = SaveIfNeeded(session);
    if (!mayReplaceDesign(outcome))
        return false;
    return SelectDesign(session, outcome == EntryRemoved ? 0 : position);
}

bool NewDesign(Session& session)
{
    if (!roomForAnotherDesign(session))
        return false;
    CarDesign design = designBeforeLoading(session);
    loadPresetShape(design, 0);
    showLoadedDesign(session, design);
    const QString name = untitledName(session.nameDraw());
    const int position = appendDesign(session, name, QString());
    selectEntry(session, position);
    {
        const SessionOperation operation(session);
        session.startHistory();
        session.announceDesignOpened();
        session.logAction(actions::NewDesign, QStringLiteral("New"), name);
        session.announceDesignReplaced();
    }
    session.markDesignChanged(position);
    return true;
}

bool newDesignAfterSaving(Session& session)
{
    return mayReplaceDesign(SaveIfNeeded(session)) && NewDesign(session);
}

bool removeCurrentDesign(Session& session)
{
    if (session.designs().isPreset(session.app().CurrentDesign)) {
        session.prompter().message(QStringLiteral("Sorry"),
                                   QStringLiteral("Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be "
                                                  "deleted from the list."));
        return false;
    }
    if (!mayRemoveDesign(SaveIfNeeded(session)))
        return false;
    if (session.prompter().confirm(QStringLiteral("Confirm"),
                                   QStringLiteral("Are you sure that you wish to remove this design from the list?"))
        != Answer::Yes)
        return false;
    RemoveDesign(session, session.app().CurrentDesign);
    session.announceDesignListChanged();
    return true;
}

void nameCurrentEntryFromBox(Session& session, const QString& text)
{
    SessionEditor::setDesignListText(session, text);
    const int current = session.app().CurrentDesign;
    if (session.designs().isPreset(current))
        return;
    DesignListEntry& entry = SessionEditor::designs(session).entry(current);
    entry.Name = text;
    entry.ListText = text;
}

void logCarName(Session& session)
{
    session.logAction(actions::SetCarName, session.designListText());
}

} // namespace brisko
