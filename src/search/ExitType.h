#pragma once

namespace ostrel {

// How a computation ended; the values are stored in the statistics.
enum class ExitType : int {
  None = 0,
  InvalidType = 1,     // neither Data nor Audio; no result set
  NothingFits = 2,     // no group fits within the upper bound; no result set
  AllFit = 3,          // every remaining group fits; no search ran
  InWindow = 4,        // a total inside the target window was found
  TimeExpired = 5,     // best so far when the time limit passed
  Exhausted = 6,       // every branch was tried; the best found
  StoppedUseBest = 7,  // the user stopped and kept the best (and, in Compute All, went on)
  StoppedEnd = 8,      // the user kept the best and ended Compute All
  Cancelled = 9,       // the user cancelled; no result set
};

}  // namespace ostrel
