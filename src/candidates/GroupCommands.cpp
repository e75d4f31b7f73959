#include "candidates/GroupCommands.h"

#include <algorithm>
#include <set>

namespace ostrel {

namespace {

constexpr const char* kInUse =
    "One or more candidates you selected are already in use in a result set.\nPlease remove the "
    "candidates from your selection, or remove the result\nsets which contain them.\n";

}  // namespace

std::vector<Candidate*> GroupCommands::Selected() {
  std::vector<Candidate*> selected;
  for (size_t p : ui_.SelectedPositions()) {
    if (p < list_.Count()) selected.push_back(list_.GetAt(p));
  }
  return selected;
}

bool GroupCommands::SetGroupOfSelection(int n) {
  if (n != 0) {
    for (Candidate* c : list_.GetCandidates()) {
      if (c->IsUsed() && c->GetGroup() == n) {
        ui_.Messages().Show("Group Number In Use",
                            "The group number you specified is already in use in a result "
                            "set.\nPlease choose another group.\n",
                            MessageIcon::Warning, MessageButtons::Ok, Answer::Ok);
        ui_.FocusList();
        return false;
      }
    }
  }
  std::vector<Candidate*> selected = Selected();
  if (std::any_of(selected.begin(), selected.end(), [](Candidate* c) { return c->IsUsed(); })) {
    ui_.Messages().Show("Candidate(s) In Use", kInUse, MessageIcon::None, MessageButtons::Ok,
                        Answer::Ok);
    ui_.FocusList();
    return false;
  }
  for (Candidate* c : selected) c->SetGroup(n);
  ui_.Refill();
  return true;
}

int GroupCommands::NextAvailableGroup() {
  std::vector<size_t> positions = ui_.SelectedPositions();
  std::set<size_t> selected(positions.begin(), positions.end());
  std::set<int> taken;
  std::vector<Candidate*> all = list_.GetCandidates();
  for (size_t i = 0; i < all.size(); ++i) {
    if (selected.count(i) == 0) taken.insert(all[i]->GetGroup());
  }
  int n = 1;
  while (taken.count(n) != 0) ++n;
  return n;
}

void GroupCommands::AddToGroup() {
  std::vector<Candidate*> selected = Selected();
  if (selected.empty()) return;
  const bool same = std::all_of(selected.begin(), selected.end(), [&](Candidate* c) {
    return c->GetGroup() == selected.front()->GetGroup();
  });
  while (true) {
    int value = same ? selected.front()->GetGroup() : 0;
    if (!ui_.AskGroupNumber(value) || SetGroupOfSelection(value)) return;
  }
}

void GroupCommands::AddToNextAvailableGroup() { SetGroupOfSelection(NextAvailableGroup()); }

void GroupCommands::RemoveFromGroups() {
  for (Candidate* c : Selected()) c->SetGroup(0);
  ui_.Refill();
}

void GroupCommands::ToggleRequired() {
  std::vector<Candidate*> selected = Selected();
  const bool require =
      std::any_of(selected.begin(), selected.end(), [](Candidate* c) { return !c->IsRequired(); });
  for (Candidate* c : selected) c->SetRequired(require);
  ui_.Refill();
}

}  // namespace ostrel
