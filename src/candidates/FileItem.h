#pragma once

#include <optional>

#include "candidates/FsItem.h"
#include "platform/FileTimes.h"

namespace ostrel {

// A file (or any entry that is not a folder: FIFOs, sockets and devices
// measure 0 and are never opened).
class FileItem : public FsItem {
 public:
  explicit FileItem(std::string_view path);
  explicit FileItem(const FsItem& other);
  FileItem(ItemPath path, const FileStatus& status);

  uint64_t GetSize() override;
  double GetAudioLength() override;
  int CountFiles() const override;
  FsItemVector GetContents() const override;
  FsItemVector ExpandToFitSize(uint64_t limit) override;
  FsItemVector ExpandToFitLength(double limitSeconds) override;
  bool Delete() override;

  // {creation, last write, last access}; false (times unchanged) when the
  // item is not an existing file or its times cannot be read.
  bool GetFileTimes(FileTimes& times) const;
  // True when the item is not an existing file, else whether the write
  // succeeded.
  bool SetFileTimes(const FileTimes& times) const;
  // The last-write time as local calendar time turned back into seconds
  // since the epoch, daylight saving left to the C library; nothing when
  // the times cannot be read.
  std::optional<int64_t> GetModifiedTime() const;
  // Whether the full path ends in ext, letters A to Z compared without case.
  bool HasExtension(std::string_view ext) const;
};

}  // namespace ostrel
