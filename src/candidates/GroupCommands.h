#pragma once

#include "candidates/CandidateList.h"
#include "candidates/CandidateListUi.h"

namespace ostrel {

// Groups and required marks on the selected candidates: a group is placed
// all or none, a required candidate must be in the next result set.
class GroupCommands {
 public:
  GroupCommands(CandidateList& list, CandidateListUi& ui) : list_(list), ui_(ui) {}

  // Refused (false) when a used candidate elsewhere has group n, or when a
  // selected candidate is used.
  bool SetGroupOfSelection(int n);
  // The smallest n >= 1 that no candidate outside the selection carries.
  int NextAvailableGroup();
  // "Add to Group...": the dialog, asked again until it succeeds or is
  // cancelled.
  void AddToGroup();
  void AddToNextAvailableGroup();
  void RemoveFromGroups();
  // All required unless all are; requiring clears the group.
  void ToggleRequired();

 private:
  std::vector<Candidate*> Selected();

  CandidateList& list_;
  CandidateListUi& ui_;
};

}  // namespace ostrel
