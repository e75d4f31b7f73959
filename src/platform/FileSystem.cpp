#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ostrel {

namespace {

int64_t ToNanoseconds(const struct statx_timestamp& t) {
  return t.tv_sec * 1000000000LL + t.tv_nsec;
}

struct timespec ToTimespec(int64_t ns) {
  struct timespec ts;
  ts.tv_sec = ns / 1000000000LL;
  ts.tv_nsec = ns % 1000000000LL;
  if (ts.tv_nsec < 0) {
    ts.tv_nsec += 1000000000LL;
    --ts.tv_sec;
  }
  return ts;
}

// Removes the entries of an open folder, descending with openat() so that a
// deep tree never needs its full path resolved again.
bool DeleteContents(int dirFd) {
  DIR* dir = fdopendir(dirFd);
  if (dir == nullptr) {
    close(dirFd);
    return false;
  }
  bool ok = true;
  while (struct dirent* entry = readdir(dir)) {
    const char* name = entry->d_name;
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) continue;
    struct stat st;
    if (fstatat(dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
      ok = ok && errno == ENOENT;
      continue;
    }
    if (S_ISDIR(st.st_mode)) {
      int child = openat(dirfd(dir), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (child < 0 || !DeleteContents(child)) {
        ok = false;
        continue;
      }
    }
    int flags = S_ISDIR(st.st_mode) ? AT_REMOVEDIR : 0;
    if (unlinkat(dirfd(dir), name, flags) != 0 && errno != ENOENT) ok = false;
  }
  closedir(dir);
  return ok;
}

}  // namespace

FileStatus FileSystem::FromStat(const struct stat& st) {
  FileStatus status;
  status.exists = true;
  status.mode = st.st_mode;
  status.size = S_ISREG(st.st_mode) ? static_cast<uint64_t>(st.st_size) : 0;
  status.device = st.st_dev;
  status.inode = st.st_ino;
  return status;
}

FileStatus FileSystem::LookUp(const std::string& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return FileStatus{};
  return FromStat(st);
}

bool FileSystem::IsLink(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool FileSystem::ReadTimes(const std::string& path, FileTimes& times) {
  struct statx sx;
  unsigned mask = STATX_ATIME | STATX_MTIME | STATX_BTIME;
  if (statx(AT_FDCWD, path.c_str(), 0, mask, &sx) != 0) return false;
  times.creation = (sx.stx_mask & STATX_BTIME) ? ToNanoseconds(sx.stx_btime) : 0;
  times.lastWrite = ToNanoseconds(sx.stx_mtime);
  times.lastAccess = ToNanoseconds(sx.stx_atime);
  return true;
}

bool FileSystem::WriteTimes(const std::string& path, const FileTimes& times) {
  struct timespec ts[2] = {ToTimespec(times.lastAccess), ToTimespec(times.lastWrite)};
  return utimensat(AT_FDCWD, path.c_str(), ts, 0) == 0;
}

int FileSystem::RemoveFile(const std::string& path) {
  return unlink(path.c_str()) == 0 ? 0 : errno;
}

int FileSystem::RemoveFolder(const std::string& path) {
  return rmdir(path.c_str()) == 0 ? 0 : errno;
}

bool FileSystem::MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    std::string prefix = path.substr(0, slash);
    if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) break;
  }
  return LookUp(path).IsDirectory();
}

bool FileSystem::DeleteTree(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return errno == ENOENT;
  if (!S_ISDIR(st.st_mode)) {
    int error = RemoveFile(path);
    return error == 0 || error == ENOENT;
  }
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = DeleteContents(fd);
  int error = RemoveFolder(path);
  return ok && (error == 0 || error == ENOENT);
}

std::string FileSystem::ResolveLinks(const std::string& path) {
  std::string current = path;
  // As many steps as the kernel follows before it gives up (ELOOP).
  for (int step = 0; step < 40; ++step) {
    char target[4096];
    ssize_t n = readlink(current.c_str(), target, sizeof target - 1);
    if (n <= 0) break;
    std::string next(target, static_cast<size_t>(n));
    if (next.front() != '/') {
      size_t slash = current.rfind('/');
      next = (slash == std::string::npos ? std::string() : current.substr(0, slash + 1)) + next;
    }
    current = std::move(next);
  }
  return current;
}

bool FileSystem::WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

int FileSystem::CopyToNew(const std::string& from, const std::string& to) {
  int in = open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (in < 0) return errno;
  struct stat st;
  int error = fstat(in, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EINVAL;
  if (error != 0) {
    close(in);
    return error;
  }
  int out = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0666);
  if (out < 0) {
    error = errno;
    close(in);
    return error;
  }
  char buffer[64 * 1024];
  while (error == 0) {
    ssize_t n = read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    if (!WriteAll(out, std::string_view(buffer, static_cast<size_t>(n)))) error = errno;
  }
  if (error == 0 && fsync(out) != 0) error = errno;
  if (close(out) != 0 && error == 0) error = errno;
  close(in);
  if (error != 0) unlink(to.c_str());
  return error;
}

}  // namespace ostrel
