#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ostrel {

class Utf8 {
 public:
  // The length of the valid UTF-8 sequence at text[at] and its code point
  // in cp; 0 when the bytes there are not valid UTF-8 (overlong forms and
  // encoded surrogates included).
  static size_t Decode(std::string_view text, size_t at, uint32_t& cp);
};

}  // namespace ostrel
