#include "app/MainViewCommands.h"

#include <algorithm>
#include <numeric>

namespace ostrel {

void MainViewCommands::RemoveAllResultSets(bool withCandidates) {
  for (int k = app_.ResultSets().Count() - 1; k >= 0; --k) {
    app_.RemoveResultSetAt(k, withCandidates, false);
  }
}

void MainViewCommands::RemoveAllUnusedCandidates() {
  std::vector<size_t> all(app_.Candidates().Count());
  std::iota(all.begin(), all.end(), size_t{0});
  app_.RemoveCandidatesAt(all, false);
}

void MainViewCommands::RemoveResultSet() {
  const int s = ui_.GetSelectorPosition();
  if (s < 0 || s >= app_.ResultSets().Count()) return;
  Answer answer = ui_.Messages().Show(
      "Remove Result Set", "Would you like to remove this result set's\ncandidates as well?",
      MessageIcon::None, MessageButtons::YesNoCancel, Answer::Cancel);
  if (answer != Answer::Yes && answer != Answer::No) return;
  app_.RemoveResultSetAt(s, answer == Answer::Yes, false);
  ui_.RefreshCandidateView();
  std::vector<int> selected;
  for (int p : ui_.GetSelectedResultSets()) {
    if (p != s) selected.push_back(p > s ? p - 1 : p);
  }
  ui_.RefreshResultSetViews();
  const int count = app_.ResultSets().Count();
  if (count > 0) ui_.SelectResultSet(std::min(s, count - 1));
  ui_.SetSelectedResultSets(selected);
  ui_.Messages().Show("Result Set Removed",
                      "Result set #" + std::to_string(s + 1) +
                          " has been removed. Any\nsubsequent result sets have been\nmoved up "
                          "in the list.",
                      MessageIcon::None, MessageButtons::Ok, Answer::Ok);
}

void MainViewCommands::ClearAllResultSets() {
  Answer answer = ui_.Messages().Show(
      "Clear Result Sets", "Would you like to remove these result sets'\ncandidates as well?",
      MessageIcon::None, MessageButtons::YesNoCancel, Answer::Cancel);
  if (answer != Answer::Yes && answer != Answer::No) return;
  if (answer == Answer::No) app_.Candidates().ResetUsed();
  RemoveAllResultSets(answer == Answer::Yes);
  ui_.RefreshCandidateView();
  ui_.RefreshResultSetViews();
}

void MainViewCommands::ClearCandidates() {
  if (app_.Candidates().Count() == 0) return;
  if (app_.ResultSets().Count() == 0) {
    if (ui_.Messages().Show("Clear Candidates", "Are you sure you wish to clear all candidates?",
                            MessageIcon::None, MessageButtons::YesNo, Answer::Yes) != Answer::Yes) {
      return;
    }
    ui_.SetWaitCursor(true);
    RemoveAllUnusedCandidates();
    ui_.RefreshCandidateView();
    ui_.SetWaitCursor(false);
    return;
  }
  const int code = ui_.AskClearCandidates();
  if (code != 10 && code != 20) return;
  ui_.SetWaitCursor(true);
  if (code == 10) {
    app_.Candidates().ResetUsed();
    RemoveAllResultSets(false);
  }
  RemoveAllUnusedCandidates();
  ui_.RefreshCandidateView();
  if (code == 10) ui_.RefreshResultSetViews();
  ui_.SetWaitCursor(false);
}

}  // namespace ostrel
