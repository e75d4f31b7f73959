#include <gtest/gtest.h>

#include "candidates/MeasurementCaches.h"
#include "search/RSStats.h"
#include "search/ResultSet.h"
#include "search/ResultSetList.h"
#include "support/SearchFixtures.h"

namespace ostrel {
namespace {

class ResultSets : public ::testing::Test {
 protected:
  void SetUp() override { ClearMeasurementCaches(); }
  test::TempDir dir;
  test::CandidateFactory make{dir};
};

TEST_F(ResultSets, CapacityOnlyForItsOwnType) {
  ResultSet data(1000, 60.0, 0);
  ResultSet audio(1000, 60.0, 10);
  ResultSet invalid(1000, 60.0, 5);
  EXPECT_EQ(data.GetMediaSize(), 1000);
  EXPECT_EQ(data.GetMediaAudioLength(), 0.0);
  EXPECT_EQ(audio.GetMediaSize(), 0);
  EXPECT_EQ(audio.GetMediaAudioLength(), 60.0);
  EXPECT_EQ(invalid.GetCalcType(), 100);
  EXPECT_EQ(invalid.GetMediaSize(), 0);
  EXPECT_EQ(audio.GetPercentFilled(), 0.0) << "no items";
  EXPECT_EQ(invalid.GetPercentFilled(), 0.0);
}

TEST_F(ResultSets, ItemsAreCopiesMeasuredThroughTheCache) {
  Candidate* a = make.Sized("a.bin", 300);
  Candidate* b = make.Playing("b.wav", 1500);
  a->SetGroup(4);
  b->SetGroup(4);
  CandidateGroup group(false, 4);
  group.AddMember(a);
  group.AddMember(b);
  EXPECT_EQ(group.GetTotalSize(), 300 + 12 + 1500);
  EXPECT_DOUBLE_EQ(group.GetTotalAudioLength(), 1.5);

  ResultSet rs(1000, 0.0, 0);
  EXPECT_TRUE(rs.AddGroup(group));
  ASSERT_EQ(rs.Count(), 2u);
  EXPECT_NE(rs.GetAt(0)->GetItem(), a->GetItem());
  EXPECT_EQ(rs.GetAt(0)->GetFullPath(), a->GetFullPath());
  EXPECT_EQ(rs.GetAt(1)->GetGroup(), 4);
  EXPECT_EQ(rs.GetAt(1)->GetOriginalPath(), b->GetOriginalPath());
  EXPECT_EQ(rs.GetTotalSize(), 1812);
  EXPECT_DOUBLE_EQ(rs.GetPercentFilled(), 181.2);
  rs.SetIterationNum(1234);  // grouped only above 9999
  rs.SetTimeElapsed(0.25);
  EXPECT_EQ(FormatResultSetSummary(rs), "2 items; 1812 of 1000; Combo #1234; 0.25s elapsed");

  RSStats stats = MakeRSStats(rs, ExitType::Exhausted, 17);
  EXPECT_EQ(stats.calcType, 0);
  EXPECT_EQ(stats.actualSize, 1812);
  EXPECT_EQ(stats.mediaSize, 1000);
  EXPECT_EQ(stats.actualAudioLength, 0.0);
  EXPECT_EQ(stats.mediaAudioLength, 0.0);
  EXPECT_EQ(stats.iterationNum, 1234);
  EXPECT_EQ(stats.timeElapsed, 0.25);
  EXPECT_EQ(stats.executionNum, 17);
  EXPECT_EQ(stats.exitType, 6);
}

TEST_F(ResultSets, AudioRecordsCarryLengthsOnly) {
  CandidateGroup group(false, 0);
  group.AddMember(make.Playing("a.wav", 30000));
  ResultSet rs(5000, 120.0, 10);
  rs.AddGroup(group);
  EXPECT_DOUBLE_EQ(rs.GetPercentFilled(), 25.0);
  EXPECT_EQ(FormatResultSetSummary(rs),
            "1 items; 0:00:30.00 of 0:02:00.00; Iteration #0; 0s elapsed");
  RSStats stats = MakeRSStats(rs, ExitType::AllFit, 1);
  EXPECT_EQ(stats.calcType, 10);
  EXPECT_EQ(stats.actualSize, 0);
  EXPECT_EQ(stats.mediaSize, 0);
  EXPECT_DOUBLE_EQ(stats.actualAudioLength, 30.0);
  EXPECT_EQ(stats.mediaAudioLength, 120.0);
}

TEST_F(ResultSets, GroupOfMissingFilesMeasuresZero) {
  Candidate missing(dir / "gone");
  CandidateGroup group(false, 2);
  group.AddMember(&missing);
  EXPECT_EQ(group.GetTotalSize(), 0);
  EXPECT_EQ(group.GetTotalAudioLength(), 0.0);
}

TEST_F(ResultSets, ListRemovesByPosition) {
  ResultSetList list;
  for (int i = 1; i <= 3; ++i) list.Add(std::make_unique<ResultSet>(i, 0.0, 0));
  list.RemoveAt(5);
  list.RemoveAt(-1);
  list.RemoveAt(1);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetAt(0)->GetMediaSize(), 1);
  EXPECT_EQ(list.GetAt(1)->GetMediaSize(), 3);
  list.RemoveAll();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace ostrel
