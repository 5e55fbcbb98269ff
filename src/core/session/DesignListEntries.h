#pragma once
// Adding, choosing and removing design-list entries of a session, keeping the
// design count and the text of the design-list box in step with the list.
#include "persist/DesignList.h"

namespace brisko {

class Session;

// True when one more entry fits; otherwise tells the student so and returns false.
bool roomForAnotherDesign(Session& session);

// Appends an entry (its list text is its name); the position, or -1 when the list is
// full (after telling the student).
int appendDesign(Session& session, const QString& name, const QString& filePath);

// Appends `entry` as it is; its position, or -1 when the list is full (nothing is
// said).
int appendEntry(Session& session, const DesignListEntry& entry);

// Makes the entry at `position` current and shows its item text in the box.
void selectEntry(Session& session, int position);

// Removes the entry at `position` with a "RemoveAction" record; the entries after
// it move up and the Default design (position 0) becomes the current entry. The
// design in memory stays as it is.
void RemoveDesign(Session& session, int position);

} // namespace brisko
