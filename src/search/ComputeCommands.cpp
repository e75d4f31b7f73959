#include "search/ComputeCommands.h"

#include "app/Formatting.h"
#include "candidates/ProgressChannel.h"

namespace ostrel {

namespace {

constexpr const char* kClearQuestion =
    "Initializing this operation will clear all existing\nresult sets. Do you wish to continue?";

RowIcon IconOf(const Candidate& c) { return c.IsFile() ? RowIcon::File : RowIcon::Folder; }

std::string Filled(const char* opening, const ResultSet& rs) {
  std::string text =
      std::string(opening) + "\n\nCombination #: " + FormatGroupedInteger(rs.GetIterationNum()) +
      "\nElapsed Time: " + FormatTrimmedDecimal(rs.GetTimeElapsed(), 5, true) +
      " seconds\n\nPercentage Filled: " + FormatTrimmedDecimal(rs.GetPercentFilled(), 6, true);
  if (rs.GetCalcType() == static_cast<int>(CalcType::Audio)) {
    return text + "\nDuration Filled: " + FormatDuration(rs.GetTotalAudioLength()) + " of " +
           FormatDuration(rs.GetMediaAudioLength());
  }
  return text + "%\nBytes Filled: " + FormatGroupedInteger(rs.GetTotalSize()) + " of " +
         FormatGroupedInteger(rs.GetMediaSize());
}

bool IsKept(ExitType type) { return type >= ExitType::AllFit && type <= ExitType::StoppedEnd; }

}  // namespace

std::optional<ComputeCommands::Outcome> ComputeCommands::OutcomeOf(const ResultSet* rs,
                                                                   ExitType exitType) {
  switch (exitType) {
    case ExitType::InvalidType:
      return Outcome{"Invalid Calculation Type",
                     "An invalid calculation type was specified. Please select a calculation "
                     "mode\n(Data or Audio) and try again.",
                     MessageIcon::Warning};
    case ExitType::NothingFits:
      return Outcome{"No Valid Candidates Remaining",
                     "No candidates or candidate groups within the maximum size allowed were "
                     "found.\nIf you have large candidates remaining, you may wish to expand "
                     "them to fit\nwithin the media size.",
                     MessageIcon::Warning};
    case ExitType::AllFit:
      return Outcome{"All Candidates Fit",
                     "All remaining valid candidates fit within the media size given.",
                     MessageIcon::None};
    case ExitType::InWindow:
      return Outcome{"Optimal Combination Found", Filled("Optimal combination found!", *rs),
                     MessageIcon::None};
    case ExitType::TimeExpired:
      return Outcome{"Time Expired", Filled("Time expired! Combination found.", *rs),
                     MessageIcon::None};
    case ExitType::Exhausted:
      return Outcome{"Best Combination Found", Filled("Best possible combination found!", *rs),
                     MessageIcon::None};
    case ExitType::StoppedUseBest:
      return Outcome{"Cancelled; Using Best Combination",
                     Filled("Cancelled; Using best combination so far.", *rs), MessageIcon::None};
    default:
      return std::nullopt;
  }
}

std::vector<ExclusionRow> ComputeCommands::ExclusionRows(
    const std::vector<CandidateGroup*>& groups, const std::vector<Exclusion>& exclusions) const {
  const bool audio = context_.settings.GetCalcType() == CalcType::Audio;
  std::vector<ExclusionRow> rows;
  for (CandidateGroup* g : groups) {
    ExclusionRow row;
    if (g->GetMemberCount() == 1) {
      row.candidate = g->GetMember(0)->GetFullPath();
      row.icon = IconOf(*g->GetMember(0));
    } else {
      row.candidate =
          g->GetGroup() <= 0 ? "Required Group" : "Group #" + std::to_string(g->GetGroup());
      row.icon = RowIcon::Group;
    }
    row.reason = audio ? "Too Large (" + FormatDuration(g->GetTotalAudioLength()) + ")"
                       : "Too Large (" + FormatGroupedInteger(g->GetTotalSize()) + " bytes)";
    row.candidates = g->GetMemberCount();
    row.bytes = g->GetTotalSize();
    row.seconds = audio ? g->GetTotalAudioLength() : 0.0;
    rows.push_back(std::move(row));
  }
  for (const Exclusion& e : exclusions) {
    const bool old = e.reason == ExclusionReason::ModifiedBefore;
    rows.push_back({e.candidate->GetFullPath(),
                    old ? "Modified Before Specified Time" : "Archive Flag Not Set",
                    IconOf(*e.candidate), old ? LeftOut::ModifiedBefore : LeftOut::ArchiveFlag, 1,
                    static_cast<int64_t>(e.candidate->GetSize()),
                    audio ? e.candidate->GetAudioLength() : 0.0});
  }
  return rows;
}

bool ComputeCommands::ConfirmClearing(const char* caption) {
  if (context_.resultSets.Count() == 0) return true;
  return ui_.Messages().Show(caption, kClearQuestion, MessageIcon::Warning, MessageButtons::YesNo,
                             Answer::Yes) == Answer::Yes;
}

void ComputeCommands::MeasureCandidates() {
  CalcType type = context_.settings.GetCalcType();
  std::vector<Candidate*> all = context_.candidates.GetCandidates();
  ui_.BeginMeasuring(static_cast<int>(all.size()));
  for (Candidate* c : all) {
    if (type == CalcType::Data) c->GetSize();
    if (type == CalcType::Audio) c->GetAudioLength();
    ProgressChannel::Size().Step();
  }
  ui_.EndMeasuring();
}

std::unique_ptr<CombinationSearch> ComputeCommands::PrepareSearch() {
  MeasureCandidates();
  auto search = std::make_unique<CombinationSearch>();
  if (context_.randomSeed) search->SeedRandom(*context_.randomSeed);
  search->ApplySettings(context_.settings, context_.options);
  search->SetCandidates(context_.candidates.GetCandidates());
  std::vector<CandidateGroup*> groups;
  std::vector<Exclusion> exclusions;
  search->GetExcludedGroups(context_.settings.GetCalcType(), groups, exclusions);
  std::vector<ExclusionRow> rows = ExclusionRows(groups, exclusions);
  if (!rows.empty() && !ui_.ConfirmExclusions(rows)) return nullptr;
  return search;
}

void ComputeCommands::ClearForNewRun(CombinationSearch& search) {
  context_.candidates.ResetUsed();
  search.SetCandidates(context_.candidates.GetCandidates());
  context_.resultSets.RemoveAll();
  ui_.ClearResultSetView();
}

void ComputeCommands::Tell(const std::optional<Outcome>& outcome) {
  if (outcome) {
    ui_.Messages().Show(outcome->caption, outcome->text, outcome->icon, MessageButtons::Ok,
                        Answer::Ok);
  }
}

void ComputeCommands::Keep(std::unique_ptr<ResultSet> resultSet, ExitType exitType) {
  context_.stats.push_back(MakeRSStats(*resultSet, exitType, context_.executionCount));
  context_.resultSets.Add(std::move(resultSet));
}

void ComputeCommands::RunSingle(CombinationSearch& search, int resultSetIndex) {
  SearchMonitor& monitor = ui_.OpenSingleProgress();
  std::unique_ptr<ResultSet> rs =
      search.Compute(context_.settings.GetCalcType(), resultSetIndex, false, monitor);
  ui_.CloseSingleProgress();
  lastExitType_ = search.GetExitType();
  Tell(OutcomeOf(rs.get(), lastExitType_));
  if (rs && IsKept(lastExitType_)) {
    Keep(std::move(rs), lastExitType_);
    ui_.ShowResultSets(resultSetIndex);
  }
  ui_.RedrawCandidates();
}

void ComputeCommands::ComputeOne() {
  if (context_.candidates.Count() == 0 || !ConfirmClearing("Compute One")) return;
  std::unique_ptr<CombinationSearch> search = PrepareSearch();
  if (!search) return;
  ClearForNewRun(*search);
  RunSingle(*search, 0);
}

void ComputeCommands::ComputeNext() {
  if (context_.candidates.Count() == 0) return;
  std::unique_ptr<CombinationSearch> search = PrepareSearch();
  if (!search) return;
  RunSingle(*search, context_.resultSets.Count());
}

// A button pressed while a search was ending on its own acts on the run: a
// search that has not started yet has no best to keep.
void ComputeCommands::TakeLateRequest(MultiSearchMonitor& monitor, bool& keepGoing,
                                      bool& keepResults) {
  if (!monitor.IsStopRequested()) return;
  if (monitor.IsContinueRequested()) {
    monitor.ResetRequests();
  } else {
    keepGoing = false;
    keepResults = keepResults && monitor.IsUseBestRequested();
  }
}

void ComputeCommands::ComputeAll() {
  if (context_.candidates.Count() == 0 || !ConfirmClearing("Compute All")) return;
  std::unique_ptr<CombinationSearch> search = PrepareSearch();
  if (!search) return;
  ClearForNewRun(*search);

  MultiSearchMonitor& monitor = ui_.OpenMultiProgress();
  monitor.UpdateSummary(0, 0.0, 0.0);
  bool keepGoing = true;
  bool keepResults = true;
  ResultSetList& sets = context_.resultSets;
  while (keepGoing) {
    search->SetCandidates(context_.candidates.GetCandidates());
    std::unique_ptr<ResultSet> rs =
        search->Compute(context_.settings.GetCalcType(), sets.Count(), true, monitor);
    ExitType exit = lastExitType_ = search->GetExitType();
    if (exit == ExitType::InvalidType || exit == ExitType::NothingFits) {
      Tell(OutcomeOf(nullptr, exit));
      keepResults = keepResults && exit != ExitType::InvalidType;
      keepGoing = false;
      continue;
    }
    if (exit == ExitType::Cancelled) {
      keepResults = keepGoing = false;
      continue;
    }
    if (!rs || !IsKept(exit)) continue;
    Keep(std::move(rs), exit);
    double percent = 0.0;
    double seconds = 0.0;
    for (int k = 0; k < sets.Count(); ++k) {
      percent += sets.GetAt(k)->GetPercentFilled();
      seconds += sets.GetAt(k)->GetTimeElapsed();
    }
    monitor.UpdateSummary(sets.Count(), percent / sets.Count(), seconds / sets.Count());
    keepGoing = exit != ExitType::AllFit && exit != ExitType::StoppedEnd;
    if (exit == ExitType::StoppedUseBest) {
      monitor.ResetRequests();
    } else if (keepGoing) {
      TakeLateRequest(monitor, keepGoing, keepResults);
    }
  }
  ui_.CloseMultiProgress();

  if (keepResults) {
    ui_.ShowResultSets(sets.Count() > 0 ? 0 : -1);
  } else {
    sets.RemoveAll();
    context_.candidates.ResetUsed();
    ui_.ShowResultSets(-1);
  }
  ui_.RedrawCandidates();
}

}  // namespace ostrel
