#pragma once
// The 22-field portfolio line.
#include "model/AdvisoryFlags.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace brisko {

struct ActionRecord {
    int stage = 0;
    int code = 0;
    std::optional<QString> value1, value2, value3, value4; // absent is written "-"
    QString description;                                   // empty when absent
};

// What the record takes from the window at the moment of logging.
struct RecordContext {
    QString timeText;     // TimeEF
    QString distanceText; // PoweredDistanceEF
    QString speedText;    // TopSpeedEF
    QString massText;     // ProjectedMassEF
    QString designName;   // the DesignList box's text
    AdvisoryFlags flags;
    QDateTime when;
};

// The record as one line without its line end; nothing when a result field neither
// begins with "[" nor converts to a number. Commas and line breaks inside a value
// would split the record, so they are replaced (";" and " ") and the line always
// has exactly 22 fields.
std::optional<QString> formatActionLine(const ActionRecord& record, const RecordContext& context);

// A value as it stands in a record: commas become ";", line breaks become blanks.
QString recordField(const QString& text);

} // namespace brisko
