#include "app/MainViewCommands.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "candidates/MeasurementCaches.h"

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

void MainViewCommands::RefreshSizes() {
  std::map<Candidate*, uint64_t> before;
  for (Candidate* c : app_.Candidates().GetCandidates()) {
    if (c->IsUsed()) before[c] = c->GetSize();
  }
  ClearMeasurementCaches();
  ui_.RefreshCandidateView();
  std::vector<int> changed;
  for (const auto& [candidate, size] : before) {
    if (candidate->GetSize() != size) changed.push_back(candidate->GetResultSet());
  }
  if (!changed.empty()) HandleInvalidatedResultSets(changed);
}

bool MainViewCommands::HandleInvalidatedResultSets(std::vector<int> indices) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  std::string text =
      "During a size refresh, it was discovered that the sizes\nor audio lengths of candidates in "
      "the following result\nset(s) had changed since they were used in the last\ncalculation:"
      "\n\n";
  for (int k : indices) text += "   Result Set #" + std::to_string(k + 1) + "\n";
  text +=
      "\nIt is HIGHLY advised that you remove these result sets.\nNot doing so may cause "
      "unexpected behavior when acting\nupon result sets.\n\nDo you wish to remove these result "
      "sets?";
  if (ui_.Messages().Show("Clear Invalidated Result Sets?", text, MessageIcon::None,
                          MessageButtons::YesNo, Answer::Yes) != Answer::Yes) {
    return false;
  }
  for (auto k = indices.rbegin(); k != indices.rend(); ++k)
    app_.RemoveResultSetAt(*k, false, false);
  ui_.RefreshCandidateView();
  std::vector<int> selected = ui_.GetSelectedResultSets();
  for (auto k = indices.rbegin(); k != indices.rend(); ++k) {
    std::vector<int> kept;
    for (int p : selected) {
      if (p != *k) kept.push_back(p > *k ? p - 1 : p);
    }
    selected.swap(kept);
  }
  ui_.RefreshResultSetViews();
  if (app_.ResultSets().Count() > 0) ui_.SelectResultSet(0);
  ui_.SetSelectedResultSets(selected);
  return true;
}

void MainViewCommands::TellLoadProblem() {
  const std::string problem = app_.Config().LoadProblem();
  if (!problem.empty()) {
    ui_.Messages().Show("Warning", problem, MessageIcon::Warning, MessageButtons::Ok, Answer::Ok);
  }
}

}  // namespace ostrel
