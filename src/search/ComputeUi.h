#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/MessageBoxes.h"
#include "search/MultiSearchMonitor.h"
#include "search/SearchMonitor.h"

namespace ostrel {

enum class RowIcon { File, Folder, Group };

// Why a row of the exclusion question is left out.
enum class LeftOut { TooLarge, ModifiedBefore, ArchiveFlag };

// One row of the exclusion question: a candidate or group and why it is
// left out, with what it holds.
struct ExclusionRow {
  std::string candidate;
  std::string reason;
  RowIcon icon;
  LeftOut why = LeftOut::TooLarge;
  int candidates = 1;
  int64_t bytes = 0;
  double seconds = 0.0;
};

// What the compute commands need from the window system. The window
// implements it with its dialogs; tests and the command line script it.
class ComputeUi {
 public:
  virtual ~ComputeUi() = default;
  virtual MessageBoxes& Messages() = 0;
  // "The following candidates/groups will be excluded ..."; true for Yes.
  // Asked only when there is a row.
  virtual bool ConfirmExclusions(const std::vector<ExclusionRow>& rows) = 0;
  // Around the measurement: the size-progress window for count candidates
  // over a disabled main window, with the wait cursor.
  virtual void BeginMeasuring(int count) = 0;
  virtual void EndMeasuring() = 0;
  // Around a search: a progress dialog centred on the disabled main window,
  // with the application-starting cursor.
  virtual SearchMonitor& OpenSingleProgress() = 0;
  virtual void CloseSingleProgress() = 0;
  virtual MultiSearchMonitor& OpenMultiProgress() = 0;
  virtual void CloseMultiProgress() = 0;
  // The main view: refill the result-set selector and, for a position of
  // 0 or more, select and show that result set; empty the result-set view;
  // redraw the candidate list.
  virtual void ShowResultSets(int selectPosition) = 0;
  virtual void ClearResultSetView() = 0;
  virtual void RedrawCandidates() = 0;
};

}  // namespace ostrel
