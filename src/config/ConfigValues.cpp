#include "config/ConfigValues.h"

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "app/Formatting.h"

namespace ostrel {

namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// strtol-like: white space, sign, digits; saturates out of range.
template <typename Int>
Int ParseLenient(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  using Wide = unsigned long long;
  const Wide limit =
      negative ? Wide(std::numeric_limits<Int>::max()) + 1 : Wide(std::numeric_limits<Int>::max());
  Wide magnitude = 0;
  bool overflow = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    Wide digit = static_cast<Wide>(text[i] - '0');
    if (magnitude > (limit - digit) / 10) {
      overflow = true;
    } else {
      magnitude = magnitude * 10 + digit;
    }
  }
  if (overflow) return negative ? std::numeric_limits<Int>::min() : std::numeric_limits<Int>::max();
  return negative ? static_cast<Int>(-static_cast<long long>(magnitude - 1) - 1)
                  : static_cast<Int>(magnitude);
}

locale_t CLocale() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

bool ParseIntValue(std::string_view text, int32_t& value) {
  int32_t parsed = ParseLenient<int32_t>(text);
  if (parsed == std::numeric_limits<int32_t>::min() ||
      parsed == std::numeric_limits<int32_t>::max()) {
    return false;
  }
  value = parsed;
  return true;
}

bool ParseInt64Value(std::string_view text, int64_t& value) {
  value = ParseLenient<int64_t>(text);
  return true;
}

bool ParseDoubleValue(std::string_view text, double& value) {
  std::string copy(text);
  double parsed = strtod_l(copy.c_str(), nullptr, CLocale());
  if (parsed == 0.0) return false;
  value = parsed;
  return true;
}

bool ParseBoolValue(std::string_view text, bool& value) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  value = lower == "t" || lower == "true" || lower == "y" || lower == "yes" || lower == "on" ||
          lower == "1";
  return true;
}

std::string FormatIntValue(int32_t value) { return std::to_string(value); }

std::string FormatInt64Value(int64_t value) { return std::to_string(value); }

std::string FormatDoubleValue(double value) { return FormatFixed(value, 6); }

std::string FormatBoolValue(bool value) { return value ? "Yes" : "No"; }

bool IsStorableName(std::string_view name) {
  return std::string_view("<?!=/>").find(name) == std::string_view::npos;
}

}  // namespace ostrel
