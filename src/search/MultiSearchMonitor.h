#pragma once

#include "search/SearchMonitor.h"

namespace ostrel {

// The monitor of Compute All, which also shows the result sets found so far.
class MultiSearchMonitor : public SearchMonitor {
 public:
  virtual void UpdateSummary(int count, double meanPercent, double meanSeconds) = 0;
  // After "Use Best, Continue" was acted on: its stop, continue and
  // use-best flags are cleared for the next search. A later press (a stop
  // or cancel) is not a continue request and stays.
  virtual void ResetRequests() = 0;
};

}  // namespace ostrel
