#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "candidates/Candidate.h"
#include "candidates/CandidateOptions.h"
#include "platform/Random.h"
#include "search/CalcSettings.h"
#include "search/CandidateGroup.h"
#include "search/ExitType.h"
#include "search/ResultSet.h"
#include "search/SearchMonitor.h"

namespace ostrel {

enum class ExclusionReason : int { ModifiedBefore = 1, ArchiveFlagNotSet = 2 };

// The target window of a search: a total from lower to upper ends it.
template <typename Total>
struct SearchWindow {
  Total lower;
  Total upper;
};

struct Exclusion {
  Candidate* candidate;
  ExclusionReason reason;
};

// Finds the set of candidate groups whose total comes closest to the
// medium's capacity without passing the upper bound: a depth-first
// include-or-leave-out search over the groups with an explicit stack, which
// stops at the first total inside the target window, at the time limit, at
// the user's request or when every branch was tried. Data mode adds 64-bit
// byte counts and tries the largest groups first; Audio mode adds seconds
// in a random order.
//
// The step count and the chosen set are exactly those of that search; they
// are shown to the user and kept in the statistics. What makes it fast is
// the cost of a step: one flag array is kept along the path (a state's
// flags are those of its parent plus the group it includes) and copied only
// when the best total improves, and the clock is read every few steps.
class CombinationSearch {
 public:
  using SearchClock = std::function<double()>;

  // Seeds the random order of Audio searches from the time.
  CombinationSearch();
  ~CombinationSearch();
  CombinationSearch(const CombinationSearch&) = delete;
  CombinationSearch& operator=(const CombinationSearch&) = delete;

  void ApplySettings(const CalcSettings& settings, const CandidateOptions& options);
  // Builds the groups (required group last) and the filter exclusions anew.
  void SetCandidates(const std::vector<Candidate*>& candidates);
  // The groups larger than the capacity, in group order, and every
  // exclusion of the filters in candidate-list order.
  void GetExcludedGroups(CalcType type, std::vector<CandidateGroup*>& groups,
                         std::vector<Exclusion>& exclusions);
  // Searches; every placed candidate is marked used with resultSetIndex.
  // Nothing is returned for exit types 1 and 9.
  std::unique_ptr<ResultSet> Compute(CalcType type, int resultSetIndex, bool computeAll,
                                     SearchMonitor& monitor);
  ExitType GetExitType() const { return exitType_; }

  void SeedRandom(uint32_t seed) { random_.Seed(seed); }
  // Replaces the clock, read once every readEverySteps steps.
  void SetClock(SearchClock clock, int readEverySteps);

 private:
  template <typename Mode>
  std::unique_ptr<ResultSet> Search(int resultSetIndex, bool computeAll, SearchMonitor& monitor);
  template <typename Mode>
  SearchWindow<typename Mode::Total> TargetWindow() const;
  template <typename Mode>
  std::vector<typename Mode::Total> Order(std::vector<CandidateGroup*>& groups);
  void SortLargestFirst(std::vector<CandidateGroup*>& groups, std::vector<int64_t>& totals,
                        size_t lo, size_t hi);
  std::vector<size_t> RandomOrder(size_t n);

  std::vector<std::unique_ptr<CandidateGroup>> groups_;
  std::vector<Exclusion> exclusions_;
  int64_t mediaSize_ = 0;
  double audioSeconds_ = 0.0;
  bool useTimestamp_ = false;
  int64_t timestamp_ = 0;
  bool useArchiveFlag_ = false;
  bool usePcts_ = false;
  double pctMin_ = 0.0;
  double pctMax_ = 0.0;
  bool useTimeLimit_ = false;
  double timeLimit_ = 0.0;
  ExitType exitType_ = ExitType::None;
  Random random_;
  SearchClock clock_;
  int clockInterval_;
};

}  // namespace ostrel
