#include "search/CombinationSearch.h"

#include <cmath>
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

// The clock the window system's search reads: fine enough that reading it
// every 64 steps (a microsecond or two) changes nothing a user can see.
constexpr int kClockInterval = 64;

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

  Total lower;
  Total upper;
  if constexpr (kAudio) {
    lower = usePcts_ ? pctMin_ * audioSeconds_ * 0.01 : audioSeconds_;
    upper = usePcts_ ? pctMax_ * audioSeconds_ * 0.01 : audioSeconds_;
  } else {
    lower = usePcts_ ? static_cast<int64_t>(static_cast<double>(mediaSize_) * pctMin_ * 0.01)
                     : mediaSize_;
    upper = usePcts_ ? static_cast<int64_t>(static_cast<double>(mediaSize_) * pctMax_ * 0.01)
                     : mediaSize_;
  }
  auto result = std::make_unique<ResultSet>(kAudio ? 0 : mediaSize_, kAudio ? audioSeconds_ : 0.0,
                                            Mode::kType);

  CandidateGroup* required = nullptr;
  std::vector<CandidateGroup*> groups;
  for (auto& g : groups_) {
    if (Mode::TotalOf(*g) > upper) continue;
    if (g->IsRequiredGroup()) {
      required = g.get();
    } else {
      groups.push_back(g.get());
    }
  }
  auto place = [&](CandidateGroup& g) {
    result->AddGroup(g);
    g.SetUsed(true);
    g.SetResultSet(resultSetIndex);
  };

  if (groups.empty()) {
    if (required != nullptr) place(*required);
    exitType_ = required != nullptr ? ExitType::AllFit : ExitType::NothingFits;
    return result;
  }
  Total requiredTotal = required != nullptr ? Mode::TotalOf(*required) : Total{};
  Total all = requiredTotal;
  for (CandidateGroup* g : groups) all += Mode::TotalOf(*g);
  if (!(all > upper)) {
    if (required != nullptr && Mode::Places(requiredTotal)) place(*required);
    for (CandidateGroup* g : groups) {
      if (Mode::Places(Mode::TotalOf(*g))) place(*g);
    }
    exitType_ = ExitType::AllFit;
    return result;
  }

  const size_t n = groups.size();
  std::vector<Total> w(n);
  if constexpr (kAudio) {
    std::vector<size_t> order = RandomOrder(n);
    std::vector<CandidateGroup*> shuffled(n);
    for (size_t k = 0; k < n; ++k) shuffled[k] = groups[order[k]];
    groups.swap(shuffled);
    for (size_t k = 0; k < n; ++k) w[k] = Mode::TotalOf(*groups[k]);
  } else {
    for (size_t k = 0; k < n; ++k) w[k] = Mode::TotalOf(*groups[k]);
    SortLargestFirst(groups, w, 0, n - 1);
  }

  // The stack: position, running total and expanded flag per depth. A
  // state's flags are the shared flag array: the path's inclusions.
  std::vector<size_t> stackPos(n + 1);
  std::vector<Total> stackTotal(n + 1);
  std::vector<uint8_t> stackExpanded(n + 1);
  std::vector<uint8_t> flags(n, 0);
  std::vector<uint8_t> bestFlags(n, 0);
  size_t depth = 1;
  stackPos[0] = 0;
  stackTotal[0] = requiredTotal;
  stackExpanded[0] = 0;

  Total best = requiredTotal;
  int64_t steps = 0;
  const double start = clock_();
  double now = start;
  bool stopRequested = false;
  bool timeUp = false;
  int64_t updates = 0;
  int64_t updatesDue = 0;
  int countdown = 1;

  while (true) {
    if (stopRequested) {
      if (timeUp) {
        exitType_ = ExitType::TimeExpired;
      } else if (depth == 0) {
        exitType_ = ExitType::Exhausted;
      } else if (!computeAll) {
        exitType_ = monitor.IsUseBestRequested() ? ExitType::StoppedUseBest : ExitType::Cancelled;
      } else {
        exitType_ = monitor.IsContinueRequested()  ? ExitType::StoppedUseBest
                    : monitor.IsUseBestRequested() ? ExitType::StoppedEnd
                                                   : ExitType::Cancelled;
      }
      break;
    }
    if (timeUp) {
      exitType_ = ExitType::TimeExpired;
      break;
    }
    if (depth == 0) {
      exitType_ = ExitType::Exhausted;
      break;
    }
    ++steps;
    if (--countdown == 0) {
      countdown = clockInterval_;
      now = clock_();
      timeUp = useTimeLimit_ && (now - start) > timeLimit_;
      updatesDue = static_cast<int64_t>(std::floor((now - start) * 20.0));
    }
    if (updates < updatesDue) {
      SearchProgress progress;
      Mode::Fill(progress, best, upper);
      progress.elapsedSeconds = now - start;
      progress.steps = steps;
      monitor.ShowProgress(progress);
      ++updates;
    }
    const size_t s = depth - 1;
    const size_t i = stackPos[s];
    Total t = stackTotal[s];
    stopRequested = monitor.IsStopRequested();
    if (i >= n) {
      --depth;
      continue;
    }
    const bool included = Mode::Places(w[i]);
    if (included) {
      t = t + w[i];
      flags[i] = 1;
    }
    if (best < t && !(t > upper)) {
      best = t;
      bestFlags = flags;
    }
    if (t < lower) {
      if (!stackExpanded[s]) {
        stackExpanded[s] = 1;
        stackPos[depth] = i + 1;
        stackTotal[depth] = t;
        stackExpanded[depth] = 0;
        ++depth;
        continue;
      }
    } else if (!(t > upper)) {
      bestFlags = flags;
      exitType_ = ExitType::InWindow;
      break;
    }
    // Leave V[i] out: the state is replaced by the branch without it.
    if (included) {
      t = t - w[i];
      flags[i] = 0;
    }
    stackPos[s] = i + 1;
    stackTotal[s] = t;
    stackExpanded[s] = 0;
  }

  if (exitType_ == ExitType::Cancelled) return nullptr;
  if (required != nullptr && Mode::Places(requiredTotal)) place(*required);
  for (size_t k = 0; k < n; ++k) {
    if (bestFlags[k]) place(*groups[k]);
  }
  result->SetIterationNum(steps);
  result->SetTimeElapsed(now - start);
  return result;
}

}  // namespace ostrel
