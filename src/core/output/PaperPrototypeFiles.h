#pragma once
// The paper prototype written to a PDF file through the same pages as the printer.
#include "output/PaperPrototypePrinting.h"

#include <QPageSize>

namespace brisko {

// Margins of the written page, inside which the printer frame starts.
inline constexpr double kPdfMarginInches = 0.25;

// Writes the choice to `path` on paper of the given size; empty on success,
// otherwise the message (paper too small, file not writable).
QString writePaperPrototypePdf(const PaperPrototype& prototype, PrintChoice choice, const QString& path,
                               const QPageSize& paper = QPageSize(QPageSize::Letter));

} // namespace brisko
