#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

// Builds one JSON text. Strings are the program's byte strings: valid UTF-8
// passes through, every other byte is written as \udcXX, the same lossless
// mapping the program uses for its UTF-16 files.
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray(std::string_view key);
  JsonWriter& EndArray();
  JsonWriter& BeginObject(std::string_view key);
  JsonWriter& Field(std::string_view key, std::string_view value);
  JsonWriter& Field(std::string_view key, int64_t value);
  JsonWriter& Field(std::string_view key, double value);

  const std::string& Text() const { return text_; }

 private:
  void Separate();
  void Key(std::string_view key);
  void String(std::string_view value);

  std::string text_;
  bool first_ = true;
};

}  // namespace ostrel
