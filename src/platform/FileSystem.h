#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

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

  // The path a chain of symbolic links at path leads to (the path itself
  // when it is no link); the end of the chain need not exist.
  static std::string ResolveLinks(const std::string& path);
  // Copies a regular file into a new file at to, which must not exist: 0 on
  // success, else the errno value (EEXIST when to exists). A failed copy
  // leaves no partial file.
  static int CopyToNew(const std::string& from, const std::string& to);
  // write() until all bytes are out; false on an error.
  static bool WriteAll(int fd, std::string_view bytes);
};

}  // namespace ostrel
