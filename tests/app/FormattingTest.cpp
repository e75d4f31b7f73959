#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/Formatting.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

TEST(Formatting, GroupedInteger) {
  const std::pair<int64_t, const char*> cases[] = {
      {0, "0"},
      {9999, "9999"},
      {10000, "10,000"},
      {734003200, "734,003,200"},
      {1000005, "1,000,005"},
      {1000000, "1,000,000"},
      {-123456, "-123456"},
      {-5000000000, "-5000000000"},
      {9223372036854775807, "9,223,372,036,854,775,807"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatGroupedInteger(value), text) << value;
}

TEST(Formatting, ByteSizeAtEveryBoundary) {
  const std::pair<int64_t, const char*> cases[] = {
      {-5, "-5 bytes"},          {0, "0 bytes"},
      {1023, "1023 bytes"},      {1024, "1.00kb"},
      {10239, "10.00kb"},        {10240, "10.0kb"},
      {102399, "100.0kb"},       {102400, "100kb"},
      {1048575, "1023kb"},       {1048576, "1.00mb"},
      {10485759, "10.00mb"},     {10485760, "10.0mb"},
      {104857600, "100mb"},      {734003200, "700mb"},
      {1073741823, "1023mb"},    {1073741824, "1.00gb"},
      {4700000000, "4.38gb"},    {10737418240, "10.0gb"},
      {107374182399, "100.0gb"}, {107374182400, "100 gb"},
      {214748364800, "200 gb"},  {1099511627776000, "1,024,000 gb"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(FormatByteSize(bytes), text) << bytes;
}

TEST(Formatting, Duration) {
  const std::pair<double, const char*> cases[] = {
      {0, "0:00:00.00"},      {5.5, "0:00:05.50"},  {3725.25, "1:02:05.25"},
      {59.999, "0:00:60.00"}, {3600, "1:00:00.00"}, {36000.5, "10:00:00.50"},
      {9.995, "0:00:09.99"},  {600, "0:10:00.00"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(FormatDuration(seconds), text) << seconds;
}

TEST(Formatting, TrimmedDecimalAndItsDecimalCount) {
  struct Case {
    double value;
    int maxDecimals;
    bool trim;
    int decimals;
    const char* text;
  } cases[] = {
      {12.5, 10, true, 1, "12.5"},    {100.0, 10, true, 0, "100"},
      {99.99, 10, true, 2, "99.99"},  {1.0 / 3, 5, false, 6, "0.333333"},
      {0.1 + 0.2, 2, true, 3, "0.3"}, {5, 5, false, 0, "5"},
      {-2.75, 10, true, 2, "-2.75"},  {-7.9, -1, true, 0, "-7"},
      {2.5, 0, false, 1, "2.5"},      {79.917, 10, false, 3, "79.917"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CountDecimals(c.value, c.maxDecimals), c.decimals) << c.value;
    EXPECT_EQ(FormatTrimmedDecimal(c.value, c.maxDecimals, c.trim), c.text) << c.value;
  }
}

TEST(Formatting, Summaries) {
  EXPECT_EQ(FormatMediaSizeSummary(734003200, 20), "700.00 MB (734,003,200 bytes)");
  EXPECT_EQ(FormatMediaSizeSummary(4700000000, 30), "4.38 GB (4,700,000,000 bytes)");
  EXPECT_EQ(FormatMediaSizeSummary(163577856, 20), "156.00 MB (163,577,856 bytes)");
  EXPECT_EQ(FormatMediaSizeSummary(1536, 10), "1.50 KB (1536 bytes)");
  EXPECT_EQ(FormatMediaSizeSummary(734003200, 0), "734,003,200 bytes");
  EXPECT_EQ(FormatAudioLengthSummary(79.917), "1 hr, 19 min, 55.02 sec");
  EXPECT_EQ(FormatAudioLengthSummary(18.0), "0 hr, 18 min, 0.00 sec");
  EXPECT_EQ(FormatAudioLengthSummary(74.0), "1 hr, 14 min, 0.00 sec");
}

// A German locale, built into the test's own folder, writes "1,5" with
// printf and German day names with strftime; the program's texts must not
// follow it.
class GermanLocale : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new test::TempDir;
    built = test::RunCommand("localedef -i de_DE -f UTF-8 '" + (*dir / "de_DE.UTF-8") +
                             "' 2>/dev/null");
  }
  static void TearDownTestSuite() { delete dir; }
  void SetUp() override {
    if (!built) GTEST_SKIP() << "localedef or the de_DE source is missing";
    setenv("LOCPATH", dir->Path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }

  static inline test::TempDir* dir = nullptr;
  static inline bool built = false;
};

TEST_F(GermanLocale, DecimalPointIgnoresTheLocale) {
  char printed[16];
  std::snprintf(printed, sizeof printed, "%0.1f", 1.5);
  EXPECT_STREQ(printed, "1,5");
  EXPECT_EQ(FormatByteSize(1024), "1.00kb");
  EXPECT_EQ(FormatTrimmedDecimal(12.5, 10, true), "12.5");
  EXPECT_EQ(FormatAudioLengthSummary(79.917), "1 hr, 19 min, 55.02 sec");
}

TEST_F(GermanLocale, TimestampsAreEnglishLocalTime) {
  const char* oldTz = std::getenv("TZ");
  const std::string saved = oldTz ? oldTz : "";
  setenv("TZ", "UTC", 1);
  tzset();
  struct {
    int64_t seconds;
    const char* text;
  } cases[] = {{1700000000, "Tue 14 Nov 2023 10:13:20 PM"},
               {0, "Thu 01 Jan 1970 12:00:00 AM"},
               {43200 + 5 * 60, "Thu 01 Jan 1970 12:05:00 PM"},
               {1709251199, "Thu 29 Feb 2024 11:59:59 PM"}};
  for (const auto& c : cases) EXPECT_EQ(FormatLocalTimestamp(c.seconds), c.text);
  setenv("TZ", "CET-1", 1);
  tzset();
  EXPECT_EQ(FormatLocalTimestamp(0), "Thu 01 Jan 1970 01:00:00 AM");
  oldTz ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace ostrel
