#include "search/CombinationSearch.h"

#include <cmath>
#include <limits>
#include <unordered_map>

#include "platform/Clock.h"

namespace ostrel {

namespace {

// The two modes differ in their totals and in a few rules; the search is
// written once over them.
struct DataMode {
  using Total = int64_t;
  static constexpr int kType = 0;
  static Total TotalOf(CandidateGroup& g) { return g.GetTotalSize(); }
  // Data places every group it includes, zero-sized ones too.
  static bool Places(Total) { return true; }
  static void Fill(SearchProgress& p, Total best, Total upper) {
    p.bestBytes = best;
    p.upperBytes = upper;
  }
};

struct AudioMode {
  using Total = double;
  static constexpr int kType = 10;
  static Total TotalOf(CandidateGroup& g) { return g.GetTotalAudioLength(); }
  // A group without playing time is never chosen.
  static bool Places(Total length) { return length > 0.0; }
  static void Fill(SearchProgress& p, Total best, Total upper) {
    p.audio = true;
    p.bestSeconds = best;
    p.upperSeconds = upper;
  }
};

// A bound in bytes, truncated toward zero; one beyond the 64-bit range (a
// percentage far above 100) is the largest total there is, which is no
// upper limit at all.
int64_t ClampedBytes(double bytes) {
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (bytes >= kLimit) return std::numeric_limits<int64_t>::max();
  if (bytes <= -kLimit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(bytes);
}

// The clock the window system's search reads: fine enough that reading it
// every 64 steps (a microsecond or two) changes nothing a user can see.
constexpr int kClockInterval = 64;

// The include-or-leave-out walk over the ordered group totals w. The stack
// holds position, running total and expanded flag per depth; the flags of
// a state are the one shared flag array (the inclusions along the path),
// copied only when the best total improves.
template <typename Mode>
class DepthFirst {
 public:
  using Total = typename Mode::Total;

  DepthFirst(const std::vector<Total>& w, const SearchWindow<Total>& window, Total start,
             const std::function<double()>& clock, int clockInterval, double timeLimit)
      : w_(w),
        window_(window),
        clock_(clock),
        clockInterval_(clockInterval),
        timeLimit_(timeLimit),
        stackPos_(w.size() + 1),
        stackTotal_(w.size() + 1),
        stackExpanded_(w.size() + 1),
        flags_(w.size(), 0),
        bestFlags_(w.size(), 0),
        best_(start) {
    stackTotal_[0] = start;
  }

  ExitType Run(SearchMonitor& monitor, bool computeAll);
  const std::vector<uint8_t>& BestFlags() const { return bestFlags_; }
  int64_t Steps() const { return steps_; }
  double Elapsed() const { return now_ - start_; }

 private:
  ExitType Stopped(SearchMonitor& monitor, bool computeAll, bool timeUp) const;
  void ShowProgress(SearchMonitor& monitor) const;

  const std::vector<Total>& w_;
  const SearchWindow<Total> window_;
  const std::function<double()>& clock_;
  const int clockInterval_;
  const double timeLimit_;  // negative: none
  std::vector<size_t> stackPos_;
  std::vector<Total> stackTotal_;
  std::vector<uint8_t> stackExpanded_;
  std::vector<uint8_t> flags_;
  std::vector<uint8_t> bestFlags_;
  size_t depth_ = 1;
  Total best_;
  int64_t steps_ = 0;
  double start_ = 0.0;
  double now_ = 0.0;
};

template <typename Mode>
ExitType DepthFirst<Mode>::Stopped(SearchMonitor& monitor, bool computeAll, bool timeUp) const {
  if (timeUp) return ExitType::TimeExpired;
  if (depth_ == 0) return ExitType::Exhausted;
  if (!computeAll) {
    return monitor.IsUseBestRequested() ? ExitType::StoppedUseBest : ExitType::Cancelled;
  }
  return monitor.IsContinueRequested()  ? ExitType::StoppedUseBest
         : monitor.IsUseBestRequested() ? ExitType::StoppedEnd
                                        : ExitType::Cancelled;
}

template <typename Mode>
void DepthFirst<Mode>::ShowProgress(SearchMonitor& monitor) const {
  SearchProgress progress;
  Mode::Fill(progress, best_, window_.upper);
  progress.elapsedSeconds = now_ - start_;
  progress.steps = steps_;
  monitor.ShowProgress(progress);
}

template <typename Mode>
ExitType DepthFirst<Mode>::Run(SearchMonitor& monitor, bool computeAll) {
  const size_t n = w_.size();
  start_ = now_ = clock_();
  bool stopRequested = false;
  bool timeUp = false;
  int64_t updates = 0;
  int64_t updatesDue = 0;
  int countdown = 1;
  while (true) {
    if (stopRequested) return Stopped(monitor, computeAll, timeUp);
    if (timeUp) return ExitType::TimeExpired;
    if (depth_ == 0) return ExitType::Exhausted;
    ++steps_;
    if (--countdown == 0) {
      countdown = clockInterval_;
      now_ = clock_();
      timeUp = timeLimit_ >= 0 && (now_ - start_) > timeLimit_;
      updatesDue = static_cast<int64_t>(std::floor((now_ - start_) * 20.0));
    }
    if (updates < updatesDue) {
      ShowProgress(monitor);
      ++updates;
    }
    const size_t s = depth_ - 1;
    const size_t i = stackPos_[s];
    Total t = stackTotal_[s];
    stopRequested = monitor.IsStopRequested();
    if (i >= n) {
      --depth_;
      continue;
    }
    const bool included = Mode::Places(w_[i]);
    if (included) {
      t = t + w_[i];
      flags_[i] = 1;
    }
    if (best_ < t && !(t > window_.upper)) {
      best_ = t;
      bestFlags_ = flags_;
    }
    if (t < window_.lower) {
      if (!stackExpanded_[s]) {
        stackExpanded_[s] = 1;
        stackPos_[depth_] = i + 1;
        stackTotal_[depth_] = t;
        stackExpanded_[depth_] = 0;
        ++depth_;
        continue;
      }
    } else if (!(t > window_.upper)) {
      bestFlags_ = flags_;
      return ExitType::InWindow;
    }
    // Leave V[i] out: the state is replaced by the branch without it.
    if (included) {
      t = t - w_[i];
      flags_[i] = 0;
    }
    stackPos_[s] = i + 1;
    stackTotal_[s] = t;
    stackExpanded_[s] = 0;
  }
}

}  // namespace

CombinationSearch::CombinationSearch()
    : clock_([] { return Clock::Seconds(); }), clockInterval_(kClockInterval) {}

CombinationSearch::~CombinationSearch() = default;

void CombinationSearch::SetClock(SearchClock clock, int readEverySteps) {
  clock_ = std::move(clock);
  clockInterval_ = readEverySteps < 1 ? 1 : readEverySteps;
}

void CombinationSearch::ApplySettings(const CalcSettings& settings,
                                      const CandidateOptions& options) {
  mediaSize_ = settings.GetMediaSize();
  audioSeconds_ = settings.GetAudioSeconds();
  useTimestamp_ = options.GetUseTimestamp();
  timestamp_ = options.GetTimestamp();
  useArchiveFlag_ = options.GetUseArchiveFlag();
  usePcts_ = settings.GetUsePcts();
  pctMin_ = settings.GetPctMin();
  pctMax_ = settings.GetPctMax();
  useTimeLimit_ = settings.GetUseTimeLimit();
  timeLimit_ = settings.GetTimeLimit();
}

void CombinationSearch::SetCandidates(const std::vector<Candidate*>& candidates) {
  exclusions_.clear();
  groups_.clear();
  auto required = std::make_unique<CandidateGroup>(true, 0);
  std::unordered_map<int, CandidateGroup*> numbered;
  for (Candidate* c : candidates) {
    if (c->IsUsed()) continue;
    if (useTimestamp_ && !c->PassesTimestamp(timestamp_)) {
      exclusions_.push_back({c, ExclusionReason::ModifiedBefore});
    } else if (useArchiveFlag_ && !c->HasArchiveFlag()) {
      exclusions_.push_back({c, ExclusionReason::ArchiveFlagNotSet});
    } else if (c->IsRequired()) {
      required->AddMember(c);
    } else if (c->GetGroup() != 0) {
      CandidateGroup*& group = numbered[c->GetGroup()];
      if (group == nullptr) {
        groups_.push_back(std::make_unique<CandidateGroup>(false, c->GetGroup()));
        group = groups_.back().get();
      }
      group->AddMember(c);
    } else {
      groups_.push_back(std::make_unique<CandidateGroup>(false, 0));
      groups_.back()->AddMember(c);
    }
  }
  if (required->GetMemberCount() > 0) groups_.push_back(std::move(required));
}

void CombinationSearch::GetExcludedGroups(CalcType type, std::vector<CandidateGroup*>& groups,
                                          std::vector<Exclusion>& exclusions) {
  groups.clear();
  for (auto& g : groups_) {
    if ((type == CalcType::Data && g->GetTotalSize() > mediaSize_) ||
        (type == CalcType::Audio && g->GetTotalAudioLength() > audioSeconds_)) {
      groups.push_back(g.get());
    }
  }
  exclusions = exclusions_;
}

std::unique_ptr<ResultSet> CombinationSearch::Compute(CalcType type, int resultSetIndex,
                                                      bool computeAll, SearchMonitor& monitor) {
  if (type == CalcType::Data) return Search<DataMode>(resultSetIndex, computeAll, monitor);
  if (type == CalcType::Audio) return Search<AudioMode>(resultSetIndex, computeAll, monitor);
  exitType_ = ExitType::InvalidType;
  return nullptr;
}

// Largest first. A pair swaps only when the second is strictly larger; a
// merge takes the first half's head only when it is strictly larger, so of
// two equal totals the one from the second half comes first.
void CombinationSearch::SortLargestFirst(std::vector<CandidateGroup*>& groups,
                                         std::vector<int64_t>& totals, size_t lo, size_t hi) {
  if (lo == hi) return;
  if (hi == lo + 1) {
    if (totals[hi] > totals[lo]) {
      std::swap(totals[lo], totals[hi]);
      std::swap(groups[lo], groups[hi]);
    }
    return;
  }
  size_t mid = static_cast<size_t>(std::floor((lo + hi) * 0.5));
  SortLargestFirst(groups, totals, lo, mid);
  SortLargestFirst(groups, totals, mid + 1, hi);
  std::vector<CandidateGroup*> mergedGroups;
  std::vector<int64_t> mergedTotals;
  mergedGroups.reserve(hi - lo + 1);
  mergedTotals.reserve(hi - lo + 1);
  size_t a = lo;
  size_t b = mid + 1;
  while (a <= mid && b <= hi) {
    size_t take = totals[a] > totals[b] ? a++ : b++;
    mergedGroups.push_back(groups[take]);
    mergedTotals.push_back(totals[take]);
  }
  for (; a <= mid; ++a) mergedGroups.push_back(groups[a]), mergedTotals.push_back(totals[a]);
  for (; b <= hi; ++b) mergedGroups.push_back(groups[b]), mergedTotals.push_back(totals[b]);
  std::copy(mergedGroups.begin(), mergedGroups.end(), groups.begin() + lo);
  std::copy(mergedTotals.begin(), mergedTotals.end(), totals.begin() + lo);
}

// Draws positions until every one was drawn once. Beyond 32768 groups one
// draw of 0..32767 cannot reach every position, so two draws make one.
std::vector<size_t> CombinationSearch::RandomOrder(size_t n) {
  std::vector<bool> drawn(n, false);
  std::vector<size_t> order;
  order.reserve(n);
  const bool wide = n > 32768;
  while (order.size() < n) {
    uint64_t k;
    do {
      uint64_t r = static_cast<uint64_t>(random_.Next());
      if (wide) {
        r = (r << 15) | static_cast<uint64_t>(random_.Next());
        k = r * n >> 30;
      } else {
        k = r * n / 32768;
      }
    } while (drawn[k]);
    drawn[k] = true;
    order.push_back(k);
  }
  return order;
}

template <typename Mode>
std::unique_ptr<ResultSet> CombinationSearch::Search(int resultSetIndex, bool computeAll,
                                                     SearchMonitor& monitor) {
  using Total = typename Mode::Total;
  constexpr bool kAudio = Mode::kType == 10;
  const SearchWindow<Total> window = TargetWindow<Mode>();
  auto result = std::make_unique<ResultSet>(kAudio ? 0 : mediaSize_, kAudio ? audioSeconds_ : 0.0,
                                            Mode::kType);
  auto place = [&](CandidateGroup& g) {
    result->AddGroup(g);
    g.SetUsed(true);
    g.SetResultSet(resultSetIndex);
  };

  CandidateGroup* required = nullptr;
  std::vector<CandidateGroup*> groups;
  for (auto& g : groups_) {
    if (Mode::TotalOf(*g) > window.upper) continue;
    if (g->IsRequiredGroup()) {
      required = g.get();
    } else {
      groups.push_back(g.get());
    }
  }
  const Total requiredTotal = required != nullptr ? Mode::TotalOf(*required) : Total{};
  if (groups.empty()) {
    if (required != nullptr) place(*required);
    exitType_ = required != nullptr ? ExitType::AllFit : ExitType::NothingFits;
    return result;
  }
  Total all = requiredTotal;
  for (CandidateGroup* g : groups) all += Mode::TotalOf(*g);
  if (!(all > window.upper)) {
    if (required != nullptr && Mode::Places(requiredTotal)) place(*required);
    for (CandidateGroup* g : groups) {
      if (Mode::Places(Mode::TotalOf(*g))) place(*g);
    }
    exitType_ = ExitType::AllFit;
    return result;
  }

  std::vector<Total> w = Order<Mode>(groups);
  DepthFirst<Mode> walk(w, window, requiredTotal, clock_, clockInterval_,
                        useTimeLimit_ ? timeLimit_ : -1.0);
  exitType_ = walk.Run(monitor, computeAll);
  if (exitType_ == ExitType::Cancelled) return nullptr;
  if (required != nullptr && Mode::Places(requiredTotal)) place(*required);
  for (size_t k = 0; k < groups.size(); ++k) {
    if (walk.BestFlags()[k]) place(*groups[k]);
  }
  result->SetIterationNum(walk.Steps());
  result->SetTimeElapsed(walk.Elapsed());
  return result;
}

template <typename Mode>
SearchWindow<typename Mode::Total> CombinationSearch::TargetWindow() const {
  if constexpr (Mode::kType == 10) {
    if (!usePcts_) return {audioSeconds_, audioSeconds_};
    return {pctMin_ * audioSeconds_ * 0.01, pctMax_ * audioSeconds_ * 0.01};
  } else {
    if (!usePcts_) return {mediaSize_, mediaSize_};
    return {ClampedBytes(static_cast<double>(mediaSize_) * pctMin_ * 0.01),
            ClampedBytes(static_cast<double>(mediaSize_) * pctMax_ * 0.01)};
  }
}

// Data: largest first; Audio: the random order.
template <typename Mode>
std::vector<typename Mode::Total> CombinationSearch::Order(std::vector<CandidateGroup*>& groups) {
  const size_t n = groups.size();
  std::vector<typename Mode::Total> w(n);
  if constexpr (Mode::kType == 10) {
    std::vector<size_t> order = RandomOrder(n);
    std::vector<CandidateGroup*> shuffled(n);
    for (size_t k = 0; k < n; ++k) shuffled[k] = groups[order[k]];
    groups.swap(shuffled);
    for (size_t k = 0; k < n; ++k) w[k] = Mode::TotalOf(*groups[k]);
  } else {
    for (size_t k = 0; k < n; ++k) w[k] = Mode::TotalOf(*groups[k]);
    SortLargestFirst(groups, w, 0, n - 1);
  }
  return w;
}

}  // namespace ostrel
