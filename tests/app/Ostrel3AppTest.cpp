#include "app/Ostrel3App.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "candidates/MeasurementCaches.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

TEST(Ostrel3App, GroupColoursInTheirFourPasses) {
  const int expected[27][3] = {
      {250, 225, 75},  {75, 250, 225},  {175, 250, 125}, {250, 150, 150}, {225, 100, 225},
      {175, 225, 150}, {50, 250, 250},  {225, 75, 250},  {250, 125, 175}, {125, 175, 250},
      {225, 225, 100}, {225, 150, 175}, {150, 175, 225}, {250, 50, 250},  {225, 250, 75},
      {250, 175, 125}, {125, 250, 175}, {150, 150, 250}, {225, 175, 150}, {150, 225, 175},
      {250, 250, 50},  {250, 75, 225},  {75, 225, 250},  {175, 125, 250}, {150, 250, 150},
      {100, 225, 225}, {175, 150, 225}};
  const auto& colours = Ostrel3App::GroupColours();
  for (int i = 0; i < 27; ++i) {
    uint32_t c = colours[static_cast<size_t>(i)];
    EXPECT_EQ(c & 0xFF, static_cast<uint32_t>(expected[i][0])) << i;
    EXPECT_EQ((c >> 8) & 0xFF, static_cast<uint32_t>(expected[i][1])) << i;
    EXPECT_EQ(c >> 16, static_cast<uint32_t>(expected[i][2])) << i;
  }
  EXPECT_EQ(Ostrel3App::GroupColour(0), Ostrel3App::kWhite);
  EXPECT_EQ(Ostrel3App::GroupColour(1), colours[0]);
  EXPECT_EQ(Ostrel3App::GroupColour(28), colours[0]);
  EXPECT_EQ(Ostrel3App::GroupColour(27), colours[26]);
}

// Starts of the program against one configuration file; statistics go to
// a loopback port where nothing listens, so every upload fails at once.
class Starts : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("OSTREL_STATS_URL", "http://127.0.0.1:1/", 1);
    ClearMeasurementCaches();
  }
  void TearDown() override { unsetenv("OSTREL_STATS_URL"); }
  std::string path() const { return dir / "Ostrel.cfg"; }
  test::TempDir dir;
};

TEST_F(Starts, EachStartIsCountedAndAFailedUploadMovesNothing) {
  { AppConfig(path()).RSStatsRecords().push_back(RSStats{}); }
  for (int start = 1; start <= 3; ++start) {
    Ostrel3App app(path());
    EXPECT_EQ(app.Config().GetExecutionCount(), start);
    EXPECT_EQ(app.Config().GetPriorExecutionCount(), 0) << "the upload at start 2 failed";
  }
}

TEST_F(Starts, AnUploadWithoutRecordsSucceedsAtTheSecondStart) {
  for (int start = 1; start <= 3; ++start) {
    Ostrel3App app(path());
    EXPECT_EQ(app.Config().GetPriorExecutionCount(), start >= 2 ? 2 : 0) << start;
  }
}

TEST_F(Starts, CandidatesLiveInTheListAndGoBackAtExit) {
  std::string kept = dir.WriteFile("kept", "1");
  std::string gone = dir.WriteFile("gone", "2");
  {
    Ostrel3App app(path());
    for (const std::string& p : {kept, gone}) {
      auto c = std::make_unique<Candidate>(p);
      ASSERT_TRUE(app.Candidates().Add(c));
    }
    app.Candidates().GetAt(0)->SetGroup(3);
    app.ResultSets().Add(std::make_unique<ResultSet>(1000, 0.0, 0));
  }
  std::remove(gone.c_str());
  Ostrel3App app(path());
  ASSERT_EQ(app.Candidates().Count(), 1u) << "a vanished candidate is dropped at load";
  EXPECT_EQ(app.Candidates().GetAt(0)->GetFullPath(), kept);
  EXPECT_EQ(app.Candidates().GetAt(0)->GetGroup(), 3);
  EXPECT_EQ(app.ResultSets().Count(), 0) << "result sets are not kept between runs";
}

}  // namespace
}  // namespace ostrel
