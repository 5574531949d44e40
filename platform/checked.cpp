// Checked integer arithmetic and number conversions.
#include "checked.h"
#include "errors.h"

#include <cmath>
#include <limits>

namespace velsora {

namespace {
Integer checked(long value)
{
    if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
        throw OverflowError();
    }
    return static_cast<Integer>(value);
}

double finite(double value)
{
    if (!std::isfinite(value)) {
        throw FloatingPointError();
    }
    return value;
}
} // namespace

Integer add(Integer a, Integer b)
{
    return checked(long{a} + long{b});
}
Integer sub(Integer a, Integer b)
{
    return checked(long{a} - long{b});
}
Integer mul(Integer a, Integer b)
{
    return checked(long{a} * long{b});
}

Integer idiv(Integer a, Integer b)
{
    if (b == 0) {
        throw FloatingPointError();
    }
    return checked(long{a} / long{b});
}

Integer mod(Integer a, Integer b)
{
    if (b == 0) {
        throw FloatingPointError();
    }
    return checked(long{a} % long{b});
}

Byte toByte(Integer value)
{
    if (value < 0 || value > std::numeric_limits<Byte>::max()) {
        throw OverflowError();
    }
    return static_cast<Byte>(value);
}

Byte increment(Byte value)
{
    if (value == std::numeric_limits<Byte>::max()) {
        throw OverflowError();
    }
    return static_cast<Byte>(value + 1);
}

double fadd(double a, double b)
{
    return finite(finite(a) + finite(b));
}
double fmul(double a, double b)
{
    return finite(finite(a) * finite(b));
}

double ParseNumber(const QString& text)
{
    // Captions and list items are almost always a few plain digits.
    if (!text.isEmpty() && text.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9') {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digits) {
            return value;
        }
    }
    // Leading blanks, an optional sign, digits, an optional fraction; the rest is ignored.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    const qsizetype start = i;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        ++i;
    }
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
        }
    }
    if (i == digitsStart || (i == digitsStart + 1 && text[digitsStart] == u'.')) {
        return 0.0;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

Integer RoundToInteger(double number)
{
    if (!std::isfinite(number)) {
        throw OverflowError();
    }
    // Nearest, ties to even, whatever the floating-point environment's rounding mode.
    double rounded = std::round(number); // ties away from zero
    if (std::fabs(number - std::trunc(number)) == 0.5) {
        rounded = 2.0 * std::round(number / 2.0);
    }
    if (rounded < std::numeric_limits<Integer>::min() || rounded > std::numeric_limits<Integer>::max()) {
        throw OverflowError();
    }
    return static_cast<Integer>(rounded);
}

QString FormatInteger(Integer value)
{
    return QString::number(value);
}

Single ToSingle(double number)
{
    if (std::isnan(number)) {
        throw FloatingPointError();
    }
    const auto single = static_cast<Single>(number);
    if (std::isinf(single)) {
        throw OverflowError();
    }
    return single;
}

} // namespace velsora
