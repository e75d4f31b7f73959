#pragma once

#include <vector>

#include "app/MainViewUi.h"
#include "app/Ostrel3App.h"

namespace ostrel {

// The main view's commands on result sets and candidates: Remove (the
// selected result set), Clear All (result sets) and Clear Candidates.
class MainViewCommands {
 public:
  MainViewCommands(Ostrel3App& app, MainViewUi& ui) : app_(app), ui_(ui) {}

  void RemoveResultSet();
  void ClearAllResultSets();
  void ClearCandidates();
  // Measures every candidate anew and offers to remove the result sets
  // whose candidates changed size meanwhile.
  void RefreshSizes();
  bool HandleInvalidatedResultSets(std::vector<int> indices);
  // Once at start: tells that Ostrel.cfg did not load and where it was kept.
  void TellLoadProblem();

 private:
  // Every result set, last first; the candidates go too with withCandidates.
  void RemoveAllResultSets(bool withCandidates);
  void RemoveAllUnusedCandidates();

  Ostrel3App& app_;
  MainViewUi& ui_;
};

}  // namespace ostrel
