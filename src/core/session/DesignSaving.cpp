#include "session/DesignSaving.h"
#include "session/ActionCodes.h"

#include "persist/DesignFile.h"
#include "session/DesignFileDialogs.h"
#include "session/DesignListEntries.h"
#include "session/DesignLoading.h"
#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

namespace {

// Writes the current design under `name`; a failure is shown and nothing is marked.
bool writeCurrentDesign(Session& session, const QString& path, const QString& name)
{
    QString error;
    if (WriteDesignFile(path, designAsShown(session), session.materials(), name, &error))
        return true;
    session.prompter().message(QStringLiteral("Design file"), error);
    return false;
}

void recordSaved(Session& session, int position)
{
    DesignListEntry& entry = SessionEditor::designs(session).entry(position);
    entry.Saved = true;
    session.logAction(actions::SaveDesign, QStringLiteral("Save"), entry.Name);
}

// Saves as a new entry, which takes the file; the current entry stays current.
bool saveAsNewEntry(Session& session, const QString& path, const QString& name)
{
    if (!roomForAnotherDesign(session) || !writeCurrentDesign(session, path, name))
        return false;
    const int position = appendDesign(session, name, path);
    SessionEditor::setDesignListText(session, name);
    recordSaved(session, position);
    return true;
}

bool saveCurrentEntry(Session& session, const QString& path, const QString& name)
{
    if (!writeCurrentDesign(session, path, name))
        return false;
    const int current = session.app().CurrentDesign;
    DesignListEntry& entry = SessionEditor::designs(session).entry(current);
    if (entry.Name != name) {
        entry.Name = name;
        entry.ListText = name;
        SessionEditor::setDesignListText(session, name);
    }
    entry.FilePath = path;
    recordSaved(session, current);
    return true;
}

int saveAfterYes(Session& session)
{
    const QString path = AskDesignFileName(session);
    if (path.isEmpty())
        return SaveNotDone;
    const QString name = designNameOfPath(path);
    if (name != session.designs().entry(session.app().CurrentDesign).Name)
        return saveAsNewEntry(session, path, name) ? SavedAsNewEntry : SaveNotDone;
    return saveCurrentEntry(session, path, name) ? SavedUnderOwnName : SaveNotDone;
}

} // namespace

int SaveIfNeeded(Session& session)
{
    if (session.controlsChanging())
        return SaveCancelled;
    const int current = session.app().CurrentDesign;
    if (session.designs().entry(current).Saved)
        return NothingToSave;
    switch (session.prompter().confirm(QStringLiteral("Confirm"), QStringLiteral("Current design is not saved. Save it?"))) {
    case Answer::Yes: return saveAfterYes(session);
    case Answer::Cancel: return SaveCancelled;
    case Answer::No: break;
    }
    if (session.designs().isPreset(current))
        return PresetKept;
    RemoveDesign(session, current);
    return EntryRemoved;
}

bool mayReplaceDesign(int outcome)
{
    return outcome != SaveNotDone && outcome != SaveCancelled;
}

bool mayRemoveDesign(int outcome)
{
    return outcome == SavedAsNewEntry || outcome == SavedUnderOwnName || outcome == NothingToSave;
}

bool SaveDesignAs(Session& session)
{
    if (session.controlsChanging())
        return false;
    const QString path = AskDesignFileName(session);
    if (path.isEmpty())
        return false;
    const QString name = designNameOfPath(path);
    const int current = session.app().CurrentDesign;
    if (name != session.designs().entry(current).Name && session.designs().isPreset(current))
        return saveAsNewEntry(session, path, name);
    return saveCurrentEntry(session, path, name);
}

} // namespace brisko
