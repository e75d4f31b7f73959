#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "candidates/CandidateOptions.h"
#include "search/CalcSettings.h"

namespace ostrel {
namespace {

TEST(CalcSettings, DefaultsAreThoseOfANewProfile) {
  CalcSettings s;
  EXPECT_EQ(s.GetCalcType(), CalcType::Data);
  EXPECT_EQ(s.GetMediaSize(), 734003200);
  EXPECT_EQ(s.GetMediaSizeType(), 20);
  EXPECT_EQ(s.GetAudioLength(), 79.917);
  EXPECT_TRUE(s.GetUsePcts());
  EXPECT_EQ(s.GetPctMin(), 99.99);
  EXPECT_EQ(s.GetPctMax(), 100.0);
  EXPECT_FALSE(s.GetUseTimeLimit());
  EXPECT_EQ(s.GetTimeLimit(), 10.0);
}

TEST(CalcSettings, RejectedValuesKeepTheOldOne) {
  struct Case {
    const char* what;
    std::function<bool(CalcSettings&)> set;
    bool accepted;
    std::function<bool(const CalcSettings&)> holds;
  } cases[] = {
      {"type 10", [](CalcSettings& s) { return s.SetCalcType(10); }, true,
       [](const CalcSettings& s) { return s.GetCalcType() == CalcType::Audio; }},
      {"type 5", [](CalcSettings& s) { return s.SetCalcType(5); }, false,
       [](const CalcSettings& s) { return s.GetCalcType() == CalcType::Data; }},
      {"media 0", [](CalcSettings& s) { return s.SetMediaSize(0); }, false,
       [](const CalcSettings& s) { return s.GetMediaSize() == 734003200; }},
      {"unit 15", [](CalcSettings& s) { return s.SetMediaSizeType(15); }, false,
       [](const CalcSettings& s) { return s.GetMediaSizeType() == 20; }},
      {"unit 30", [](CalcSettings& s) { return s.SetMediaSizeType(30); }, true,
       [](const CalcSettings& s) { return s.GetMediaSizeType() == 30; }},
      {"audio 0", [](CalcSettings& s) { return s.SetAudioLength(0); }, false,
       [](const CalcSettings& s) { return s.GetAudioLength() == 79.917; }},
      {"audio NaN", [](CalcSettings& s) { return s.SetAudioLength(std::nan("")); }, false,
       [](const CalcSettings& s) { return s.GetAudioLength() == 79.917; }},
      {"min 0", [](CalcSettings& s) { return s.SetPctMin(0); }, true,
       [](const CalcSettings& s) { return s.GetPctMin() == 0; }},
      {"min negative", [](CalcSettings& s) { return s.SetPctMin(-1); }, false,
       [](const CalcSettings& s) { return s.GetPctMin() == 99.99; }},
      {"max 0", [](CalcSettings& s) { return s.SetPctMax(0); }, false,
       [](const CalcSettings& s) { return s.GetPctMax() == 100.0; }},
      {"max below min", [](CalcSettings& s) { return s.SetPctMax(50); }, true,
       [](const CalcSettings& s) { return s.GetPctMax() == 50; }},
      {"time 0", [](CalcSettings& s) { return s.SetTimeLimit(0); }, false,
       [](const CalcSettings& s) { return s.GetTimeLimit() == 10.0; }},
  };
  for (const Case& c : cases) {
    CalcSettings s;
    EXPECT_EQ(c.set(s), c.accepted) << c.what;
    EXPECT_TRUE(c.holds(s)) << c.what;
  }
}

TEST(CandidateOptions, TimestampIsNeverNegative) {
  CandidateOptions o;
  EXPECT_TRUE(o.SetTimestamp(1700000000));
  EXPECT_FALSE(o.SetTimestamp(-1));
  EXPECT_FALSE(o.SetTimestamp(int64_t{1} << 40));
  EXPECT_EQ(o.GetTimestamp(), 1700000000);
}

}  // namespace
}  // namespace ostrel
