#pragma once
// Putting a whole design into the session, as loading a file, switching to a
// preset and starting a new design do.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

namespace brisko {

class Session;

// The design after the reset that precedes every load: default dimensions, RWD,
// all material choices 0, the front axle defaults, no outlines and no weights;
// case ratio, friction force and step size as the Preferences fields show them.
CarDesign designBeforeLoading(const Session& session);

// The current design with the texts its fields show, as Save writes it.
CarDesign designAsShown(const Session& session);

// Makes `design` the session's design. Loading counts as typing into every field
// whose text changes (a stage-0 record; a dimension also waits for Apply), and as
// choosing a chamber shape that was not chosen (a stage-1 record, and the entry
// current at that moment counts as changed).
void showLoadedDesign(Session& session, const CarDesign& design);

// Makes `materials` the session's material library, keeping its change listener.
void replaceMaterials(Session& session, const MaterialLibrary& materials);

// Loads the preset at `position` (0..4) into the session with rear-wheel drive; the
// other-wheel diameter comes back from the text kept aside for it.
void loadPresetDesign(Session& session, int position);

} // namespace brisko
