#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "candidates/FsItem.h"
#include "candidates/ItemPath.h"

namespace ostrel {

// A file or folder offered for filling, with the folder it was added from
// (kept through every expansion) and its group number. Candidates and the
// copies that result sets keep are both candidate items. Every accessor
// answers a neutral value when there is no item (the path did not exist).
class CandidateItem {
 public:
  virtual ~CandidateItem() = 0;

  uint64_t GetSize() const { return item_ ? item_->GetSize() : 0; }
  double GetAudioLength() const { return item_ ? item_->GetAudioLength() : 0.0; }
  std::string GetName() const;
  // The parent folder, ending in a separator.
  std::string GetPath() const;
  const std::string& GetFullPath() const;
  // The parent folder relative to the original path, ending in a
  // separator; empty for an item directly in the original folder.
  std::string GetRelativePath() const;
  bool IsFile() const { return item_ && item_->IsFile(); }
  bool IsFolder() const { return item_ && item_->IsFolder(); }
  int GetGroup() const { return groupNumber_; }

  FsItem* GetItem() const { return item_.get(); }
  const ItemPath& GetOriginalPath() const { return originalPath_; }

 protected:
  CandidateItem() = default;
  CandidateItem(std::unique_ptr<FsItem> item, ItemPath originalPath, int groupNumber);

  std::unique_ptr<FsItem> item_;
  ItemPath originalPath_;
  int32_t groupNumber_ = 0;
};

}  // namespace ostrel
