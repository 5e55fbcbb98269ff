#pragma once
// What the design-list box and its buttons do: open, switch, new, remove, and the
// name typed into the box.
#include <QString>

namespace brisko {

class Session;

// Open: offers to save, asks for a file and adds the design read from it as a new,
// current entry. A file that cannot be read is refused with a message and nothing
// changes. The current entry counts as saved afterwards. True when a file was opened.
bool OpenDesign(Session& session);

// Makes the entry at `position` current and loads its design: a preset from its
// tables, any other entry from its file (of either layout). A file that cannot be
// read is refused with a message, and the current entry and design stay as they
// were; the result is then false.
bool SelectDesign(Session& session, int position);

// A click on another entry of the box: offers to save, then SelectDesign. When the
// student declined to save a design and it left the list, the Default design is the
// one loaded. False when nothing was switched (the box shows CurrentDesign again).
bool chooseDesign(Session& session, int position);

// Adds a new design with the default shape, named "Untitled design ...", and makes
// it current; refused when the list is full.
bool NewDesign(Session& session);
// The New button: offers to save first.
bool newDesignAfterSaving(Session& session);

// The Remove button: presets are refused; otherwise offers to save, asks for
// confirmation and removes the current entry.
bool removeCurrentDesign(Session& session);

// Enter in the box, or its text changed with no item selected: the text becomes the
// current entry's name and item text. Presets keep their names.
void nameCurrentEntryFromBox(Session& session, const QString& text);

// Leaving the box: a "SetCarName" record with the box's text.
void logCarName(Session& session);

} // namespace brisko
