#include "candidates/CandidateList.h"

namespace ostrel {

CandidateList::CandidateList() : CandidateItemList(kCandidateListSortKeys) {}

CandidateList::~CandidateList() {
  for (Candidate* c : items_) delete c;
}

void CandidateList::ResetUsed() {
  for (Candidate* c : items_) c->SetUsed(false);
}

bool CandidateList::HasAncestor(const std::string& path) const {
  for (std::string_view t = ItemPath::CutAtLastSeparator(path); !t.empty();
       t = ItemPath::CutAtLastSeparator(t)) {
    if (paths_.find(t) != paths_.end()) return true;
  }
  return false;
}

bool CandidateList::HasDescendant(const std::string& path) const {
  if (path == "/") {
    auto it = paths_.upper_bound(path);
    return it != paths_.end() && !it->first.empty() && it->first.front() == '/';
  }
  std::string prefix = path + "/";
  auto it = paths_.lower_bound(prefix);
  return it != paths_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

bool CandidateList::Add(std::unique_ptr<Candidate>& candidate) {
  const std::string& path = candidate->GetFullPath();
  bool equal = paths_.find(path) != paths_.end();
  bool nested = candidate->GetItem() != nullptr && (HasAncestor(path) || HasDescendant(path));
  // Both at once happens only in a list that broke the rule already (a
  // hand-edited configuration); then the first listed candidate decides.
  if (equal && nested) return AddByListOrder(candidate);
  if (nested) return false;
  if (equal) {
    candidate.reset();
  } else {
    Insert(std::move(candidate));
  }
  return true;
}

bool CandidateList::AddByListOrder(std::unique_ptr<Candidate>& candidate) {
  for (Candidate* e : items_) {
    if (e->GetFullPath() == candidate->GetFullPath()) {
      candidate.reset();
      return true;
    }
    if (candidate->IsWithin(e->GetFullPath()) || e->IsWithin(candidate->GetFullPath())) {
      return false;
    }
  }
  Insert(std::move(candidate));
  return true;
}

void CandidateList::Insert(std::unique_ptr<Candidate> candidate) {
  paths_.emplace(candidate->GetFullPath(), candidate.get());
  InsertSorted(candidate.release());
}

Candidate* CandidateList::FindByPath(std::string_view fullPath) const {
  auto it = paths_.find(fullPath);
  return it == paths_.end() ? nullptr : it->second;
}

void CandidateList::RebuildIndex() {
  paths_.clear();
  for (Candidate* c : items_) paths_.emplace(c->GetFullPath(), c);
}

void CandidateList::AddExisting(CandidateVector candidates) {
  for (auto& c : candidates) {
    if (c->Exists()) Insert(std::move(c));
  }
}

CandidateVector CandidateList::Detach() {
  CandidateVector detached;
  detached.reserve(items_.size());
  for (Candidate* c : items_) detached.emplace_back(c);
  items_.clear();
  paths_.clear();
  return detached;
}

CandidateVector CandidateList::RemoveUnusedAt(const std::vector<size_t>& positions) {
  std::vector<bool> selected = Selection(positions);
  CandidateVector removed;
  std::vector<Candidate*> kept;
  kept.reserve(items_.size());
  for (size_t i = 0; i < items_.size(); ++i) {
    if (selected[i] && !items_[i]->IsUsed()) {
      removed.emplace_back(items_[i]);
    } else {
      kept.push_back(items_[i]);
    }
  }
  items_.swap(kept);
  RebuildIndex();
  return removed;
}

std::vector<bool> CandidateList::Selection(const std::vector<size_t>& positions) const {
  std::vector<bool> selected(items_.size(), false);
  for (size_t p : positions) {
    if (p < selected.size()) selected[p] = true;
  }
  return selected;
}

bool CandidateList::Expand(Expansion kind, const std::vector<bool>& selected, uint64_t sizeLimit,
                           double lengthLimit) {
  std::vector<Candidate*> expanded;
  expanded.reserve(items_.size());
  for (size_t i = 0; i < items_.size(); ++i) {
    Candidate* c = items_[i];
    CandidateVector parts;
    if (selected[i] && (kind == Expansion::FitLength || !c->IsUsed())) {
      parts = kind == Expansion::All       ? c->GetContents()
              : kind == Expansion::FitSize ? c->ExpandToFitSize(sizeLimit)
                                           : c->ExpandToFitLength(lengthLimit);
    }
    if (parts.empty()) {
      expanded.push_back(c);
      continue;
    }
    for (auto& part : parts) expanded.push_back(part.release());
    delete c;
  }
  items_.swap(expanded);
  RebuildIndex();
  SetSortKey(GetSortKey(), false);
  return true;
}

bool CandidateList::ExpandAll() { return Expand(Expansion::All, Everything(), 0, 0.0); }

bool CandidateList::ExpandAll(const std::vector<size_t>& positions) {
  return Expand(Expansion::All, Selection(positions), 0, 0.0);
}

bool CandidateList::ExpandToFitSize(uint64_t limit) {
  return Expand(Expansion::FitSize, Everything(), limit, 0.0);
}

bool CandidateList::ExpandToFitSize(const std::vector<size_t>& positions, uint64_t limit) {
  return Expand(Expansion::FitSize, Selection(positions), limit, 0.0);
}

bool CandidateList::ExpandToFitLength(double limitSeconds) {
  return Expand(Expansion::FitLength, Everything(), 0, limitSeconds);
}

bool CandidateList::ExpandToFitLength(const std::vector<size_t>& positions, double limitSeconds) {
  return Expand(Expansion::FitLength, Selection(positions), 0, limitSeconds);
}

}  // namespace ostrel
