#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ostrel {

// Splits configuration text into tokens: white space separates, each of
// the delimiters < / ? > = is a token of its own, and quoted text (double
// or single quotes, a backslash taking the next character literally) is
// one token, even when empty. Tokens carry no mark of having been quoted.
// Tokens are produced on demand with a look-ahead of a few, so a large file
// never holds all its tokens at once.
class ConfigTokenizer {
 public:
  explicit ConfigTokenizer(std::string_view text) : text_(text) {}

  // The token ahead places after the current one; false past the end.
  bool Peek(size_t ahead, std::string_view& token);
  void Advance();

 private:
  static constexpr size_t kLookAhead = 4;
  bool Scan(std::string& token);

  std::string_view text_;
  size_t pos_ = 0;
  std::string pending_;
  std::array<std::string, kLookAhead> ring_;
  size_t head_ = 0;
  size_t count_ = 0;
};

}  // namespace ostrel
