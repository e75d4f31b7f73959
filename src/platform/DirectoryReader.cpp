#include "platform/DirectoryReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"

namespace ostrel {

DirectoryReader::DirectoryReader(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st;
  if (fstat(fd, &st) != 0 || (dir_ = fdopendir(fd)) == nullptr) {
    close(fd);
    return;
  }
  self_ = FileSystem::FromStat(st);
}

DirectoryReader::~DirectoryReader() {
  if (dir_ != nullptr) closedir(dir_);
}

bool DirectoryReader::Next(DirectoryEntry& entry) {
  if (dir_ == nullptr) return false;
  while (struct dirent* d = readdir(dir_)) {
    const char* n = d->d_name;
    if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
    entry.name = n;
    struct stat st;
    entry.status = fstatat(dirfd(dir_), n, &st, 0) == 0 ? FileSystem::FromStat(st) : FileStatus{};
    return true;
  }
  return false;
}

}  // namespace ostrel
