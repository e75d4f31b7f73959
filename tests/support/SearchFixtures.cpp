#include "support/SearchFixtures.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>

#include "app/Formatting.h"

namespace ostrel::test {

Candidate* CandidateFactory::Keep(const std::string& name, const std::string& path) {
  owned_.push_back(std::make_unique<Candidate>(path));
  names_[owned_.back()->GetFullPath()] = name;
  return owned_.back().get();
}

Candidate* CandidateFactory::Sized(const std::string& name, uint64_t bytes) {
  return Keep(name, dir_.MakeSparse(name, bytes));
}

// 1000 samples a second of one byte each: (size - 12) / 1000 seconds.
Candidate* CandidateFactory::Playing(const std::string& name, int milliseconds) {
  std::string h(44, '\0');
  h.replace(0, 4, "RIFF");
  h.replace(8, 4, "WAVE");
  h.replace(12, 4, "fmt ");
  h[24] = static_cast<char>(1000 & 0xff);
  h[25] = static_cast<char>(1000 >> 8);
  h[32] = 1;
  std::string path = dir_.WriteFile(name, h);
  if (truncate(path.c_str(), 12 + milliseconds) != 0) throw std::runtime_error("truncate");
  return Keep(name, path);
}

std::vector<Candidate*> CandidateFactory::All() const {
  std::vector<Candidate*> all;
  for (const auto& c : owned_) all.push_back(c.get());
  return all;
}

std::string CandidateFactory::NameOf(const std::string& fullPath) const {
  auto it = names_.find(fullPath);
  return it == names_.end() ? "?" : it->second;
}

bool ScriptedMonitor::IsStopRequested() {
  ++calls_;
  for (const Press& p : presses) {
    if (p.run == run_ && p.atStep == calls_) {
      stop_ = true;
      useBest_ = p.useBest;
      continue_ = p.keepGoing;
    }
  }
  return stop_;
}

// The mean time is left out: it depends on the machine.
void ScriptedMonitor::UpdateSummary(int count, double meanPercent, double meanSeconds) {
  EXPECT_GE(meanSeconds, 0.0);
  summaries.push_back(std::to_string(count) + " " + FormatTrimmedDecimal(meanPercent, 6, true));
  // Each kept result set starts the next computation, which counts its
  // own steps.
  if (count > 0) ++run_;
  calls_ = 0;
}

void ScriptedMonitor::ResetRequests() {
  ++resets;
  stop_ = useBest_ = continue_ = false;
}

}  // namespace ostrel::test
