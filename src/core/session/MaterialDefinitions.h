#pragma once
// What the Done button of a material definition dialog and the Delete buttons of
// the Material Definitions window do, without any window: the checks with their
// messages, storing as a new or an edited material with its record, and keeping the
// design's material choices valid after a delete.
#include "model/MaterialLibrary.h"

namespace brisko {

class Session;

// How the definition dialog was opened: New starts from the texts last left in it,
// Edit from the record selected in the list window.
enum class DefinitionMode { New, Edit };

enum class DefinitionOutcome {
    Stored,        // added or replaced, and logged
    NothingStored, // Edit with the default or nothing selected: the dialog closes
    StayOpen,      // refused or not confirmed: the dialog stays open with the texts as typed
};

// Runs the kind's checks (the first failure is shown), then stores:
// - a name that no list entry of the kind has is added at the end ("New" record);
// - under Edit, a name that exists overwrites the record at `selected`, the one the
//   dialog was opened for ("Edit" record), when it is 1 or more;
// - under New, a name that exists asks whether to replace the material of that name
//   and replaces that one ("Edit" record); a default's name cannot be replaced.
// Any stored change marks the current design changed: its file carries the materials.
DefinitionOutcome defineMaterial(Session& session, const BoardMaterial& board, DefinitionMode mode, int selected);
DefinitionOutcome defineMaterial(Session& session, const AxleMaterial& axle, DefinitionMode mode, int selected);
DefinitionOutcome defineMaterial(Session& session, const SpringMaterial& spring, DefinitionMode mode, int selected);
DefinitionOutcome defineMaterial(Session& session, const TreadMaterial& tread, DefinitionMode mode, int selected);

// Deletes the material at `position` (1 or more) from every list of its kind, with
// no question and no record. The design's choices of it fall back to the default;
// choices of later materials move down with them. False when nothing was deleted.
bool deleteMaterial(Session& session, MaterialKind kind, int position);

} // namespace brisko
