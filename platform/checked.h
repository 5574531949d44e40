// Checked 16-bit and 8-bit integer arithmetic and the number/text conversions of the game.
#pragma once

#include <QString>
#include <cstdint>

namespace velsora {

using Integer = std::int16_t; // every counter, bound, index and sum
using Byte = std::uint8_t;    // the two counters of the board reset
using Single = float;         // positions and sizes in twips

// Integer arithmetic that raises OverflowError instead of wrapping.
[[nodiscard]] Integer add(Integer a, Integer b);
[[nodiscard]] Integer sub(Integer a, Integer b);
[[nodiscard]] Integer mul(Integer a, Integer b);
[[nodiscard]] Integer idiv(Integer a, Integer b); // truncating integer division
[[nodiscard]] Integer mod(Integer a, Integer b);  // remainder with the sign of a

// Narrowing to an unsigned byte and stepping it, both with the overflow check.
[[nodiscard]] Byte toByte(Integer value);
[[nodiscard]] Byte increment(Byte value);

// Double-precision arithmetic that raises FloatingPointError on an invalid
// operation, a division by zero or an overflow.
[[nodiscard]] double fadd(double a, double b);
[[nodiscard]] double fmul(double a, double b);

// Value of the decimal number at the start of the text; "" and non-numbers give 0.
[[nodiscard]] double ParseNumber(const QString& text);
// Nearest integer, ties to even; OverflowError outside -32768..32767.
[[nodiscard]] Integer RoundToInteger(double number);
// Decimal digits with a leading "-" for negatives.
[[nodiscard]] QString FormatInteger(Integer value);
// Nearest single-precision value; OverflowError if out of its range.
[[nodiscard]] Single ToSingle(double number);

// "For k = first To last" with the bound taken once and every step checked,
// including the one past the last pass.
template <class Body> void ForEach(Integer first, Integer last, Body&& body)
{
    for (Integer k = first; k <= last; k = add(k, 1)) {
        body(k);
    }
}

template <class Body> void ForEachByte(Byte first, Byte last, Body&& body)
{
    for (Byte k = first; k <= last; k = increment(k)) {
        body(k);
    }
}

} // namespace velsora
