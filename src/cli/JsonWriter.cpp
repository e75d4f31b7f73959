#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Utf8.h"

namespace ostrel {

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
    uint32_t cp = 0;
    size_t n = Utf8::Decode(value, i, cp);
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
