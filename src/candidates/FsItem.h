#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "candidates/ItemPath.h"
#include "platform/FileStatus.h"

namespace ostrel {

class FsItem;
using FsItemVector = std::vector<std::unique_ptr<FsItem>>;

// A file or folder on disk as the program last saw it. The find data
// (exists flag, attributes, 64-bit size) is what the last Refresh read;
// measurements go through the process-wide caches and read the disk again
// only when the find data is older than the last cache clear.
//
// A file record stays small on purpose (a tree of 100,000 files is a normal
// candidate): the name is derived from the path instead of being stored,
// and the find-data times, which nothing reads, are not kept.
class FsItem {
 public:
  // Normalizes the path and reads its find data.
  explicit FsItem(std::string_view path);
  virtual ~FsItem() = default;
  FsItem& operator=(const FsItem&) = delete;

  // A FolderItem (which scans its tree at once) for a folder, a FileItem for
  // anything else, nothing for a path that does not exist.
  static std::unique_ptr<FsItem> Create(std::string_view path);

  virtual uint64_t GetSize();
  virtual double GetAudioLength();
  virtual int CountFiles() const;
  virtual int CountFolders() const;
  virtual FsItemVector GetContents() const;
  virtual FsItemVector ExpandToFitSize(uint64_t limit);
  virtual FsItemVector ExpandToFitLength(double limitSeconds);
  virtual bool Delete();
  virtual void Refresh();

  const ItemPath& GetItemPath() const { return path_; }
  const std::string& GetFullPath() const { return path_.GetFullPath(); }
  bool Exists() const { return exists_; }
  bool IsFile() const;
  bool IsFolder() const;
  // The size the last Refresh read.
  uint64_t GetFindSize() const { return size_; }

  // Live attribute bits of the path; 0 when the item does not exist.
  uint32_t GetAttributes() const;
  bool SetAttributes(uint32_t bits) const;

 protected:
  FsItem(const FsItem& other) = default;
  // An entry found by a folder scan, whose look-up is already known.
  FsItem(ItemPath path, const FileStatus& status);

  void TakeFindData(const FileStatus& status);
  void SetExists(bool exists);
  // Whether the find data was read since the caches were last cleared.
  bool IsCurrent() const;
  void MarkCurrent();

 private:
  ItemPath path_;
  uint64_t size_ = 0;
  uint32_t attributes_ = 0;
  uint32_t generation_ : 31;
  uint32_t exists_ : 1;
};

}  // namespace ostrel
