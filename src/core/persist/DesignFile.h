#pragma once
// Design files (".brsk"): one car design with its name and the student's own
// materials, one value per line. Reading never touches the design in memory: a
// file is read completely into a DesignFileContents, and only a file that reads
// without fault is handed back.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "persist/FileNames.h"

#include <QByteArray>
#include <QString>

namespace brisko {

class DesignFileLines;

inline const QString kDesignFileMarker = QStringLiteral(":::::VersionInformation:::::");
inline const QString kDesignFileVersion = QStringLiteral("3");
inline const QString kDesignFileExtension = QStringLiteral(".brsk");

struct DesignFileContents {
    CarDesign design;            // the texts, shapes and choices read
    MaterialLibrary materials;   // the defaults and then the file's own materials
    QString name;                // empty for the older layout, which holds no name
    bool olderLayout = false;    // read by ReadLegacyDesignFile
};

// The whole file, version 3, as bytes: single-byte text with CR LF line ends.
QByteArray designFileBytes(const CarDesign& design, const MaterialLibrary& materials, const QString& name);

// Writes the file through a temporary file in the same folder that replaces the
// old file only when it is complete, so a failed save never leaves a truncated
// file behind. On failure `error` names the file and the reason.
bool WriteDesignFile(const QString& path, const CarDesign& design, const MaterialLibrary& materials,
                     const QString& name, QString* error);

// Readers of the lines after the header. `into` holds the starting point (the design
// after the reset that precedes loading); dimensions the layout does not hold keep
// their starting texts. Outlines, weights and defined materials are replaced.
// On a fault they return false and `lines.error()` tells why; `into` is then partly
// filled and must be dropped.
bool ReadDesignFile(DesignFileLines& lines, DesignFileContents& into);       // lines 3 on
bool ReadLegacyDesignFile(DesignFileLines& lines, DesignFileContents& into); // lines 2 on

enum class OlderLayout { Refused, Read };

// Opens and reads a design file. Version 3 files are read by ReadDesignFile; a file
// whose first line is not the marker is read by ReadLegacyDesignFile when `older` is
// Read and refused otherwise. `into` changes only when the whole file was read.
bool parseDesignFile(const QString& path, OlderLayout older, DesignFileContents& into, QString* error);

// As parseDesignFile, for the bytes of a file already in memory; `path` names the
// file in messages.
bool readDesignBytes(const QByteArray& bytes, const QString& path, OlderLayout older, DesignFileContents& into,
                     QString* error);

} // namespace brisko
