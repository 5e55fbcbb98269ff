#pragma once
// The print operations of the paper prototype: each operation is one document,
// the entire set too, its pages turning between portrait (the report) and
// landscape (the templates). After each operation's pages its action record is
// handed on.
#include "output/PageStream.h"
#include "output/PaperPrototype.h"
#include "output/TemplatePages.h"

#include <functional>

class QPagedPaintDevice;

namespace brisko {

enum class PrintChoice { Report, OneInner, OneOuter, Wheels, EntireSet };

// Values 1 to 4 of the record are the letter.
struct PrintRecord {
    QString Letter;
    QString Description;
};

// Receives each operation's record after its pages; false stops the printing there.
using PrintRecordSink = std::function<bool(const PrintRecord&)>;

// Empty when the choice holds no design report or the report's upright page fits
// the device's printable area, otherwise a message for the user naming the
// printable size. Templates print on any paper: in tiles where they do not fit.
QString paperTooSmallMessage(const QPagedPaintDevice& device, PrintChoice choice);

class PaperPrototypePrinter {
public:
    // Prints the choice on the device as one document. Empty on success; otherwise
    // why nothing (paper too small) or not everything was printed.
    QString print(PrintChoice choice, const PaperPrototype& prototype, QPagedPaintDevice& device,
                  const PrintRecordSink& recordSent);
    // The same pages into any stream; false when the stream or a record failed.
    bool print(PrintChoice choice, const PaperPrototype& prototype, PageStream& pages,
               const PrintRecordSink& recordSent);

    // Raised before each layer template of the entire set and reset to 0 before a
    // single layer template or the set; it keeps its value between operations.
    int pageCounter() const { return m_pageCounter; }

private:
    struct Run;
    bool printReport(Run& run);
    bool printLayer(Run& run, LayerKind layer);
    bool printWheels(Run& run);
    bool printEntireSet(Run& run);

    int m_pageCounter = 0;
};

} // namespace brisko
