#include "candidates/CandidateItem.h"

namespace ostrel {

CandidateItem::CandidateItem(std::unique_ptr<FsItem> item, ItemPath originalPath, int groupNumber)
    : item_(std::move(item)), originalPath_(std::move(originalPath)), groupNumber_(groupNumber) {}

CandidateItem::~CandidateItem() = default;

std::string CandidateItem::GetName() const { return item_ ? item_->GetItemPath().GetName() : ""; }

std::string CandidateItem::GetPath() const { return item_ ? item_->GetItemPath().GetPath() : ""; }

const std::string& CandidateItem::GetFullPath() const {
  static const std::string kNone;
  return item_ ? item_->GetFullPath() : kNone;
}

// Only an original path that starts the parent folder yields a relative
// path; anything else (a hand-edited configuration) gives none.
std::string CandidateItem::GetRelativePath() const {
  std::string parent = GetPath();
  const std::string& original = originalPath_.GetFullPath();
  if (original.size() >= parent.size() || parent.compare(0, original.size(), original) != 0) {
    return {};
  }
  size_t start = original.size();
  if (parent[start] == '/') ++start;
  return parent.substr(start);
}

}  // namespace ostrel
