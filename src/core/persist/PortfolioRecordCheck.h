#pragma once
// Whether a portfolio line read back is a record the program could have written:
// 22 fields of text without control bytes, a stage of -4 to 8, an action code of 0
// to 999, advisory flags of "1", "0" or "-", and a date no earlier than the
// record before it and no later than today. Anything else is damage (a line cut
// short, binary garbage, an edit by hand) and is skipped rather than drawn.
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <array>

namespace brisko {

enum class RecordFault { None, ControlBytes, FieldCount, Stage, Code, Flag, DateOrder };

// What the check remembers from one record to the next.
struct RecordOrder {
    QDate lastDate;           // of the last record accepted with a date that reads
    QDate today = QDate::currentDate();
    // The last date text read and what it read as: records of one day share it.
    QByteArray dateText;
    QDate dateRead;
};

inline constexpr int kRecordFields = 22;
inline constexpr int kFirstFlagField = 14; // field 15, counted from 0
inline constexpr int kDateField = 11;      // field 12, counted from 0

// The fields of a line, as views into it; `count` is the number of fields the line
// has, up to one more than a record has.
struct RecordFields {
    std::array<QByteArrayView, kRecordFields> field;
    int count = 0;
};
RecordFields splitRecord(QByteArrayView line);

// Checks `line` (its line end and brackets already dropped) split into `fields`
// and, when it passes, moves `order` on to this record's date.
RecordFault checkRecord(QByteArrayView line, const RecordFields& fields, RecordOrder& order);

// The record's date as the program writes it (the system's short date format);
// an invalid date when the text does not read as one.
QDate recordDate(QByteArrayView text);

} // namespace brisko
