#include <gtest/gtest.h>

#include <deque>

#include "candidates/GroupCommands.h"
#include "candidates/MeasurementCaches.h"
#include "support/TempDir.h"

namespace ostrel {
namespace {

class ScriptedList : public CandidateListUi, public MessageBoxes {
 public:
  MessageBoxes& Messages() override { return *this; }
  Answer Show(const std::string& title, const std::string&, MessageIcon, MessageButtons,
              Answer) override {
    shown.push_back(title);
    return Answer::Ok;
  }
  std::vector<size_t> SelectedPositions() override { return selected; }
  void Refill() override { ++refills; }
  void FocusList() override { ++focused; }
  bool AskGroupNumber(int& value) override {
    presets.push_back(value);
    if (answers.empty()) return false;
    value = answers.front();
    answers.pop_front();
    return true;
  }

  std::vector<size_t> selected;
  std::vector<std::string> shown;
  std::vector<int> presets;
  std::deque<int> answers;
  int refills = 0;
  int focused = 0;
};

// Five candidates; groups and flags are set per test.
class Groups : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearMeasurementCaches();
    for (int i = 0; i < 5; ++i) {
      auto c = std::make_unique<Candidate>(
          dir.WriteFile(std::string("c").append(std::to_string(i)), "x"));
      ASSERT_TRUE(list.Add(c));
    }
  }
  Candidate& At(size_t i) { return *list.GetAt(i); }
  std::string Marks() {
    std::string marks;
    for (Candidate* c : list.GetCandidates()) {
      marks += std::to_string(c->GetGroup());
      marks += c->IsRequired() ? 'r' : '-';
    }
    return marks;
  }

  test::TempDir dir;
  CandidateList list;
  ScriptedList ui;
  GroupCommands commands{list, ui};
};

TEST_F(Groups, NextAvailableGroupSkipsNumbersOutsideTheSelection) {
  At(0).SetGroup(1);
  At(1).SetGroup(3);
  ui.selected = {2, 3};
  EXPECT_EQ(commands.NextAvailableGroup(), 2);
  ui.selected = {0};
  EXPECT_EQ(commands.NextAvailableGroup(), 1) << "the selection does not block its own number";
}

TEST_F(Groups, ANumberUsedByAResultSetIsRefused) {
  At(0).SetGroup(5);
  At(0).SetUsed(true);
  ui.selected = {1, 2};
  EXPECT_FALSE(commands.SetGroupOfSelection(5));
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Group Number In Use"}));
  EXPECT_EQ(Marks(), "5-0-0-0-0-");
  EXPECT_EQ(ui.focused, 1);
  EXPECT_EQ(ui.refills, 0);
}

TEST_F(Groups, UsedCandidatesInTheSelectionAreRefused) {
  At(1).SetUsed(true);
  ui.selected = {0, 1};
  EXPECT_FALSE(commands.SetGroupOfSelection(2));
  EXPECT_EQ(ui.shown, (std::vector<std::string>{"Candidate(s) In Use"}));
  EXPECT_EQ(Marks(), "0-0-0-0-0-");
}

TEST_F(Groups, AssigningAGroupClearsRequired) {
  At(0).SetRequired(true);
  At(1).SetRequired(true);
  ui.selected = {0, 1};
  EXPECT_TRUE(commands.SetGroupOfSelection(3));
  EXPECT_EQ(Marks(), "3-3-0-0-0-");
  EXPECT_EQ(ui.refills, 1);
  EXPECT_TRUE(commands.SetGroupOfSelection(0));
  EXPECT_EQ(Marks(), "0-0-0-0-0-");
}

TEST_F(Groups, RequireTogglesTheWholeSelection) {
  At(0).SetGroup(2);
  At(1).SetGroup(3);
  ui.selected = {0, 1};
  commands.ToggleRequired();
  EXPECT_EQ(Marks(), "0r0r0-0-0-");
  commands.ToggleRequired();
  EXPECT_EQ(Marks(), "0-0-0-0-0-");
  At(2).SetRequired(true);
  ui.selected = {2, 3};
  commands.ToggleRequired();
  EXPECT_EQ(Marks(), "0-0-0r0r0-") << "one not required: all become required";
}

TEST_F(Groups, AddToGroupPresetsAndRetries) {
  At(0).SetGroup(2);
  At(1).SetGroup(4);
  At(4).SetGroup(6);
  At(4).SetUsed(true);
  ui.selected = {0, 1};
  ui.answers = {6, 7};
  commands.AddToGroup();
  EXPECT_EQ(ui.presets, (std::vector<int>{0, 0})) << "mixed groups: an empty box, twice";
  EXPECT_EQ(Marks(), "7-7-0-0-6-");

  ui.presets.clear();
  commands.AddToGroup();
  EXPECT_EQ(ui.presets, (std::vector<int>{7})) << "one group: preset with it; cancelled";
  EXPECT_EQ(Marks(), "7-7-0-0-6-");
}

TEST_F(Groups, NextAvailableAndRemove) {
  At(0).SetGroup(1);
  At(4).SetGroup(2);
  At(4).SetUsed(true);
  ui.selected = {1, 2};
  commands.AddToNextAvailableGroup();
  EXPECT_EQ(Marks(), "1-3-3-0-2-");
  ui.selected = {1, 4};
  commands.RemoveFromGroups();
  EXPECT_EQ(Marks(), "1-0-3-0-0-") << "without the used checks";
}

}  // namespace
}  // namespace ostrel
