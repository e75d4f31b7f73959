#include <gtest/gtest.h>

#include <deque>

#include "candidates/MeasurementCaches.h"
#include "search/ComputeCommands.h"
#include "support/SearchFixtures.h"

namespace ostrel {
namespace {

// Records what the commands show and answers from queues.
class ScriptedUi : public ComputeUi, public MessageBoxes {
 public:
  MessageBoxes& Messages() override { return *this; }
  Answer Show(const std::string& title, const std::string& text, MessageIcon icon,
              MessageButtons buttons, Answer) override {
    events.push_back("box " + title);
    texts.push_back(text);
    icons.push_back(icon);
    if (buttons == MessageButtons::Ok) return Answer::Ok;
    Answer a = answers.empty() ? Answer::Yes : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  bool ConfirmExclusions(const std::vector<ExclusionRow>& shownRows) override {
    events.push_back("exclusions " + std::to_string(shownRows.size()));
    rows = shownRows;
    return confirmExclusions;
  }
  void BeginMeasuring(int count) override { events.push_back("measure " + std::to_string(count)); }
  void EndMeasuring() override {}
  SearchMonitor& OpenSingleProgress() override {
    events.push_back("single");
    return monitor;
  }
  void CloseSingleProgress() override {}
  MultiSearchMonitor& OpenMultiProgress() override {
    events.push_back("multi");
    return monitor;
  }
  void CloseMultiProgress() override {}
  void ShowResultSets(int position) override {
    events.push_back("show " + std::to_string(position));
  }
  void ClearResultSetView() override { events.push_back("clear view"); }
  void RedrawCandidates() override { events.push_back("redraw"); }

  std::deque<Answer> answers;
  bool confirmExclusions = true;
  std::vector<std::string> events;
  std::vector<std::string> texts;
  std::vector<MessageIcon> icons;
  std::vector<ExclusionRow> rows;
  test::ScriptedMonitor monitor;
};

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMeasurementCaches();
    settings.SetUsePcts(false);
    settings.SetMediaSize(1000);
  }

  void AddSized(const std::string& name, uint64_t bytes) {
    auto c = std::make_unique<Candidate>(dir.MakeSparse(name, bytes));
    ASSERT_TRUE(candidates.Add(c));
  }

  std::vector<uint64_t> SizesOf(int resultSet) const {
    std::vector<uint64_t> sizes;
    for (ResultSetItem* item : resultSets.GetAt(resultSet)->GetItems()) {
      sizes.push_back(item->GetSize());
    }
    return sizes;
  }

