#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ostrel {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when it is not one.
size_t Utf8Length(std::string_view s, size_t i) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = byte(i);
  size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  uint32_t cp = n == 1 ? c : c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  static const uint32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

void JsonWriter::Separate() {
  if (!first_) text_ += ',';
  first_ = false;
}

void JsonWriter::Key(std::string_view key) {
  Separate();
  String(key);
  text_ += ':';
}

void JsonWriter::String(std::string_view value) {
  text_ += '"';
  char escape[8];
  for (size_t i = 0; i < value.size();) {
    unsigned char c = static_cast<unsigned char>(value[i]);
    size_t n = Utf8Length(value, i);
    if (n == 0) {
      std::snprintf(escape, sizeof escape, "\\udc%02x", c);
      text_ += escape;
      ++i;
    } else if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += static_cast<char>(c);
      ++i;
    } else if (c < 0x20) {
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      text_ += escape;
      ++i;
    } else {
      text_.append(value.substr(i, n));
      i += n;
    }
  }
  text_ += '"';
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  text_ += '{';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginObject(std::string_view key) {
  Key(key);
  text_ += '{';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_ += '}';
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::BeginArray(std::string_view key) {
  Key(key);
  text_ += '[';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_ += ']';
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::Field(std::string_view key, std::string_view value) {
  Key(key);
  String(value);
  return *this;
}

JsonWriter& JsonWriter::Field(std::string_view key, int64_t value) {
  Key(key);
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Field(std::string_view key, double value) {
  Key(key);
  if (!std::isfinite(value)) {
    text_ += "null";
    return *this;
  }
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text_.append(buffer, result.ptr);
  return *this;
}

}  // namespace ostrel
