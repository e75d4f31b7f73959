#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "candidates/CandidateCommands.h"
#include "candidates/MeasurementCaches.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

class ScriptedWindow : public CandidateCommandsUi, public MessageBoxes {
 public:
  MessageBoxes& Messages() override { return *this; }
  Answer Show(const std::string& title, const std::string& text, MessageIcon, MessageButtons,
              Answer) override {
    shown.push_back(title + ": " + text);
    if (answers.empty()) return Answer::Ok;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void BeginAdding(int count) override { events.push_back("adding " + std::to_string(count)); }
  void EndAdding() override { events.push_back("added"); }
  void SetWaitCursor(bool wait) override { events.push_back(wait ? "wait" : "arrow"); }
  void RefreshCandidateView() override { events.push_back("refresh"); }

  std::deque<Answer> answers;
  std::vector<std::string> shown;
  std::vector<std::string> events;
};

class Adding : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMeasurementCaches();
    dir.WriteFile("A/B/c.txt", "1");
    dir.WriteFile("AB/d.txt", "22");
    dir.WriteFile("x.txt", "333");
  }
  std::set<std::string> Listed() const {
    std::set<std::string> names;
    for (Candidate* c : list.GetCandidates())
      names.insert(c->GetFullPath().substr(dir.Path().size() + 1));
    return names;
  }

  test::TempDir dir;
  CandidateList list;
  ConfigProfile profile;
  ScriptedWindow window;
  CandidateCommands commands{list, profile, window};
};

TEST_F(Adding, RefusedPathsAreToldTogether) {
  commands.AddCandidates({dir / "A/B"});
  window.events.clear();
  commands.AddCandidates({dir / "x.txt", dir / "A", dir / "AB", dir / "A/B/c.txt", dir / "A/B"});
  EXPECT_EQ(Listed(), (std::set<std::string>{"A/B", "AB", "x.txt"}));
  EXPECT_EQ(window.events, (std::vector<std::string>{"adding 5", "added", "refresh"}));
  ASSERT_EQ(window.shown.size(), 1u);
  EXPECT_EQ(window.shown[0],
            "Warning: The following file(s)/folder(s) could not be added:\n\n" + dir / "A" + "\n" +
                dir / "A/B/c.txt" +
                "\n\nPlease note that any new candidates added must not be\ncontained within a "
                "preexisting candidate, and no\npreexisting candidates may be within the new "
                "items\nbeing added.\n");
}

TEST_F(Adding, DuplicatesAndNothingAreQuiet) {
  commands.AddCandidates({dir / "x.txt"});
  window.events.clear();
  commands.AddCandidates({dir / "x.txt"});
  EXPECT_TRUE(window.shown.empty());
  EXPECT_EQ(window.events, (std::vector<std::string>{"adding 1", "added", "refresh"}))
      << "a duplicate counts as added";
  window.events.clear();
  commands.AddCandidates({});
  EXPECT_EQ(window.events, (std::vector<std::string>{"adding 0", "added"}));
  EXPECT_EQ(list.Count(), 1u);
}

// A path that is gone (a folder double-clicked into its own name in a
// picker, a file deleted before the drop lands) never becomes a blank
// candidate; it is told apart from the refused ones.
TEST_F(Adding, PathsThatDoNotExistAreNotAdded) {
  commands.AddCandidates({dir / "gone", dir / "x.txt", dir / "A/A"});
  EXPECT_EQ(Listed(), (std::set<std::string>{"x.txt"}));
  ASSERT_EQ(window.shown.size(), 1u);
  EXPECT_EQ(window.shown[0],
            "Warning: The following file(s)/folder(s) do not exist and could not be added:\n\n" +
                dir / "gone" + "\n" + dir / "A/A" + "\n");
  window.events.clear();
  commands.AddCandidates({dir / "gone"});
  EXPECT_EQ(window.events, (std::vector<std::string>{"adding 1", "added"})) << "no refill";
}

TEST_F(Adding, AutoExpandAllTakesPrecedence) {
  profile.Options().SetAutoExpandLarge(true);
  profile.Options().SetAutoExpandAll(true);
  profile.Calc().SetMediaSize(1000000);
  commands.AddCandidates({dir / "A"});
  EXPECT_EQ(Listed(), (std::set<std::string>{"A/B/c.txt"}));

  profile.Options().SetAutoExpandAll(false);
  profile.Calc().SetMediaSize(1);
  commands.AddCandidates({dir / "AB"});
  EXPECT_EQ(Listed(), (std::set<std::string>{"A/B/c.txt", "AB/d.txt"})) << "2 bytes do not fit 1";
  profile.Options().SetAutoExpandLarge(false);
  EXPECT_FALSE(commands.ApplyAutoExpand());
}

TEST_F(Adding, ExpandButtonsAsk) {
  commands.AddCandidates({dir / "A", dir / "AB"});
  profile.Calc().SetMediaSize(1);
  profile.Calc().SetMediaSizeType(0);
  window.answers = {Answer::No};
  commands.ExpandToFitMedia();
  EXPECT_EQ(Listed(), (std::set<std::string>{"A", "AB"}));
  EXPECT_EQ(window.shown.back(),
            "Expand to Fit Media: This option will recursively expand large directories\nuntil "
            "all candidates will fit within the media size of\n1 bytes.\n\nDo you wish to "
            "proceed?");
  window.answers = {Answer::Yes};
  commands.ExpandToFitMedia();
  EXPECT_EQ(Listed(), (std::set<std::string>{"A", "AB/d.txt"})) << "A holds 1 byte and fits";

  window.answers = {Answer::Yes};
  commands.ExpandAll();
  EXPECT_EQ(Listed(), (std::set<std::string>{"A/B/c.txt", "AB/d.txt"}));
  EXPECT_EQ(window.shown.back().substr(0, 18), "Expand All Items: ");

  CandidateList empty;
  CandidateCommands none(empty, profile, window);
  window.shown.clear();
  none.ExpandAll();
  none.ExpandToFitMedia();
  EXPECT_TRUE(window.shown.empty());
}

}  // namespace
}  // namespace ostrel
