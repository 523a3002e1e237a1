#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvirlo {

// The number a text begins with: optional blanks, an optional sign, digits
// with an optional decimal point (and exponent). A text that does not begin
// with a number, and the empty text, give 0. "12a" gives 12, "07" gives 7.
double leadingNumber(std::string_view text);

// The same without an exponent: "1e9" gives 1, as a field of plain digits reads it.
double leadingDecimal(std::string_view text);

// The number a whole text denotes (blanks around it allowed), or nothing when
// the text holds anything else: "12" and " -1 " are numbers, "1a" and " " not.
std::optional<double> wholeNumber(std::string_view text);

// Nearest whole number, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Conversions that never overflow: out-of-range values stop at the type's
// limit and NaN becomes 0.
std::int32_t toInt32(double value);
std::int16_t toInt16(double value);

// Nearest whole number, halves to even, saturated into a 32-bit integer.
std::int32_t roundToInt32(double value);

// A number as plain decimal text: "-1", "14737632", "0.5"; no blanks.
std::string formatNumber(double value);

}  // namespace kvirlo
