#include "app/Ostrel3App.h"

#include <vector>

#include "app/StatsUploader.h"
#include "app/UsageStats.h"
#include "candidates/ProgressChannel.h"

namespace ostrel {

namespace {

Ostrel3App::Colour Rgb(int r, int g, int b) {
  return static_cast<Ostrel3App::Colour>(r | (g << 8) | (b << 16));
}

// Every ordering of the value triples that sum to 550, taken in four
// passes so that neighbouring groups get clearly different colours.
std::array<Ostrel3App::Colour, 27> BuildGroupColours() {
  const int v[10] = {250, 225, 175, 150, 125, 100, 75, 50, 25, 0};
  std::vector<Ostrel3App::Colour> made;
  for (int i = 0; i < 10; ++i) {
    for (int j = i; j < 10; ++j) {
      for (int k = j; k < 10; ++k) {
        int a = v[i], b = v[j], c = v[k];
        if (a + b + c != 550) continue;
        made.push_back(Rgb(a, b, c));
        if (j != k) made.push_back(Rgb(a, c, b));
        if (i != j) made.push_back(Rgb(b, a, c));
        if (i != j && i != k) made.push_back(Rgb(b, c, a));
        if (j != k) made.push_back(Rgb(c, a, b));
        if (j != k && i != j) made.push_back(Rgb(c, b, a));
      }
    }
  }
  std::array<Ostrel3App::Colour, 27> colours{};
  const int n = static_cast<int>(made.size());
  size_t next = 0;
  for (int pass = 0; pass < 4; ++pass) {
    for (int p = 0; p < n && next < colours.size(); ++p) {
      if ((n - p) % 4 == pass) colours[next++] = made[static_cast<size_t>(p)];
    }
  }
  return colours;
}

}  // namespace

Ostrel3App::Ostrel3App(const std::string& configPath)
    : config_(std::make_unique<AppConfig>(configPath)) {
  config_->IncrementExecutionCount();
  if (IsUploadDue(*config_) &&
      StatsUploader::Upload(StatsUploader::BaseUrl(), config_->GetClientId(), config_->GetRSStats(),
                            config_->GetPriorExecutionCount())) {
    config_->MarkStatsSent();
  }
  candidates_.AddExisting(config_->GetCurrentCandidates());
}

Ostrel3App::~Ostrel3App() {
  config_->StoreCurrentCandidates(candidates_.Detach());
  config_.reset();
}

void Ostrel3App::RemoveResultSetAt(int k, bool removeCandidates, bool deleteFiles,
                                   MessageBoxes* messages) {
  if (k < 0 || k >= resultSets_.Count()) return;
  std::vector<size_t> positions;
  std::vector<Candidate*> all = candidates_.GetCandidates();
  for (size_t i = 0; i < all.size(); ++i) {
    if (all[i]->GetResultSet() == k) {
      all[i]->SetUsed(false);
      positions.push_back(i);
    } else if (all[i]->GetResultSet() > k) {
      all[i]->SetResultSet(all[i]->GetResultSet() - 1);
    }
  }
  resultSets_.RemoveAt(k);
  if (removeCandidates) RemoveCandidatesAt(positions, deleteFiles, messages);
}

void Ostrel3App::RemoveCandidatesAt(const std::vector<size_t>& positions, bool deleteFiles,
                                    MessageBoxes* messages) {
  for (auto& c : candidates_.RemoveUnusedAt(positions)) {
    if (!deleteFiles || !c->Exists()) continue;
    if (c->IsFile()) ProgressChannel::Delete().Step();
    if (!c->GetItem()->Delete() && messages != nullptr) {
      messages->Show("Error Deleting Item", "Error Deleting " + c->GetFullPath(), MessageIcon::None,
                     MessageButtons::Ok, Answer::Ok);
    }
  }
}

const std::array<Ostrel3App::Colour, 27>& Ostrel3App::GroupColours() {
  static const std::array<Colour, 27> colours = BuildGroupColours();
  return colours;
}

Ostrel3App::Colour Ostrel3App::GroupColour(int group) {
  return group > 0 ? GroupColours()[static_cast<size_t>((group - 1) % 27)] : kWhite;
}

}  // namespace ostrel
