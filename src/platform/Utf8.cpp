#include "platform/Utf8.h"

namespace ostrel {

size_t Utf8::Decode(std::string_view text, size_t at, uint32_t& cp) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char c = byte(at);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || at + n > text.size()) return 0;
  cp = n == 1 ? c : c & (0x7Fu >> n);
  for (size_t k = 1; k < n; ++k) {
    if ((byte(at + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(at + k) & 0x3F);
  }
  static const uint32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace ostrel
