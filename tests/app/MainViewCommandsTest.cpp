#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include "app/MainViewCommands.h"
#include "candidates/MeasurementCaches.h"
#include "platform/FileSystem.h"
#include "support/RecordingDisplay.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

class ScriptedView : public MainViewUi, public MessageBoxes {
 public:
  MessageBoxes& Messages() override { return *this; }
  Answer Show(const std::string& title, const std::string& text, MessageIcon,
              MessageButtons buttons, Answer defaultAnswer) override {
    shown.push_back(title + ": " + text);
    if (buttons == MessageButtons::Ok) return Answer::Ok;
    defaults.push_back(defaultAnswer);
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  int AskClearCandidates() override {
    shown.push_back("clear dialog");
    return clearCode;
  }
  int GetSelectorPosition() override { return selector; }
  std::vector<int> GetSelectedResultSets() override { return selection; }
  void RefreshCandidateView() override { events.push_back("candidates"); }
  void RefreshResultSetViews() override {
    events.push_back("result sets");
    selector = -1;
  }
  void SelectResultSet(int index) override { selector = index; }
  void SetSelectedResultSets(const std::vector<int>& positions) override { selection = positions; }
  void SetWaitCursor(bool wait) override { events.push_back(wait ? "wait" : "arrow"); }

  std::deque<Answer> answers;
  std::vector<Answer> defaults;
  int clearCode = 30;
  int selector = -1;
  std::vector<int> selection;
  std::vector<std::string> shown;
  std::vector<std::string> events;
};

// Three result sets over six candidates (two each) and one unused one.
class ViewCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("OSTREL_STATS_URL", "http://127.0.0.1:1/", 1);
    ClearMeasurementCaches();
    app = std::make_unique<Ostrel3App>(dir / "Ostrel.cfg");
    for (int i = 0; i < 7; ++i) {
      auto c = std::make_unique<Candidate>(
          dir.WriteFile(std::string("c").append(std::to_string(i)), "x"));
      ASSERT_TRUE(app->Candidates().Add(c));
    }
    for (int k = 0; k < 3; ++k) {
      CandidateGroup group(false, 0);
      for (int i = 2 * k; i < 2 * k + 2; ++i) group.AddMember(app->Candidates().GetAt(i));
      auto rs = std::make_unique<ResultSet>(100, 0.0, 0);
      rs->AddGroup(group);
      group.SetUsed(true);
      group.SetResultSet(k);
      app->ResultSets().Add(std::move(rs));
    }
    commands = std::make_unique<MainViewCommands>(*app, view);
  }
  void TearDown() override {
    app.reset();
    unsetenv("OSTREL_STATS_URL");
  }

  std::string Names() const {
    std::string names;
    for (Candidate* c : app->Candidates().GetCandidates()) {
      names += c->GetName().substr(1);
      names += ':';
      names += std::to_string(c->GetResultSet());
      names += ' ';
    }
    return names;
  }

  test::TempDir dir;
  std::unique_ptr<Ostrel3App> app;
  ScriptedView view;
  std::unique_ptr<MainViewCommands> commands;
};

TEST_F(ViewCommands, RemovingASetRenumbersTheLaterOnes) {
  app->RemoveResultSetAt(1, false, false);
  EXPECT_EQ(app->ResultSets().Count(), 2);
  EXPECT_EQ(Names(), "0:0 1:0 2:-1 3:-1 4:1 5:1 6:-1 ");
  app->RemoveResultSetAt(0, true, false);
  EXPECT_EQ(Names(), "2:-1 3:-1 4:0 5:0 6:-1 ");
  app->RemoveResultSetAt(7, true, false);
  EXPECT_EQ(app->ResultSets().Count(), 1);
}

TEST_F(ViewCommands, UsedCandidatesAreNeverRemoved) {
  app->RemoveCandidatesAt({0, 1, 6, 99}, false);
  EXPECT_EQ(Names(), "0:0 1:0 2:1 3:1 4:2 5:2 ");
}

TEST_F(ViewCommands, DeletingFilesStepsTheDisplayAndReportsFailures) {
  app->Candidates().GetAt(6)->SetUsed(false);
  std::string doomed = app->Candidates().GetAt(6)->GetFullPath();
  test::RecordingDisplay display(ProgressChannel::Delete());
  ProgressChannel::Delete().Open(0, 0, 100);
  app->RemoveCandidatesAt({6}, true, &view);
  ProgressChannel::Delete().Close();
  EXPECT_FALSE(FileSystem::LookUp(doomed).exists);
  EXPECT_EQ(display.calls, (std::vector<std::string>{"open 100", "step", "report c6 0", "close"}));
  EXPECT_TRUE(view.shown.empty());
}

TEST_F(ViewCommands, RemoveTheSecondOfThreeKeepsTheSelectionInStep) {
  view.selector = 1;
  view.selection = {0, 2};
  view.answers = {Answer::No};
  commands->RemoveResultSet();
  EXPECT_EQ(view.defaults, (std::vector<Answer>{Answer::Cancel}));
  EXPECT_EQ(app->ResultSets().Count(), 2);
  EXPECT_EQ(view.selection, (std::vector<int>{0, 1}));
  EXPECT_EQ(view.selector, 1) << "the new second entry";
  EXPECT_EQ(view.shown.back(),
            "Result Set Removed: Result set #2 has been removed. Any\nsubsequent result sets "
            "have been\nmoved up in the list.");
  EXPECT_EQ(app->Candidates().Count(), 7u) << "No keeps the candidates";
}

