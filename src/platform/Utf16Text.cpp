#include "platform/Utf16Text.h"

#include <cstdint>

#include "platform/Utf8.h"

namespace ostrel {

namespace {

void PutUnit(std::string& out, uint32_t unit) {
  out.push_back(static_cast<char>(unit & 0xFF));
  out.push_back(static_cast<char>(unit >> 8));
}

void PutUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string Utf16Text::Encode(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (size_t i = 0; i < utf8.size();) {
    uint32_t cp = 0;
    size_t n = Utf8::Decode(utf8, i, cp);
    if (n == 0) {
      PutUnit(out, 0xDC00 | static_cast<unsigned char>(utf8[i]));
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      PutUnit(out, 0xD800 | (cp >> 10));
      PutUnit(out, 0xDC00 | (cp & 0x3FF));
    } else {
      PutUnit(out, cp);
    }
    i += n;
  }
  return out;
}

std::string Utf16Text::Decode(std::string_view utf16le) {
  std::string out;
  out.reserve(utf16le.size() / 2);
  auto unitAt = [&](size_t k) {
    return static_cast<uint32_t>(static_cast<unsigned char>(utf16le[k])) |
           (static_cast<uint32_t>(static_cast<unsigned char>(utf16le[k + 1])) << 8);
  };
  for (size_t i = 0; i + 1 < utf16le.size(); i += 2) {
    uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < utf16le.size()) {
      uint32_t next = unitAt(i + 2);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        PutUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
        i += 2;
        continue;
      }
    }
    if (unit >= 0xDC80 && unit <= 0xDCFF) {
      out.push_back(static_cast<char>(unit & 0xFF));
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      PutUtf8(out, 0xFFFD);
    } else {
      PutUtf8(out, unit);
    }
  }
  return out;
}

}  // namespace ostrel
