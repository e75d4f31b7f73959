#include "candidates/CandidateCommands.h"

namespace ostrel {

std::string CandidateCommands::RefusedText(const std::vector<std::string>& paths) {
  std::string text = "The following file(s)/folder(s) could not be added:\n\n";
  for (const std::string& path : paths) text += path + "\n";
  return text +
         "\nPlease note that any new candidates added must not be\ncontained within a preexisting "
         "candidate, and no\npreexisting candidates may be within the new items\nbeing added.\n";
}

// A path that does not exist (gone since it was picked or dropped) is no
// candidate: it would measure nothing and have no name.
void CandidateCommands::AddCandidates(const std::vector<std::string>& paths) {
  bool added = false;
  std::vector<std::string> refused;
  std::vector<std::string> missing;
  ui_.BeginAdding(static_cast<int>(paths.size()));
  for (const std::string& path : paths) {
    auto candidate = std::make_unique<Candidate>(path);
    if (!candidate->Exists()) {
      missing.push_back(path);
    } else if (list_.Add(candidate)) {
      added = true;
    } else {
      refused.push_back(path);
    }
  }
  ui_.EndAdding();
  if (!refused.empty()) {
    ui_.Messages().Show("Warning", RefusedText(refused), MessageIcon::Warning, MessageButtons::Ok,
                        Answer::Ok);
  }
  if (!missing.empty()) {
    std::string text = "The following file(s)/folder(s) do not exist and could not be added:\n\n";
    for (const std::string& path : missing) text += path + "\n";
    ui_.Messages().Show("Warning", text, MessageIcon::Warning, MessageButtons::Ok, Answer::Ok);
  }
  ApplyAutoExpand();
  if (added) ui_.RefreshCandidateView();
}

// In audio mode (any type but Data) a length in seconds is the limit.
void CandidateCommands::ExpandToFit(const std::vector<size_t>* positions) {
  const CalcSettings& c = profile_.Calc();
  if (c.GetCalcType() != CalcType::Data) {
    positions ? list_.ExpandToFitLength(*positions, c.GetAudioSeconds())
              : list_.ExpandToFitLength(c.GetAudioSeconds());
  } else {
    const auto limit = static_cast<uint64_t>(c.GetMediaSize());
    positions ? list_.ExpandToFitSize(*positions, limit) : list_.ExpandToFitSize(limit);
  }
}

bool CandidateCommands::ApplyAutoExpand() {
  const CandidateOptions& o = profile_.Options();
  if (!o.GetAutoExpandAll() && !o.GetAutoExpandLarge()) return false;
  ui_.SetWaitCursor(true);
  if (o.GetAutoExpandAll()) {
    list_.ExpandAll();
  } else {
    ExpandToFit(nullptr);
  }
  ui_.SetWaitCursor(false);
  return true;
}

void CandidateCommands::ExpandToFitMedia() {
  if (list_.Count() == 0) return;
  std::string text =
      "This option will recursively expand large directories\nuntil all candidates will fit "
      "within the media size of\n" +
      profile_.Calc().MediaSizeSummary() + ".\n\nDo you wish to proceed?";
  if (ui_.Messages().Show("Expand to Fit Media", text, MessageIcon::None, MessageButtons::YesNo,
                          Answer::Yes) != Answer::Yes) {
    return;
  }
  ui_.SetWaitCursor(true);
  ExpandToFit(nullptr);
  ui_.SetWaitCursor(false);
  ui_.RefreshCandidateView();
}

void CandidateCommands::ExpandAll() {
  if (list_.Count() == 0) return;
  if (ui_.Messages().Show("Expand All Items",
                          "This option will recursively expand all candidates\nto their component "
                          "parts: individual files or empty\ndirectories.\n\nDo you wish to "
                          "proceed?",
                          MessageIcon::None, MessageButtons::YesNo, Answer::Yes) != Answer::Yes) {
    return;
  }
  ui_.SetWaitCursor(true);
  list_.ExpandAll();
  ui_.SetWaitCursor(false);
  ui_.RefreshCandidateView();
}

void CandidateCommands::ExpandSelectionToFitMedia(const std::vector<size_t>& positions) {
  ui_.SetWaitCursor(true);
  ExpandToFit(&positions);
  ui_.SetWaitCursor(false);
  ui_.RefreshCandidateView();
}

void CandidateCommands::ExpandSelectionAll(const std::vector<size_t>& positions) {
  ui_.SetWaitCursor(true);
  list_.ExpandAll(positions);
  ui_.SetWaitCursor(false);
  ui_.RefreshCandidateView();
}

}  // namespace ostrel
