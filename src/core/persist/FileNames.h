#pragma once
// Small helpers on file names.
#include <QString>

namespace brisko {

// Gives `path` the extension `extension` (with its dot, e.g. ".brdp"): everything
// from the last "." of the file name on is replaced, or the extension is appended
// when the name has none. The comparison is case-sensitive, so "a.BRDP" becomes
// "a.brdp". A dot in a folder name does not count.
QString ForceExtension(const QString& path, const QString& extension);

// The file name without folder and extension: the name of a design saved there.
QString designNameOfPath(const QString& path);

} // namespace brisko
