#pragma once

#include <dirent.h>

#include <string>
#include <string_view>

#include "platform/FileStatus.h"

namespace ostrel {

// One entry of a folder listing: its name (valid until the next Next()) and
// what a look-up of it reports, links followed. A dangling link is listed
// with status.exists false.
struct DirectoryEntry {
  std::string_view name;
  FileStatus status;
};

// Lists a folder in the order the file system returns it, skipping "." and
// "..". Entries are looked up with fstatat() relative to the open folder,
// which saves resolving every full path again.
class DirectoryReader {
 public:
  explicit DirectoryReader(const std::string& path);
  ~DirectoryReader();
  DirectoryReader(const DirectoryReader&) = delete;
  DirectoryReader& operator=(const DirectoryReader&) = delete;

  bool IsOpen() const { return dir_ != nullptr; }
  // The folder that was actually opened (device and inode).
  const FileStatus& Self() const { return self_; }
  bool Next(DirectoryEntry& entry);

 private:
  DIR* dir_ = nullptr;
  FileStatus self_;
};

}  // namespace ostrel
