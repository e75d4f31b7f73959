#pragma once

#include <string>
#include <vector>

#include "candidates/CandidateCommandsUi.h"
#include "candidates/CandidateList.h"
#include "config/ConfigProfile.h"

namespace ostrel {

// Adding candidates (from the picker or a drop) under the containment rule,
// and expanding them: the buttons with their questions, the selection's
// context-menu variants and the automatic expansion of the options.
class CandidateCommands {
 public:
  CandidateCommands(CandidateList& list, ConfigProfile& profile, CandidateCommandsUi& ui)
      : list_(list), profile_(profile), ui_(ui) {}

  void AddCandidates(const std::vector<std::string>& paths);
  // The warning that lists paths refused by the containment rule.
  static std::string RefusedText(const std::vector<std::string>& paths);
  // Expand All or Expand to Fit Media as the options ask; true when one ran.
  bool ApplyAutoExpand();
  void ExpandToFitMedia();
  void ExpandAll();
  void ExpandSelectionToFitMedia(const std::vector<size_t>& positions);
  void ExpandSelectionAll(const std::vector<size_t>& positions);

 private:
  void ExpandToFit(const std::vector<size_t>* positions);

  CandidateList& list_;
  ConfigProfile& profile_;
  CandidateCommandsUi& ui_;
};

}  // namespace ostrel
