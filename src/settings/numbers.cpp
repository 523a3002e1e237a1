#include "settings/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kvirlo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Parses a number at the very start of `text`; `used` is how many characters
// it took (0 when there is no number). Infinity and NaN are not numbers here.
double parseNumberPrefix(std::string_view text, std::size_t& used,
                         std::chars_format format = std::chars_format::general) {
  used = 0;
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::size_t digitsAt = pos;
  if (digitsAt >= text.size()) return 0;
  const char first = text[digitsAt];
  const bool startsNumber =
      (first >= '0' && first <= '9') ||
      (first == '.' && digitsAt + 1 < text.size() && text[digitsAt + 1] >= '0' &&
       text[digitsAt + 1] <= '9');
  if (!startsNumber) return 0;
  double value = 0;
  const char* begin = text.data() + digitsAt;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(begin, end, value, format);
  if (ptr == begin) return 0;
  if (ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: take the limit it went past.
    value = std::fabs(value) < 1 ? 0.0 : std::numeric_limits<double>::max();
  }
  used = static_cast<std::size_t>(ptr - text.data());
  return negative ? -value : value;
}

template <typename Int>
Int saturate(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<Int>::min()))
    return std::numeric_limits<Int>::min();
  if (value >= static_cast<double>(std::numeric_limits<Int>::max()))
    return std::numeric_limits<Int>::max();
  return static_cast<Int>(value);
}

}  // namespace

double leadingNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  std::size_t used = 0;
  return parseNumberPrefix(text.substr(start), used);
}

double leadingDecimal(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  std::size_t used = 0;
  return parseNumberPrefix(text.substr(start), used, std::chars_format::fixed);
}

std::optional<double> wholeNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  std::size_t end = text.size();
  while (end > start && isBlank(text[end - 1])) --end;
  const std::string_view core = text.substr(start, end - start);
  std::size_t used = 0;
  const double value = parseNumberPrefix(core, used);
  if (used == 0 || used != core.size()) return std::nullopt;
  return value;
}

double roundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::int32_t toInt32(double value) { return saturate<std::int32_t>(value); }
std::int16_t toInt16(double value) { return saturate<std::int16_t>(value); }
std::int32_t roundToInt32(double value) { return toInt32(roundHalfEven(value)); }

std::string formatNumber(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  // Fixed notation: 1e7 is "10000000", never "1e+07". The largest double
  // takes 309 digits.
  char buffer[400];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buffer, ptr);
}

}  // namespace kvirlo
