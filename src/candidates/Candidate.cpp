#include "candidates/Candidate.h"

#include "candidates/FileItem.h"
#include "candidates/ProgressChannel.h"
#include "platform/DosAttributes.h"

namespace ostrel {

Candidate::Candidate(std::string_view path) {
  ProgressChannel& progress = ProgressChannel::Add();
  if (progress.IsOpen()) progress.Report(std::string(path));
  item_ = FsItem::Create(path);
  originalPath_ = ItemPath(ItemPath(path).GetPath());
  progress.Step();
}

Candidate::Candidate(std::unique_ptr<FsItem> item, std::string_view originalPath, bool required,
                     int groupNumber)
    : CandidateItem(std::move(item), ItemPath(originalPath), groupNumber), required_(required) {}

bool Candidate::SetFullName(std::string_view path) {
  item_ = FsItem::Create(path);
  return item_ != nullptr;
}

bool Candidate::SetOriginalPath(std::string_view path) {
  originalPath_ = ItemPath(path);
  return true;
}

bool Candidate::SetGroup(int groupNumber) {
  if (groupNumber < 0) return false;
  groupNumber_ = groupNumber;
  if (groupNumber != 0) required_ = false;
  return true;
}

bool Candidate::SetRequired(bool required) {
  required_ = required;
  if (required) groupNumber_ = 0;
  return true;
}

bool Candidate::SetUsed(bool used) {
  used_ = used;
  if (!used) resultSetIndex_ = -1;
  return true;
}

bool Candidate::SetResultSet(int index) {
  resultSetIndex_ = index < -1 ? -1 : index;
  return true;
}

bool Candidate::PassesTimestamp(int64_t threshold) const {
  if (!item_) return false;
  if (item_->IsFolder()) return true;
  auto* file = dynamic_cast<const FileItem*>(item_.get());
  if (file == nullptr) return false;
  std::optional<int64_t> modified = file->GetModifiedTime();
  return modified && *modified >= threshold;
}

bool Candidate::HasArchiveFlag() const {
  return Exists() && (item_->GetAttributes() & DosAttributes::kArchive) != 0;
}

// Cuts the full path at its last separator until it matches or becomes
// shorter than path. Cutting "/x" leaves the root "/", so that items can
// lie within the root; an empty path contains nothing.
bool Candidate::IsWithin(std::string_view path) const {
  if (!item_ || path.empty()) return false;
  for (std::string_view t = item_->GetFullPath(); t.size() >= path.size();
       t = ItemPath::CutAtLastSeparator(t)) {
    if (t == path) return true;
  }
  return false;
}

CandidateVector Candidate::Wrap(FsItemVector items) const {
  CandidateVector candidates;
  candidates.reserve(items.size());
  for (auto& item : items) {
    candidates.push_back(std::make_unique<Candidate>(std::move(item), originalPath_.GetFullPath(),
                                                     required_, groupNumber_));
  }
  return candidates;
}

CandidateVector Candidate::GetContents() const {
  return item_ ? Wrap(item_->GetContents()) : CandidateVector{};
}

CandidateVector Candidate::ExpandToFitSize(uint64_t limit) const {
  return item_ ? Wrap(item_->ExpandToFitSize(limit)) : CandidateVector{};
}

CandidateVector Candidate::ExpandToFitLength(double limitSeconds) const {
  return item_ ? Wrap(item_->ExpandToFitLength(limitSeconds)) : CandidateVector{};
}

}  // namespace ostrel
