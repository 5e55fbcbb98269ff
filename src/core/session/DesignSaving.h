#pragma once
// Saving the current design: the question before it is replaced, and Save.
#include <QString>

namespace brisko {

class Session;

// Results of SaveIfNeeded.
enum SaveOutcome : int {
    SavedAsNewEntry = 1,   // saved under a new name as a new list entry
    SavedUnderOwnName = 2, // saved under the current entry's own name
    SaveNotDone = 3,       // "Yes", but the file dialog was cancelled or the file could not be written
    SaveCancelled = 4,     // "Cancel"
    PresetKept = 5,        // "No" for a preset, which stays
    EntryRemoved = 6,      // "No" for any other entry, which was removed from the list
    NothingToSave = 7,
};

// Offers to save an unsaved current design.
int SaveIfNeeded(Session& session);

// Whether New, Open and switching go on after SaveIfNeeded (1, 2, 5, 6, 7).
bool mayReplaceDesign(int saveOutcome);
// Whether removing goes on after SaveIfNeeded (1, 2, 7).
bool mayRemoveDesign(int saveOutcome);

// Save: asks for the file and writes the current design. Saving under a new name
// renames the current entry, or adds a new entry when the current one is a preset.
// False when cancelled or not written; nothing in the list changes then.
bool SaveDesignAs(Session& session);

} // namespace brisko
