#include <gtest/gtest.h>

#include <cmath>

#include "config/ConfigValues.h"

namespace ostrel {
namespace {

TEST(ConfigValues, IntegersAreLenientWithTheirOddFailures) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"42", true, 42},          {"  -17xyz", true, -17},
      {"+8", true, 8},           {"", true, 0},
      {"abc", true, 0},          {"2147483646", true, 2147483646},
      {"2147483647", false, 0},  {"-2147483648", false, 0},
      {"99999999999", false, 0}, {"-2147483647", true, -2147483647},
      {"\t\n 5", true, 5},
  };
  for (const Case& c : cases) {
    int32_t v = 0;
    EXPECT_EQ(ParseIntValue(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
  int64_t big = 0;
  EXPECT_TRUE(ParseInt64Value("3000000000", big));
  EXPECT_EQ(big, 3000000000);
  EXPECT_TRUE(ParseInt64Value("-9223372036854775808", big));
  EXPECT_EQ(big, INT64_MIN);
  EXPECT_TRUE(ParseInt64Value("99999999999999999999", big));
  EXPECT_EQ(big, INT64_MAX);
  EXPECT_TRUE(ParseInt64Value("x", big));
  EXPECT_EQ(big, 0);
}

TEST(ConfigValues, DoublesFailOnZero) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"79.917000", true, 79.917},
      {" 1e3x", true, 1000},
      {"-2.5", true, -2.5},
      {"0.000000", false, 0},
      {"0", false, 0},
      {"abc", false, 0},
      {"", false, 0},
      {".5", true, 0.5},
  };
  for (const Case& c : cases) {
    double v = -1;
    EXPECT_EQ(ParseDoubleValue(c.text, v), c.ok) << c.text;
    EXPECT_EQ(v, c.ok ? c.value : -1) << c.text;
  }
}

TEST(ConfigValues, BoolsAndFormats) {
  for (const char* yes : {"t", "TRUE", "y", "Yes", "ON", "1"}) {
    bool v = false;
    EXPECT_TRUE(ParseBoolValue(yes, v));
    EXPECT_TRUE(v) << yes;
  }
  for (const char* no : {"No", "0", "", "yes ", "2", "tru"}) {
    bool v = true;
    ParseBoolValue(no, v);
    EXPECT_FALSE(v) << no;
  }
  EXPECT_EQ(FormatIntValue(-10), "-10");
  EXPECT_EQ(FormatInt64Value(4700000000), "4700000000");
  EXPECT_EQ(FormatDoubleValue(79.917), "79.917000");
  EXPECT_EQ(FormatDoubleValue(99.99), "99.990000");
  EXPECT_EQ(FormatDoubleValue(1.5), "1.500000");
  EXPECT_EQ(FormatBoolValue(true), "Yes");
  EXPECT_EQ(FormatBoolValue(false), "No");
}

TEST(ConfigValues, StorableNames) {
  for (const char* bad : {"", "<", "?", "!", "=", "/", ">", "<?", "?!", "!=/", "/>", "<?!=/>"}) {
    EXPECT_FALSE(IsStorableName(bad)) << bad;
  }
  for (const char* good : {"Default", "a", "<>", "/=", " ", "My \"disc\""}) {
    EXPECT_TRUE(IsStorableName(good)) << good;
  }
}

}  // namespace
}  // namespace ostrel
