#pragma once
// Number texts: how figures are rounded, shown, logged and written to design files.
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace brisko {

// Round to the nearest integer, a half going to the even neighbour.
int nearest(double x); // not-a-number gives 0, values beyond the integers the largest or smallest one

// A single-precision figure widened and written in general format with up to
// 15 significant digits: 0.57f reads "0.569999992847443", 4.81f "4.80999994277954".
QString numberText(float value);

// The first n characters of a text ("cut to n").
QString cut(const QString& text, int n);

// Fixed-point pattern with the given number of decimals ("0.00" is 2, "0.0" is 1).
// Rounds the value's 15-digit decimal form half away from zero, so 12.345 gives 12.35.
QString formatFixed(double value, int decimals);

// Result form of the portfolio and the report: a text beginning with "[" stays as it
// is; any other text is converted and written with two decimals. Empty when the text
// does not convert.
std::optional<QString> resultForm(const QString& text);

// The 23-character float of design files: a space (or "-"), one digit, ".", 14
// digits, "E", the exponent's sign and 4 digits. 115/72 gives " 1.59722220897675E+0000".
QString fileFloat(float value);

// Text to number: the whole text must convert, "." is the decimal point whatever the
// system locale; surrounding blanks are allowed.
std::optional<double> toDouble(const QString& text);
// The same for Latin-1 bytes (a record read from a file), without making a QString.
std::optional<double> latin1ToDouble(QByteArrayView latin1);
// As toDouble, then held in single precision; texts beyond the single range fail.
std::optional<float> toSingle(const QString& text);
// A decimal integer with an optional sign.
std::optional<int> toInt(const QString& text);

} // namespace brisko
