#pragma once

#include "app/MessageBoxes.h"

namespace ostrel {

// What adding and expanding candidates need from the window.
class CandidateCommandsUi {
 public:
  virtual ~CandidateCommandsUi() = default;
  virtual MessageBoxes& Messages() = 0;
  // Around adding: the add-progress window for count paths over a disabled
  // main window, with the wait cursor.
  virtual void BeginAdding(int count) = 0;
  virtual void EndAdding() = 0;
  virtual void SetWaitCursor(bool wait) = 0;
  virtual void RefreshCandidateView() = 0;
};

}  // namespace ostrel
