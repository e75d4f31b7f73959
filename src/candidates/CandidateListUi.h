#pragma once

#include <cstddef>
#include <vector>

#include "app/MessageBoxes.h"

namespace ostrel {

// What the commands on the candidate list's selection need from the list
// view: its message boxes, the selected positions, a refill, the focus, and
// the group dialog.
class CandidateListUi {
 public:
  virtual ~CandidateListUi() = default;
  virtual MessageBoxes& Messages() = 0;
  // Ascending positions of the selected rows.
  virtual std::vector<size_t> SelectedPositions() = 0;
  virtual void Refill() = 0;
  virtual void FocusList() = 0;
  // "Add Candidates to Group", preset with value; true on OK, with the
  // number chosen in value.
  virtual bool AskGroupNumber(int& value) = 0;
};

}  // namespace ostrel
