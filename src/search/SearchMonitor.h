#pragma once

#include <cstdint>

namespace ostrel {

// One progress report of a running search: totals in bytes (Data) or
// seconds (Audio).
struct SearchProgress {
  bool audio = false;
  int64_t bestBytes = 0;
  int64_t upperBytes = 0;
  double bestSeconds = 0.0;
  double upperSeconds = 0.0;
  double elapsedSeconds = 0.0;
  int64_t steps = 0;
};

// What a running search reports to and asks of whoever shows it. The
// engine calls ShowProgress at most 20 times a second (where a window lets
// its events run) and reads the stop request once per step.
class SearchMonitor {
 public:
  virtual ~SearchMonitor() = default;
  virtual void ShowProgress(const SearchProgress& progress) = 0;
  virtual bool IsStopRequested() = 0;
  virtual bool IsUseBestRequested() = 0;
  virtual bool IsContinueRequested() = 0;
};

}  // namespace ostrel
