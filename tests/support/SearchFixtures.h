#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "candidates/Candidate.h"
#include "search/MultiSearchMonitor.h"
#include "support/TempDir.h"

namespace ostrel::test {

// Candidates over sparse files of chosen sizes, or WAV files of chosen
// playing time (whole milliseconds), named by the test.
class CandidateFactory {
 public:
  explicit CandidateFactory(TempDir& dir) : dir_(dir) {}

  Candidate* Sized(const std::string& name, uint64_t bytes);
  Candidate* Playing(const std::string& name, int milliseconds);
  std::vector<Candidate*> All() const;
  // The names of the candidates, by full path.
  std::string NameOf(const std::string& fullPath) const;

 private:
  Candidate* Keep(const std::string& name, const std::string& path);

  TempDir& dir_;
  std::vector<std::unique_ptr<Candidate>> owned_;
  std::map<std::string, std::string> names_;
};

// A monitor that presses buttons at a chosen step and records the progress
// it was shown. Step k is the k-th call of IsStopRequested.
class ScriptedMonitor : public MultiSearchMonitor {
 public:
  struct Press {
    int run;  // which computation of a Compute All, from 0
    int64_t atStep;
    bool useBest;
    bool keepGoing;
  };

  void ShowProgress(const SearchProgress& progress) override { shown.push_back(progress); }
  bool IsStopRequested() override;
  bool IsUseBestRequested() override { return useBest_; }
  bool IsContinueRequested() override { return continue_; }
  void UpdateSummary(int count, double meanPercent, double meanSeconds) override;
  void ResetRequests() override;

  std::vector<Press> presses;
  std::vector<SearchProgress> shown;
  std::vector<std::string> summaries;
  int resets = 0;

 private:
  int run_ = 0;
  int64_t calls_ = 0;
  bool stop_ = false;
  bool useBest_ = false;
  bool continue_ = false;
};

}  // namespace ostrel::test
