#pragma once

#include <cstdint>
#include <string>

namespace ostrel {

// The formats of every number the program shows or reports. Decimals are
// rounded as the C library's printf rounds them and always use '.', whatever
// the locale.

// Digits grouped in threes by "," above 9999: 10000 -> "10,000".
std::string FormatGroupedInteger(int64_t value);
// A size with a unit chosen by magnitude: "1023 bytes", "1.00kb", "700mb".
std::string FormatByteSize(int64_t bytes);
// "h:mm:ss.ss": 3725.25 -> "1:02:05.25".
std::string FormatDuration(double seconds);
// The number of decimals FormatTrimmedDecimal prints, at most maxDecimals + 1.
int CountDecimals(double value, int maxDecimals);
// The value with as few decimals as it needs; trailing zeros (and a bare
// point) removed when trim is set.
std::string FormatTrimmedDecimal(double value, int maxDecimals, bool trim);
// "700.00 MB (734,003,200 bytes)"; mediaSizeType is 0, 10, 20 or 30.
std::string FormatMediaSizeSummary(int64_t bytes, int mediaSizeType);
// "1 hr, 19 min, 55.02 sec".
std::string FormatAudioLengthSummary(double minutes);
// Calendar seconds as local time in English whatever the locale, as
// strftime's "%a %d %b %Y %I:%M:%S %p" writes it in the C locale:
// "Tue 14 Nov 2023 10:13:20 PM". Empty when the time cannot be converted.
std::string FormatLocalTimestamp(int64_t seconds);
// printf's "%0.<decimals>f" in the C locale.
std::string FormatFixed(double value, int decimals);

}  // namespace ostrel
