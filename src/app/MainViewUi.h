#pragma once

#include <vector>

#include "app/MessageBoxes.h"

namespace ostrel {

// What the main view's own commands need from the window: its message
// boxes, the clear-candidates question, the result-set selector and
// selection list, the refreshes and the wait cursor.
class MainViewUi {
 public:
  virtual ~MainViewUi() = default;
  virtual MessageBoxes& Messages() = 0;
  // "Do you wish to clear the candidate list?": 10 clear result sets and
  // candidates, 20 clear unused candidates only, 30 cancel, 0 closed.
  virtual int AskClearCandidates() = 0;
  // The selector's position, -1 when nothing is selected.
  virtual int GetSelectorPosition() = 0;
  // The positions selected in the result-set selection list, ascending.
  virtual std::vector<int> GetSelectedResultSets() = 0;
  virtual void RefreshCandidateView() = 0;
  virtual void RefreshResultSetViews() = 0;
  // Selects and shows entry index of the selector.
  virtual void SelectResultSet(int index) = 0;
  // Deselects every entry of the selection list and selects these.
  virtual void SetSelectedResultSets(const std::vector<int>& positions) = 0;
  virtual void SetWaitCursor(bool wait) = 0;
};

}  // namespace ostrel