TEST_F(ViewCommands, RemoveTheLastAndTheOnly) {
  view.selector = 2;
  view.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  commands->RemoveResultSet();
  EXPECT_EQ(view.selector, 1) << "the new last one";
  EXPECT_EQ(app->Candidates().Count(), 5u) << "Yes removes its candidates";
  commands->RemoveResultSet();
  view.selector = 0;
  commands->RemoveResultSet();
  EXPECT_EQ(app->ResultSets().Count(), 0);
  EXPECT_EQ(view.selector, -1) << "nothing left to select";

  view.shown.clear();
  commands->RemoveResultSet();
  EXPECT_TRUE(view.shown.empty()) << "no result set selected: nothing happens";
}

TEST_F(ViewCommands, CancelRemovesNothing) {
  view.selector = 0;
  view.answers = {Answer::Cancel, Answer::Cancel};
  commands->RemoveResultSet();
  commands->ClearAllResultSets();
  EXPECT_EQ(app->ResultSets().Count(), 3);
  EXPECT_TRUE(view.events.empty());
}

TEST_F(ViewCommands, ClearAllResultSets) {
  view.answers = {Answer::No};
  commands->ClearAllResultSets();
  EXPECT_EQ(app->ResultSets().Count(), 0);
  EXPECT_EQ(Names(), "0:-1 1:-1 2:-1 3:-1 4:-1 5:-1 6:-1 ");
  EXPECT_EQ(view.events, (std::vector<std::string>{"candidates", "result sets"}));
}

TEST_F(ViewCommands, ClearAllResultSetsWithTheirCandidates) {
  view.answers = {Answer::Yes};
  commands->ClearAllResultSets();
  EXPECT_EQ(Names(), "6:-1 ");
}

TEST_F(ViewCommands, ClearCandidatesChoices) {
  view.clearCode = 30;
  commands->ClearCandidates();
  EXPECT_EQ(app->Candidates().Count(), 7u);

  view.clearCode = 20;
  commands->ClearCandidates();
  EXPECT_EQ(Names(), "0:0 1:0 2:1 3:1 4:2 5:2 ") << "the result sets' candidates stay";
  EXPECT_EQ(app->ResultSets().Count(), 3);

  view.clearCode = 10;
  commands->ClearCandidates();
  EXPECT_EQ(app->Candidates().Count(), 0u);
  EXPECT_EQ(app->ResultSets().Count(), 0);
  EXPECT_EQ(view.events.back(), "arrow");
}

TEST_F(ViewCommands, ClearCandidatesWithoutResultSetsAsks) {
  commands->RemoveResultSet();
  view.answers = {Answer::No};
  commands->ClearAllResultSets();
  view.answers = {Answer::No, Answer::Yes};
  commands->ClearCandidates();
  EXPECT_EQ(app->Candidates().Count(), 7u);
  commands->ClearCandidates();
  EXPECT_EQ(app->Candidates().Count(), 0u);
  EXPECT_EQ(view.shown.back(), "Clear Candidates: Are you sure you wish to clear all candidates?");
  view.shown.clear();
  commands->ClearCandidates();
  EXPECT_TRUE(view.shown.empty()) << "an empty list: nothing happens";
}

}  // namespace
}  // namespace ostrel

namespace ostrel {
namespace {

TEST_F(ViewCommands, RefreshSizesOffersToRemoveChangedSets) {
  std::string grown = app->Candidates().GetAt(2)->GetFullPath();  // in result set 1
  std::string other = app->Candidates().GetAt(5)->GetFullPath();  // in result set 2
  for (Candidate* c : app->Candidates().GetCandidates()) c->GetSize();
  dir.AppendFile(grown.substr(dir.Path().size() + 1), "more");
  dir.AppendFile(other.substr(dir.Path().size() + 1), "more");
  view.selection = {0, 2};
  view.answers = {Answer::Yes};
  commands->RefreshSizes();
  ASSERT_EQ(view.shown.size(), 1u);
  EXPECT_NE(
      view.shown[0].find("calculation:\n\n   Result Set #2\n   Result Set #3\n\nIt is HIGHLY"),
      std::string::npos)
      << view.shown[0];
  EXPECT_EQ(app->ResultSets().Count(), 1);
  EXPECT_EQ(Names(), "0:0 1:0 2:-1 3:-1 4:-1 5:-1 6:-1 ");
  EXPECT_EQ(view.selection, (std::vector<int>{0}));
  EXPECT_EQ(view.selector, 0);
}

TEST_F(ViewCommands, RefreshSizesWithNothingChangedAsksNothing) {
  commands->RefreshSizes();
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(view.events, (std::vector<std::string>{"candidates"}));
  view.answers = {Answer::No};
  EXPECT_FALSE(commands->HandleInvalidatedResultSets({1}));
  EXPECT_EQ(app->ResultSets().Count(), 3);
}

TEST(StartProblems, ADamagedConfigurationIsToldOnce) {
  setenv("OSTREL_STATS_URL", "http://127.0.0.1:1/", 1);
  test::TempDir dir;
  const std::string path = dir.WriteFile("Ostrel.cfg", "not UTF-16 markup");
  for (int start = 0; start < 2; ++start) {
    Ostrel3App app(path);
    ScriptedView view;
    MainViewCommands(app, view).TellLoadProblem();
    if (start == 0) {
      EXPECT_EQ(view.shown,
                (std::vector<std::string>{"Warning: Ostrel.cfg could not be read and was kept as " +
                                          path + ".bad; the defaults are used."}));
    } else {
      EXPECT_TRUE(view.shown.empty()) << "the file written at exit loads";
    }
  }
}

}  // namespace
}  // namespace ostrel
