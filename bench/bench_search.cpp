// Steps per second of the combination search on a hard Data instance: 48
// groups of random even sizes up to 10^9 bytes, an odd capacity that no
// subset fills exactly, no percentage window, a 3-second time limit. The
// peer in the same run is the search exactly as the algorithm reads: every
// pushed state carries its own copy of the flags, the clock is read every
// step.
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "candidates/Candidate.h"
#include "platform/Clock.h"
#include "search/CombinationSearch.h"

using namespace ostrel;

namespace {

constexpr int kGroups = 48;
constexpr double kSeconds = 3.0;

class QuietMonitor : public SearchMonitor {
 public:
  explicit QuietMonitor(int64_t stopAt = -1) : stopAt_(stopAt) {}
  void ShowProgress(const SearchProgress&) override {}
  bool IsStopRequested() override { return ++calls_ == stopAt_; }
  bool IsUseBestRequested() override { return true; }
  bool IsContinueRequested() override { return false; }

 private:
  int64_t stopAt_;
  int64_t calls_ = 0;
};

struct Reference {
  int64_t steps = 0;
  int64_t best = 0;
};

// Largest first, as the engine orders them (ties do not occur here).
Reference RunReference(std::vector<int64_t> w, int64_t capacity, double limit, int64_t maxSteps,
                       SearchMonitor& monitor) {
  std::sort(w.begin(), w.end(), std::greater<>());
  struct State {
    std::vector<bool> flags;
    size_t pos;
    int64_t total;
    bool expanded;
  };
  const size_t n = w.size();
  std::vector<State> stack;
  stack.push_back({std::vector<bool>(n, false), 0, 0, false});
  std::vector<bool> bestChosen(n, false);
  Reference r;
  double start = Clock::Seconds();
  bool stop = false;
  bool timeUp = false;
  int64_t updates = 0;
  while (!stop && !timeUp && !stack.empty() && r.steps != maxSteps) {
    ++r.steps;
    double now = Clock::Seconds();
    timeUp = (now - start) > limit;
    if (updates < static_cast<int64_t>(std::floor((now - start) * 20.0))) ++updates;
    State& s = stack.back();
    std::vector<bool> flags = s.flags;
    size_t i = s.pos;
    int64_t t = s.total;
    stop = monitor.IsStopRequested();
    if (i >= n) {
      stack.pop_back();
      continue;
    }
    t += w[i];
    flags[i] = true;
    if (r.best < t && t <= capacity) {
      r.best = t;
      bestChosen = flags;
    }
    if (t < capacity && !s.expanded) {
      s.expanded = true;
      stack.push_back({flags, i + 1, t, false});
    } else if (t == capacity) {
      break;
    } else {
      t -= w[i];
      flags[i] = false;
      stack.pop_back();
      stack.push_back({flags, i + 1, t, false});
    }
  }
  return r;
}

}  // namespace

int main() {
  bench::ScratchDir scratch;
  std::mt19937_64 random(2026);
  std::vector<int64_t> sizes;
  CandidateVector owned;
  std::vector<Candidate*> candidates;
  int64_t sum = 0;
  for (int i = 0; i < kGroups; ++i) {
    int64_t size = static_cast<int64_t>(random() % 500000000) * 2 + 2;
    std::string path = scratch.Path() + "/g" + std::to_string(i);
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ftruncate(fd, size) != 0) return 1;
    close(fd);
    owned.push_back(std::make_unique<Candidate>(path));
    candidates.push_back(owned.back().get());
    sizes.push_back(size);
    sum += size;
  }
  const int64_t capacity = (sum / 3) | 1;

  CalcSettings settings;
  settings.SetMediaSize(capacity);
  settings.SetUsePcts(false);
  settings.SetUseTimeLimit(true);
  settings.SetTimeLimit(kSeconds);
  CombinationSearch search;
  search.ApplySettings(settings, CandidateOptions());
  search.SetCandidates(candidates);
  QuietMonitor monitor;
  double start = Clock::Seconds();
  auto rs = search.Compute(CalcType::Data, 0, false, monitor);
  double ours = Clock::Seconds() - start;
  double oursRate = static_cast<double>(rs->GetIterationNum()) / ours;

  QuietMonitor peerMonitor;
  start = Clock::Seconds();
  Reference peer = RunReference(sizes, capacity, kSeconds, -1, peerMonitor);
  double theirs = Clock::Seconds() - start;
  double peerRate = static_cast<double>(peer.steps) / theirs;

  // The same steps must reach the same best total.
  const int64_t check = 2000000;
  for (Candidate* c : candidates) c->SetUsed(false);
  CombinationSearch again;
  again.ApplySettings(settings, CandidateOptions());
  again.SetCandidates(candidates);
  QuietMonitor stopAt(check);
  auto checked = again.Compute(CalcType::Data, 0, false, stopAt);
  QuietMonitor unused;
  Reference peerChecked = RunReference(sizes, capacity, 1e9, check, unused);

  std::printf("instance                %d groups, capacity %lld bytes, exit type %d\n", kGroups,
              static_cast<long long>(capacity), static_cast<int>(search.GetExitType()));
  std::printf("engine                  %.1f million steps/s (%lld steps in %.2f s; target 50)\n",
              oursRate / 1e6, static_cast<long long>(rs->GetIterationNum()), ours);
  std::printf("reference loop          %.1f million steps/s (%lld steps in %.2f s)\n",
              peerRate / 1e6, static_cast<long long>(peer.steps), theirs);
  std::printf("ratio engine/reference  %.1f (target at least 5)\n", oursRate / peerRate);
  std::printf("same best after %lld steps: %s (%lld)\n", static_cast<long long>(check),
              checked->GetTotalSize() == peerChecked.best ? "yes" : "NO",
              static_cast<long long>(peerChecked.best));
  return checked->GetTotalSize() == peerChecked.best ? 0 : 1;
}
