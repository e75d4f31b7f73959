#include "app/Formatting.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>

namespace ostrel {

namespace {

std::string Integer(int64_t value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string ZeroPadded(int64_t value, size_t width) {
  std::string digits = Integer(value);
  return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

// floor() as an integer, clamped so that no double can overflow it.
int64_t FloorToInt(double value) {
  if (!(value == value)) return 0;
  double floored = std::floor(value);
  if (floored >= 9.2e18) return std::numeric_limits<int64_t>::max();
  if (floored <= -9.2e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(floored);
}

int64_t TruncateToInt(double value) { return value < 0 ? -FloorToInt(-value) : FloorToInt(value); }

}  // namespace

std::string FormatFixed(double value, int decimals) {
  char buffer[400];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string FormatGroupedInteger(int64_t value) {
  if (value <= 9999) return Integer(value);
  std::string result;
  while (value > 0) {
    int64_t r = value % 1000;
    std::string piece = value == r ? Integer(r) : ZeroPadded(r, 3);
    result = result.empty() ? piece : piece + "," + result;
    value = (value - r) / 1000;
  }
  return result;
}

std::string FormatByteSize(int64_t bytes) {
  constexpr int64_t kb = 1024;
  constexpr int64_t mb = 1048576;
  constexpr int64_t gb = 1073741824;
  constexpr double toKb = 0.0009765625;
  constexpr double toMb = 1.0 / 1048576.0;
  constexpr double toGb = 1.0 / 1073741824.0;
  double b = static_cast<double>(bytes);
  if (bytes < kb) return Integer(bytes) + " bytes";
  if (bytes < 10 * kb) return FormatFixed(b * toKb, 2) + "kb";
  if (bytes < 100 * kb) return FormatFixed(b * toKb, 1) + "kb";
  if (bytes < mb) return Integer(bytes / kb) + "kb";
  if (bytes < 10 * mb) return FormatFixed(b * toMb, 2) + "mb";
  if (bytes < 100 * mb) return FormatFixed(b * toMb, 1) + "mb";
  if (bytes < gb) return Integer(bytes / mb) + "mb";
  if (bytes < 10 * gb) return FormatFixed(b * toGb, 2) + "gb";
  if (bytes < 100 * gb) return FormatFixed(b * toGb, 1) + "gb";
  return FormatGroupedInteger(bytes / gb) + " gb";
}

std::string FormatDuration(double seconds) {
  int64_t hours = FloorToInt(seconds * 0.0002777777777777778);
  double s = seconds - static_cast<double>(hours) * 3600.0;
  int64_t minutes = FloorToInt(s * 0.016666666666666666);
  s -= static_cast<double>(minutes) * 60.0;
  return Integer(hours) + ":" + ZeroPadded(minutes, 2) + ":" + (s < 10 ? "0" : "") +
         FormatFixed(s, 2);
}

int CountDecimals(double value, int maxDecimals) {
  if (maxDecimals < 0) return 0;
  int d = 0;
  double x = value;
  while (x != std::floor(x)) {
    ++d;
    x = x * 10.0;
    if (d > maxDecimals) return d;
  }
  return d;
}

std::string FormatTrimmedDecimal(double value, int maxDecimals, bool trim) {
  int d = CountDecimals(value, maxDecimals);
  if (d == 0) return Integer(TruncateToInt(value));
  std::string text = FormatFixed(value, d);
  if (!trim || value == std::floor(value)) return text;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

std::string FormatMediaSizeSummary(int64_t bytes, int mediaSizeType) {
  const char* unit = mediaSizeType == 10   ? "KB"
                     : mediaSizeType == 20 ? "MB"
                     : mediaSizeType == 30 ? "GB"
                                           : nullptr;
  if (unit == nullptr) return FormatGroupedInteger(bytes) + " bytes";
  double units = static_cast<double>(bytes) / static_cast<double>(int64_t{1} << mediaSizeType);
  return FormatFixed(units, 2) + " " + unit + " (" + FormatGroupedInteger(bytes) + " bytes)";
}

std::string FormatAudioLengthSummary(double minutes) {
  int64_t hours = FloorToInt(minutes * 0.016666666666666666);
  double rest = minutes - static_cast<double>(hours) * 60.0;
  int64_t whole = FloorToInt(rest);
  return Integer(hours) + " hr, " + Integer(whole) + " min, " +
         FormatFixed((rest - static_cast<double>(whole)) * 60.0, 2) + " sec";
}

std::string FormatLocalTimestamp(int64_t seconds) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const time_t t = static_cast<time_t>(seconds);
  struct tm local;
  if (localtime_r(&t, &local) == nullptr) return {};
  const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
  return std::string(kDays[local.tm_wday]) + " " + ZeroPadded(local.tm_mday, 2) + " " +
         kMonths[local.tm_mon] + " " + Integer(int64_t{local.tm_year} + 1900) + " " +
         ZeroPadded(hour12, 2) + ":" + ZeroPadded(local.tm_min, 2) + ":" +
         ZeroPadded(local.tm_sec, 2) + (local.tm_hour < 12 ? " AM" : " PM");
}

}  // namespace ostrel
