#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace brisko {

int nearest(double x)
{
    // Beyond the integers, or not a number: the nearest integer that exists.
    constexpr double kLargest = 2147483647.0;
    if (std::isnan(x))
        return 0;
    if (x >= kLargest)
        return std::numeric_limits<int>::max();
    if (x <= -kLargest - 1.0)
        return std::numeric_limits<int>::min();
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(x));
}

namespace {

// Decimal digits and exponent of a value rounded to `significant` digits:
// value = 0.d1d2d3... x 10^(exponent+1), i.e. d1 is the digit of 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // without trailing zeros, at least one digit
    int exponent = 0;
};

Decimal decompose(double value, int significant)
{
    Decimal d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits == "0")
        d.negative = false;
    return d;
}

} // namespace

QString numberText(float value)
{
    const double v = value;
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (v == 0.0)
        return QStringLiteral("0");
    const Decimal d = decompose(v, 15);
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < -5 || d.exponent >= 15) {
        out += d.digits[0];
        if (n > 1)
            out += "." + d.digits.substr(1);
        out += "E" + std::to_string(d.exponent);
    } else if (d.exponent < 0) {
        out += "0." + std::string(-d.exponent - 1, '0') + d.digits;
    } else if (n <= d.exponent + 1) {
        out += d.digits + std::string(d.exponent + 1 - n, '0');
    } else {
        out += d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
    }
    return QString::fromStdString(out);
}

QString cut(const QString& text, int n)
{
    return text.left(n);
}

QString formatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    Decimal d = decompose(value, 15);
    // Place the digits on a fixed grid: integer part and `decimals` places.
    // digitAt(k) is the digit of 10^k.
    auto digitAt = [&](int k) -> int {
        const int idx = d.exponent - k;
        if (idx < 0 || idx >= static_cast<int>(d.digits.size()))
            return 0;
        return d.digits[idx] - '0';
    };
    const int top = std::max(d.exponent, 0);
    std::string kept; // digits from 10^top down to 10^-decimals
    for (int k = top; k >= -decimals; --k)
        kept.push_back(char('0' + digitAt(k)));
    if (digitAt(-decimals - 1) >= 5) { // half away from zero
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0)
            kept[i] = char(kept[i] + 1);
        else
            kept.insert(kept.begin(), '1');
    }
    const int intLen = static_cast<int>(kept.size()) - decimals;
    std::string intPart = kept.substr(0, intLen);
    while (intPart.size() > 1 && intPart[0] == '0')
        intPart.erase(intPart.begin());
    std::string out = intPart;
    if (decimals > 0)
        out += "." + kept.substr(intLen);
    const bool allZero = out.find_first_not_of("0.") == std::string::npos;
    if (d.negative && !allZero)
        out.insert(out.begin(), '-');
    return QString::fromStdString(out);
}

std::optional<QString> resultForm(const QString& text)
{
    if (text.startsWith(QLatin1Char('[')))
        return text;
    const auto v = toDouble(text);
    if (!v)
        return std::nullopt;
    return formatFixed(*v, 2);
}

QString fileFloat(float value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", static_cast<double>(value));
    std::string s = buf; // e.g. 1.59722220897675E+00 or -2.5E-05 forms
    const auto e = s.find('E');
    std::string mantissa = s.substr(0, e);
    const int exponent = std::atoi(s.c_str() + e + 1);
    if (mantissa[0] != '-')
        mantissa.insert(mantissa.begin(), ' ');
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return QString::fromStdString(mantissa + exp);
}

namespace {

// The blanks QString::trimmed() takes off, among the Latin-1 characters.
bool latin1Blank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u == 0x20 || (u >= 0x09 && u <= 0x0d) || u == 0x85 || u == 0xa0;
}

std::optional<double> convert(const char* first, const char* last)
{
    while (first != last && latin1Blank(*first))
        ++first;
    while (first != last && latin1Blank(*(last - 1)))
        --last;
    if (first == last)
        return std::nullopt;
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }
    if (first == last || *first == '+' || *first == '-')
        return std::nullopt;
    // Only plain decimal notation: digits, one point, an optional exponent.
    for (const char* p = first; p != last; ++p) {
        const char c = *p;
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
            return std::nullopt;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::optional<double> toDouble(const QString& text)
{
    // A character beyond Latin-1 becomes "?", which no number holds.
    const QByteArray bytes = text.trimmed().toLatin1();
    return convert(bytes.constData(), bytes.constData() + bytes.size());
}

std::optional<double> latin1ToDouble(QByteArrayView latin1)
{
    return convert(latin1.data(), latin1.data() + latin1.size());
}

std::optional<float> toSingle(const QString& text)
{
    const auto v = toDouble(text);
    if (!v)
        return std::nullopt;
    // Beyond the single range the conversion itself is undefined.
    if (!(std::fabs(*v) <= double(std::numeric_limits<float>::max())))
        return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<int> toInt(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last)
        return std::nullopt;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

} // namespace brisko
