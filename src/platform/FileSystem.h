#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/FileStatus.h"
#include "platform/FileTimes.h"

namespace ostrel {

// The file-system services the program needs, over POSIX calls.
class FileSystem {
 public:
  // stat() with links followed; a dangling link does not exist.
  static FileStatus LookUp(const std::string& path);
  static FileStatus FromStat(const struct stat& st);
  static bool IsLink(const std::string& path);

  // The file's times through statx(); false when it cannot be read.
  static bool ReadTimes(const std::string& path, FileTimes& times);
  // Sets last write and last access; a creation time cannot be set on Linux.
  static bool WriteTimes(const std::string& path, const FileTimes& times);

  // unlink() / rmdir(): 0 on success, else the errno value (ENOENT when the
  // entry does not exist).
  static int RemoveFile(const std::string& path);
  static int RemoveFolder(const std::string& path);
  // Creates the folder and its missing parents; true when it exists then.
  static bool MakeFolders(const std::string& path);
  // Removes a whole tree; links are removed, never followed. A missing path
  // counts as removed.
  static bool DeleteTree(const std::string& path);
};

}  // namespace ostrel