  test::TempDir dir;
  CandidateList candidates;
  ResultSetList resultSets;
  CalcSettings settings;
  CandidateOptions options;
  std::vector<RSStats> stats;
  ComputeContext context{candidates, resultSets, settings, options, 7, stats, std::nullopt};
  ScriptedUi ui;
  ComputeCommands commands{context, ui};
};

TEST_F(Commands, EmptyListDoesNothing) {
  commands.ComputeOne();
  commands.ComputeNext();
  commands.ComputeAll();
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(Commands, ComputeOneKeepsTheResultAndItsRecord) {
  AddSized("a", 600);
  AddSized("b", 300);
  AddSized("c", 500);
  commands.ComputeOne();
  EXPECT_EQ(ui.events,
            (std::vector<std::string>{"measure 3", "clear view", "single",
                                      "box Best Combination Found", "show 0", "redraw"}));
  ASSERT_EQ(resultSets.Count(), 1);
  EXPECT_EQ(SizesOf(0), (std::vector<uint64_t>{600, 300}));
  ASSERT_EQ(stats.size(), 1u);
  EXPECT_EQ(stats[0].exitType, 6);
  EXPECT_EQ(stats[0].executionNum, 7);
  EXPECT_EQ(stats[0].actualSize, 900);
  EXPECT_EQ(ui.texts[0].rfind("Best possible combination found!\n\nCombination #: ", 0), 0u);
}

TEST_F(Commands, ClearingQuestionAnsweredNoKeepsEverything) {
  AddSized("a", 600);
  AddSized("b", 300);
  commands.ComputeOne();
  ASSERT_EQ(resultSets.Count(), 1);
  ui.events.clear();
  ui.answers = {Answer::No};
  commands.ComputeOne();
  EXPECT_EQ(ui.events, (std::vector<std::string>{"box Compute One"}));
  EXPECT_EQ(ui.texts.back(),
            "Initializing this operation will clear all existing\nresult sets. Do you wish to "
            "continue?");
  EXPECT_EQ(ui.icons.back(), MessageIcon::Warning);
  EXPECT_EQ(resultSets.Count(), 1);
  EXPECT_TRUE(candidates.GetAt(0)->IsUsed());
}

TEST_F(Commands, ExclusionsAnsweredNoChangeNothing) {
  AddSized("a", 600);
  AddSized("b", 300);
  commands.ComputeOne();
  AddSized("huge", 5000);
  ui.events.clear();
  ui.confirmExclusions = false;
  commands.ComputeOne();
  EXPECT_EQ(ui.events, (std::vector<std::string>{"box Compute One", "measure 3", "exclusions 1"}));
  ASSERT_EQ(ui.rows.size(), 1u);
  EXPECT_EQ(ui.rows[0].candidate, dir / "huge");
  EXPECT_EQ(ui.rows[0].reason, "Too Large (5000 bytes)");
  EXPECT_EQ(ui.rows[0].icon, RowIcon::File);
  EXPECT_EQ(resultSets.Count(), 1);
}

TEST_F(Commands, ComputeNextTakesTheNextPosition) {
  AddSized("a", 700);
  AddSized("b", 600);
  AddSized("c", 300);
  commands.ComputeOne();
  ui.events.clear();
  commands.ComputeNext();
  EXPECT_EQ(ui.events, (std::vector<std::string>{"measure 3", "single", "box All Candidates Fit",
                                                 "show 1", "redraw"}));
  ASSERT_EQ(resultSets.Count(), 2);
  EXPECT_EQ(SizesOf(1), (std::vector<uint64_t>{600}));
  for (Candidate* c : candidates.GetCandidates()) {
    EXPECT_EQ(c->GetResultSet(), c->GetSize() == 600 ? 1 : 0);
  }
  EXPECT_EQ(stats.back().iterationNum, 0);
  ui.events.clear();
  commands.ComputeNext();
  EXPECT_EQ(ui.events, (std::vector<std::string>{"measure 3", "single",
                                                 "box No Valid Candidates Remaining", "redraw"}));
  EXPECT_EQ(ui.icons.back(), MessageIcon::Warning);
  EXPECT_EQ(resultSets.Count(), 2);
}

TEST_F(Commands, CancelledComputeOneLeavesNoResultSet) {
  AddSized("a", 600);
  AddSized("b", 300);
  AddSized("c", 500);
  commands.ComputeOne();
  ui.events.clear();
  ui.monitor = test::ScriptedMonitor();
  ui.monitor.presses = {{0, 1, false, false}};
  commands.ComputeOne();
  EXPECT_EQ(ui.events, (std::vector<std::string>{"box Compute One", "measure 3", "clear view",
                                                 "single", "redraw"}));
  EXPECT_EQ(resultSets.Count(), 0);
  for (Candidate* c : candidates.GetCandidates()) EXPECT_FALSE(c->IsUsed());
}

// Five 400-byte files on 1000-byte media: two per disc, each search runs
// until every branch was tried.
class ComputeAll : public Commands {
 protected:
  void SetUp() override {
    Commands::SetUp();
    for (const char* name : {"a", "b", "c", "d", "e"}) AddSized(name, 400);
  }
};

TEST_F(ComputeAll, RunsUntilEverythingIsPlaced) {
  commands.ComputeAll();
  ASSERT_EQ(resultSets.Count(), 3);
  EXPECT_EQ(SizesOf(0), (std::vector<uint64_t>{400, 400}));
  EXPECT_EQ(SizesOf(2), (std::vector<uint64_t>{400}));
  EXPECT_EQ(stats.size(), 3u);
  EXPECT_EQ(stats[2].exitType, 3);
  EXPECT_EQ(ui.monitor.summaries,
            (std::vector<std::string>{"0 0", "1 80", "2 80", "3 66.6666667"}));
  EXPECT_EQ(ui.events.back(), "redraw");
  EXPECT_EQ(ui.events[ui.events.size() - 2], "show 0");
}

TEST_F(ComputeAll, UseBestContinueGoesOnWithFreshFlags) {
  ui.monitor.presses = {{0, 2, true, true}};
  commands.ComputeAll();
  EXPECT_EQ(ui.monitor.resets, 1);
  ASSERT_EQ(resultSets.Count(), 3);
  EXPECT_EQ(stats[0].exitType, 7);
  EXPECT_EQ(stats[0].iterationNum, 2);
  EXPECT_EQ(stats[1].exitType, 6);
}

TEST_F(ComputeAll, UseBestStopKeepsWhatWasFound) {
  ui.monitor.presses = {{1, 3, true, false}};
  commands.ComputeAll();
  ASSERT_EQ(resultSets.Count(), 2);
  EXPECT_EQ(stats[1].exitType, 8);
  EXPECT_EQ(ui.events[ui.events.size() - 2], "show 0");
}

TEST_F(ComputeAll, CancelDiscardsTheWholeRun) {
  ui.monitor.presses = {{1, 3, false, false}};
  commands.ComputeAll();
  EXPECT_EQ(resultSets.Count(), 0);
  for (Candidate* c : candidates.GetCandidates()) EXPECT_FALSE(c->IsUsed());
  EXPECT_EQ(ui.events[ui.events.size() - 2], "show -1");
  EXPECT_EQ(commands.GetLastExitType(), ExitType::Cancelled);
}

TEST_F(ComputeAll, NothingFittingEndsTheLoopAndKeepsEarlierSets) {
  AddSized("huge", 5000);
  commands.ComputeAll();
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_EQ(resultSets.Count(), 3) << "the last run is all-fit; huge stays out";
}

// A button pressed in the step in which a search ends on its own (here: in
// the window at step 5) acts on the run, not on the next search, which has
// no best to keep yet.
TEST_F(Commands, APressAsASearchEndsActsOnTheRun) {
  struct Case {
    bool useBest;
    bool keepGoing;
    int resultSets;
  };
  const Case cases[] = {{true, false, 1}, {false, false, 0}, {true, true, 3}};
  settings.SetUsePcts(true);
  settings.SetPctMin(99.0);
  settings.SetPctMax(100.0);
  for (int bytes : {700, 600, 500, 450, 300, 200})
    AddSized(std::string("s").append(std::to_string(bytes)), bytes);
  for (const Case& c : cases) {
    ui.monitor = test::ScriptedMonitor();
    ui.monitor.presses = {{0, 5, c.useBest, c.keepGoing}};
    stats.clear();
    commands.ComputeAll();
    EXPECT_EQ(resultSets.Count(), c.resultSets) << c.useBest << c.keepGoing;
    if (c.resultSets > 0) {
      EXPECT_EQ(stats[0].exitType, 4);
      EXPECT_EQ(stats[0].iterationNum, 5);
    }
    for (const RSStats& r : stats) EXPECT_LT(r.exitType, 7);
  }
}

TEST_F(Commands, ComputeAllWithNothingThatFits) {
  AddSized("huge", 5000);
  commands.ComputeAll();
  EXPECT_EQ(ui.events,
            (std::vector<std::string>{"measure 1", "exclusions 1", "clear view", "multi",
                                      "box No Valid Candidates Remaining", "show -1", "redraw"}));
  EXPECT_EQ(resultSets.Count(), 0);
  EXPECT_EQ(commands.GetLastExitType(), ExitType::NothingFits);
}

TEST(Outcome, TextsOfASingleRun) {
  ResultSet data(734003200, 0.0, 0);
  data.SetIterationNum(12345);
  data.SetTimeElapsed(1.234567);
  auto four = ComputeCommands::OutcomeOf(&data, ExitType::InWindow);
  ASSERT_TRUE(four);
  EXPECT_EQ(four->caption, "Optimal Combination Found");
  EXPECT_EQ(four->text,
            "Optimal combination found!\n\nCombination #: 12,345\nElapsed Time: 1.234567 "
            "seconds\n\nPercentage Filled: 0%\nBytes Filled: 0 of 734,003,200");

  ResultSet audio(0, 4795.02, 10);
  auto seven = ComputeCommands::OutcomeOf(&audio, ExitType::StoppedUseBest);
  EXPECT_EQ(seven->caption, "Cancelled; Using Best Combination");
  EXPECT_EQ(seven->text,
            "Cancelled; Using best combination so far.\n\nCombination #: 0\nElapsed Time: 0 "
            "seconds\n\nPercentage Filled: 0\nDuration Filled: 0:00:00.00 of 1:19:55.02");
  EXPECT_EQ(ComputeCommands::OutcomeOf(&audio, ExitType::TimeExpired)->caption, "Time Expired");
  EXPECT_EQ(ComputeCommands::OutcomeOf(nullptr, ExitType::InvalidType)->text,
            "An invalid calculation type was specified. Please select a calculation mode\n"
            "(Data or Audio) and try again.");
  EXPECT_FALSE(ComputeCommands::OutcomeOf(nullptr, ExitType::Cancelled));
}

TEST_F(Commands, ExclusionRowsNameGroupsAndReasons) {
  test::CandidateFactory make(dir);
  CandidateVector loaded;
  auto add = [&](Candidate* c) {
    loaded.push_back(std::make_unique<Candidate>(c->GetFullPath()));
    return loaded.back().get();
  };
  add(make.Sized("g1", 600))->SetGroup(2);
  add(make.Sized("g2", 600))->SetGroup(2);
  add(make.Sized("r1", 700))->SetRequired(true);
  add(make.Sized("r2", 700))->SetRequired(true);
  add(make.Playing("long.wav", 90000));
  candidates.AddExisting(std::move(loaded));

  CombinationSearch search;
  search.ApplySettings(settings, options);
  search.SetCandidates(candidates.GetCandidates());
  std::vector<CandidateGroup*> groups;
  std::vector<Exclusion> exclusions;
  search.GetExcludedGroups(CalcType::Data, groups, exclusions);
  std::vector<ExclusionRow> rows = commands.ExclusionRows(groups, exclusions);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].candidate, "Group #2");
  EXPECT_EQ(rows[0].reason, "Too Large (1200 bytes)");
  EXPECT_EQ(rows[0].icon, RowIcon::Group);
  EXPECT_EQ(rows[1].candidate, dir / "long.wav");
  EXPECT_EQ(rows[1].reason, "Too Large (90,012 bytes)");
  EXPECT_EQ(rows[1].icon, RowIcon::File);
  EXPECT_EQ(rows[2].candidate, "Required Group");

  settings.SetCalcType(10);
  settings.SetAudioLength(1.0);
  search.ApplySettings(settings, options);
  search.GetExcludedGroups(CalcType::Audio, groups, exclusions);
  rows = commands.ExclusionRows(groups, exclusions);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].candidate, dir / "long.wav");
  EXPECT_EQ(rows[0].reason, "Too Large (0:01:30.00)");

  exclusions = {{candidates.GetAt(0), ExclusionReason::ArchiveFlagNotSet}};
  rows = commands.ExclusionRows({}, exclusions);
  EXPECT_EQ(rows[0].reason, "Archive Flag Not Set");
  EXPECT_EQ(rows[0].icon, RowIcon::File);
}

}  // namespace
}  // namespace ostrel
