#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

// How numbers and switches are spelled in the configuration file. The
// parsers are lenient the way the C library's are (leading white space, a
// sign, parsing stops at the first character that does not fit) and keep
// their odd failures: 2147483647 and -2147483648 fail ParseIntValue (they
// are also what an out-of-range number gives), and 0 fails
// ParseDoubleValue. '.' is the decimal point whatever the locale.
bool ParseIntValue(std::string_view text, int32_t& value);
bool ParseInt64Value(std::string_view text, int64_t& value);
bool ParseDoubleValue(std::string_view text, double& value);
bool ParseBoolValue(std::string_view text, bool& value);

std::string FormatIntValue(int32_t value);
std::string FormatInt64Value(int64_t value);
std::string FormatDoubleValue(double value);  // six decimals
std::string FormatBoolValue(bool value);      // "Yes" or "No"

// Whether a name (of a profile or a preset, written as an attribute value)
// reads back: not empty and no contiguous part of "<?!=/>".
bool IsStorableName(std::string_view name);

}  // namespace ostrel
