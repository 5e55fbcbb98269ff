#pragma once
// The material block of a design file: the eight material choices and the
// student's own materials of each kind, the built-in defaults never written.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QByteArray>

namespace brisko {

class DesignFileLines;

inline constexpr int kMaxDefinedMaterials = kMaxMaterialsPerKind - 1; // after the default

// Appends the material block, from the selections to the last tread record.
void writeMaterialBlock(QByteArray& out, const MaterialSelection& selection, const MaterialLibrary& materials);

// Reads the material-block line and, when it is 1, the block: the materials are
// appended after the defaults and the selections stored. Every selection must
// name a material of its kind.
// The older layout may also mark that no block follows with 0.
enum class BlockMarks { OnlyOne, ZeroOrOne };
bool readMaterialBlock(DesignFileLines& lines, MaterialSelection& selection, MaterialLibrary& materials,
                       BlockMarks marks = BlockMarks::OnlyOne);

} // namespace brisko
