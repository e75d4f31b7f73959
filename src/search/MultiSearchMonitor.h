#pragma once

#include "search/SearchMonitor.h"

namespace ostrel {

// The monitor of Compute All, which also shows the result sets found so far
// and has its requests cleared after "Use Best, Continue".
class MultiSearchMonitor : public SearchMonitor {
 public:
  virtual void UpdateSummary(int count, double meanPercent, double meanSeconds) = 0;
  virtual void ResetRequests() = 0;
};

}  // namespace ostrel
