#pragma once

#include <utility>
#include <vector>

#include "candidates/FsItem.h"

namespace ostrel {

// A folder with its whole tree, scanned at construction and at every
// Refresh. Links are followed, but a folder that is already on the scan
// path (same device and inode as the scanned folder or a folder above it)
// is not entered again: such a link to an ancestor is a cycle, which has no
// children, measures 0 and is never a part of its own on expansion.
class FolderItem : public FsItem {
 public:
  explicit FolderItem(std::string_view path);
  // Takes the other item's path and find data, then rescans.
  explicit FolderItem(const FsItem& other);
  ~FolderItem() override;

  uint64_t GetSize() override;
  double GetAudioLength() override;
  int CountFiles() const override;
  int CountFolders() const override;
  FsItemVector GetContents() const override;
  FsItemVector ExpandToFitSize(uint64_t limit) override;
  FsItemVector ExpandToFitLength(double limitSeconds) override;
  bool Delete() override;
  void Refresh() override;

  const FsItemVector& GetChildren() const { return children_; }
  bool IsCycle() const { return cycle_; }

 private:
  using FolderId = std::pair<uint64_t, uint64_t>;

  FolderItem(ItemPath path, const FileStatus& status);
  void Rescan();
  void Scan(std::vector<FolderId>& ancestors);
  // Rescans when the tree is older than the last cache clear.
  template <typename Value, typename Measure>
  Value SumOfChildren(Measure measure);
  template <typename Measure, typename Limit>
  FsItemVector ExpandToFit(Measure measure, Limit limit);

  FsItemVector children_;
  bool cycle_ = false;
};

}  // namespace ostrel
