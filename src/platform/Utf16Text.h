#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// The two UTF-16LE files (the configuration, the action report) are
// converted at their read and write boundary, losslessly for every byte
// string the program holds: a byte that is not part of valid UTF-8 becomes
// the code unit U+DC80..U+DCFF and back ("surrogateescape").
class Utf16Text {
 public:
  // UTF-8 (or any bytes) to UTF-16LE bytes.
  static std::string Encode(std::string_view utf8);
  // UTF-16LE bytes (an even count) to UTF-8. Escaped units become their
  // byte again; any other unpaired surrogate becomes U+FFFD.
  static std::string Decode(std::string_view utf16le);
};

}  // namespace ostrel
