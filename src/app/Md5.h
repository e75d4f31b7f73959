#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

// The MD5 message digest of RFC 1321.
class Md5 {
 public:
  static std::array<uint8_t, 16> Digest(std::string_view data);
  // The digest as 32 lower-case hexadecimal digits.
  static std::string Hex(std::string_view data);
};

}  // namespace ostrel
