#pragma once

#include <string_view>

namespace ostrel {

// Text comparisons of the candidate lists: the letters A to Z are
// lower-cased, every other byte compares as it is (unsigned).
inline unsigned char FoldLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// Negative, zero or positive as a orders before, with or after b.
inline int CompareNoCase(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = FoldLetter(static_cast<unsigned char>(a[i]));
    unsigned char y = FoldLetter(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

}  // namespace ostrel
