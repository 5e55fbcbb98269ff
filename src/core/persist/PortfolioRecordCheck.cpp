#include "persist/PortfolioRecordCheck.h"

#include <QLocale>
#include <QString>
#include <algorithm>

namespace brisko {

namespace {

constexpr int kLowestStage = -4;
constexpr int kHighestStage = 8;
constexpr int kHighestCode = 999;

bool hasControlBytes(QByteArrayView line)
{
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

// A whole number of at most four digits, with an optional minus sign, in [low, high].
bool wholeNumberIn(QByteArrayView text, int low, int high)
{
    const qsizetype digits = text.startsWith('-') ? text.size() - 1 : text.size();
    if (digits < 1 || digits > 4)
        return false;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

bool flagsReadable(const RecordFields& fields)
{
    for (int i = kFirstFlagField; i < kRecordFields; ++i) {
        // "1", "0" or "-", tested byte by byte: a year of records has millions of flags.
        const QByteArrayView flag = fields.field[size_t(i)];
        if (flag.size() != 1 || (flag[0] != '1' && flag[0] != '0' && flag[0] != '-'))
            return false;
    }
    return true;
}

} // namespace

RecordFields splitRecord(QByteArrayView line)
{
    // One pass over the bytes: the fields are short, a search per field costs more.
    RecordFields fields;
    const char* bytes = line.data();
    const qsizetype size = line.size();
    qsizetype start = 0;
    for (qsizetype i = 0;; ++i) {
        if (i < size && bytes[i] != ',')
            continue;
        if (fields.count < kRecordFields)
            fields.field[size_t(fields.count)] = line.sliced(start, i - start);
        ++fields.count;
        if (i == size || fields.count > kRecordFields)
            return fields;
        start = i + 1;
    }
}

QDate recordDate(QByteArrayView text)
{
    QDate date = QLocale::system().toDate(QString::fromLatin1(text), QLocale::ShortFormat);
    // A two-digit year reads as 19xx; the program wrote it this century.
    if (date.isValid() && date.year() < 1970)
        date = date.addYears(100);
    return date;
}

RecordFault checkRecord(QByteArrayView line, const RecordFields& fields, RecordOrder& order)
{
    if (hasControlBytes(line))
        return RecordFault::ControlBytes;
    if (fields.count != kRecordFields)
        return RecordFault::FieldCount;
    if (!wholeNumberIn(fields.field[0], kLowestStage, kHighestStage))
        return RecordFault::Stage;
    if (!wholeNumberIn(fields.field[1], 0, kHighestCode))
        return RecordFault::Code;
    if (!flagsReadable(fields))
        return RecordFault::Flag;
    // A date in another format (the system's settings changed) is taken as it is.
    if (fields.field[kDateField] != order.dateText) {
        order.dateText = fields.field[kDateField].toByteArray();
        order.dateRead = recordDate(order.dateText);
    }
    const QDate date = order.dateRead;
    if (date.isValid()) {
        if (date > order.today.addDays(1) || (order.lastDate.isValid() && date < order.lastDate))
            return RecordFault::DateOrder;
        order.lastDate = date;
    }
    return RecordFault::None;
}

} // namespace brisko
