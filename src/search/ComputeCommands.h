#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "candidates/CandidateList.h"
#include "candidates/CandidateOptions.h"
#include "search/CalcSettings.h"
#include "search/CombinationSearch.h"
#include "search/ComputeUi.h"
#include "search/RSStats.h"
#include "search/ResultSetList.h"

namespace ostrel {

// The state the compute commands read and change.
struct ComputeContext {
  CandidateList& candidates;
  ResultSetList& resultSets;
  const CalcSettings& settings;
  const CandidateOptions& options;
  int executionCount;
  std::vector<RSStats>& stats;
  // Seeds the order of Audio searches; the time when empty.
  std::optional<uint32_t> randomSeed;
};

// Compute One (one result set in place of all), Compute Next (one more
// from the unused candidates) and Compute All (result sets until nothing is
// left or the user stops): measuring, screening, the user's confirmations,
// the search, its outcome and the statistics records.
class ComputeCommands {
 public:
  ComputeCommands(ComputeContext& context, ComputeUi& ui) : context_(context), ui_(ui) {}

  void ComputeOne();
  void ComputeNext();
  void ComputeAll();
  // How the last search ended; None when none ran.
  ExitType GetLastExitType() const { return lastExitType_; }

  // The rows of the exclusion question for the current calculation type.
  std::vector<ExclusionRow> ExclusionRows(const std::vector<CandidateGroup*>& groups,
                                          const std::vector<Exclusion>& exclusions) const;
  // The message a single run ends with; no text for a cancelled run.
  struct Outcome {
    std::string caption;
    std::string text;
    MessageIcon icon;
  };
  static std::optional<Outcome> OutcomeOf(const ResultSet* resultSet, ExitType exitType);

 private:
  bool ConfirmClearing(const char* caption);
  void MeasureCandidates();
  std::unique_ptr<CombinationSearch> PrepareSearch();
  void ClearForNewRun(CombinationSearch& search);
  void RunSingle(CombinationSearch& search, int resultSetIndex);
  void Keep(std::unique_ptr<ResultSet> resultSet, ExitType exitType);
  void Tell(const std::optional<Outcome>& outcome);
  void TakeLateRequest(MultiSearchMonitor& monitor, bool& keepGoing, bool& keepResults);

  ComputeContext& context_;
  ComputeUi& ui_;
  ExitType lastExitType_ = ExitType::None;
};

}  // namespace ostrel
