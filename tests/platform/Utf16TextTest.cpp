#include <gtest/gtest.h>

#include "platform/Utf16Text.h"

namespace ostrel {
namespace {

TEST(Utf16Text, EncodesAndDecodesLosslessly) {
  struct Case {
    const char* what;
    std::string utf8;
    std::string utf16le;
  } cases[] = {
      {"ASCII", "A/", std::string("A\0/\0", 4)},
      {"two bytes", "\xc3\xa9", std::string("\xe9\0", 2)},
      {"three bytes", "\xe2\x82\xac", std::string("\xac\x20", 2)},
      {"surrogate pair", "\xf0\x9f\x8e\xb5", std::string("\x3c\xd8\xb5\xdf", 4)},
      {"stray byte", "\xff", std::string("\xff\xdc", 2)},
      {"cut sequence",
       "\xc3"
       "A",
       std::string("\xc3\xdc"
                   "A\0",
                   4)},
      {"overlong slash", "\xc0\xaf", std::string("\xc0\xdc\xaf\xdc", 4)},
      {"encoded surrogate", "\xed\xa0\x80", std::string("\xed\xdc\xa0\xdc\x80\xdc", 6)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16Text::Encode(c.utf8), c.utf16le) << c.what;
    EXPECT_EQ(Utf16Text::Decode(c.utf16le), c.utf8) << c.what;
  }
}

TEST(Utf16Text, EveryByteStringSurvivesTheRoundTrip) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  for (int i = 0; i < 256; ++i) all += std::string("\xe0") + static_cast<char>(i) + "\x80";
  EXPECT_EQ(Utf16Text::Decode(Utf16Text::Encode(all)), all);
}

TEST(Utf16Text, UnpairedSurrogatesFromAFileBecomeReplacementCharacters) {
  EXPECT_EQ(Utf16Text::Decode(std::string("\x00\xd8"
                                          "A\0",
                                          4)),
            "\xef\xbf\xbd"
            "A");
  EXPECT_EQ(Utf16Text::Decode(std::string("\x00\xdc", 2)), "\xef\xbf\xbd");
  EXPECT_EQ(Utf16Text::Decode(std::string("\x00\xd8", 2)), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace ostrel
