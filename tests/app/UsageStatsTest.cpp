#include <gtest/gtest.h>

#include "app/UsageStats.h"
#include "config/AppConfig.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

TEST(UsageStats, UploadIsDueAtTheSecondStartAndEveryFifthAfter) {
  test::TempDir dir;
  AppConfig config(dir / "Ostrel.cfg");
  std::vector<int> due;
  for (int start = 1; start <= 13; ++start) {
    config.IncrementExecutionCount();
    if (IsUploadDue(config)) due.push_back(config.GetExecutionCount());
  }
  EXPECT_EQ(due, (std::vector<int>{2, 7, 12}));
  config.SetSendStats(false);
  for (int i = 0; i < 4; ++i) config.IncrementExecutionCount();
  EXPECT_EQ(config.GetExecutionCount(), 17);
  EXPECT_FALSE(IsUploadDue(config));
}

RSStats Record(int calcType, int exitType, int64_t actual, int64_t media, double actualSeconds,
               double mediaSeconds, int64_t steps) {
  RSStats r;
  r.calcType = calcType;
  r.exitType = exitType;
  r.actualSize = actual;
  r.mediaSize = media;
  r.actualAudioLength = actualSeconds;
  r.mediaAudioLength = mediaSeconds;
  r.iterationNum = steps;
  return r;
}

TEST(UsageStats, StatsDialogFigures) {
  StatsSummary none =
      SummarizeStats(3, {Record(0, 3, 10, 100, 0, 0, 0), Record(10, 7, 0, 0, 5, 10, 12000)});
  EXPECT_EQ(none.executions, "3");
  EXPECT_EQ(none.combinationsFound, "2");
  EXPECT_EQ(none.combinationsTested, "12,000");
  EXPECT_EQ(none.averageDataFill, "--") << "only exit types 4 to 6 count";
  EXPECT_EQ(none.averageAudioFill, "--");

  StatsSummary some = SummarizeStats(9, {Record(0, 4, 1, 3, 0, 0, 5), Record(0, 6, 1, 0, 0, 0, 5),
                                         Record(10, 5, 0, 0, 30, 60, 1)});
  EXPECT_EQ(some.averageDataFill, "66.666667%");
  EXPECT_EQ(some.averageAudioFill, "50%");
  EXPECT_EQ(some.combinationsTested, "11");
}

}  // namespace
}  // namespace ostrel
