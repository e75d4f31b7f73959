#include "platform/DosAttributes.h"

#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/FileSystem.h"

namespace ostrel {

namespace {

constexpr const char* kNtfsAttribute = "system.ntfs_attrib_be";
constexpr const char* kSambaAttribute = "user.DOSATTRIB";
constexpr uint32_t kFatBits = DosAttributes::kReadOnly | DosAttributes::kHidden |
                              DosAttributes::kSystem | DosAttributes::kArchive;

std::string_view LastComponent(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string_view(path)
                                    : std::string_view(path).substr(slash + 1);
}

bool IsFat(const std::string& path) {
  struct statfs fs;
  return statfs(path.c_str(), &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC;
}

// The FAT ioctls need an open descriptor; only files and folders are opened,
// and without blocking.
int OpenForIoctl(const std::string& path, const FileStatus& status) {
  if (!status.IsRegular() && !status.IsDirectory()) return -1;
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

bool ReadFat(const std::string& path, const FileStatus& status, uint32_t& bits) {
  int fd = OpenForIoctl(path, status);
  if (fd < 0) return false;
  __u32 value = 0;
  bool ok = ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &value) == 0;
  close(fd);
  bits = value;
  return ok;
}

bool WriteFat(const std::string& path, const FileStatus& status, uint32_t bits) {
  int fd = OpenForIoctl(path, status);
  if (fd < 0) return false;
  __u32 value = (bits & kFatBits) | (status.IsDirectory() ? ATTR_DIR : 0);
  bool ok = ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &value) == 0;
  close(fd);
  return ok;
}

bool ReadNtfs(const std::string& path, uint32_t& bits) {
  unsigned char be[4];
  if (getxattr(path.c_str(), kNtfsAttribute, be, sizeof be) != sizeof be) return false;
  bits = (uint32_t{be[0]} << 24) | (uint32_t{be[1]} << 16) | (uint32_t{be[2]} << 8) | be[3];
  return true;
}

bool WriteNtfs(const std::string& path, uint32_t bits) {
  unsigned char be[4] = {static_cast<unsigned char>(bits >> 24),
                         static_cast<unsigned char>(bits >> 16),
                         static_cast<unsigned char>(bits >> 8), static_cast<unsigned char>(bits)};
  return setxattr(path.c_str(), kNtfsAttribute, be, sizeof be, XATTR_REPLACE) == 0;
}

// Samba stores the attributes as text "0x.." at the start of the value,
// followed in newer versions by a binary record that it reads only when the
// text is there.
bool ReadSamba(const std::string& path, uint32_t& bits) {
  char value[256];
  ssize_t n = getxattr(path.c_str(), kSambaAttribute, value, sizeof value - 1);
  if (n < 3) return false;
  value[n] = '\0';
  if (value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) return false;
  char* end = nullptr;
  unsigned long parsed = strtoul(value + 2, &end, 16);
  if (end == value + 2) return false;
  bits = static_cast<uint32_t>(parsed);
  return true;
}

bool WriteSamba(const std::string& path, uint32_t bits) {
  char text[16];
  int n = snprintf(text, sizeof text, "0x%x", bits);
  return setxattr(path.c_str(), kSambaAttribute, text, n + 1, XATTR_REPLACE) == 0;
}

bool WriteDerived(const std::string& path, const FileStatus& status, uint32_t bits) {
  constexpr uint32_t kAllWrite = S_IWUSR | S_IWGRP | S_IWOTH;
  mode_t mode = status.mode & 07777;
  bool readOnly = (bits & DosAttributes::kReadOnly) != 0;
  bool isReadOnly = (mode & S_IWUSR) == 0;
  if (readOnly == isReadOnly) return true;
  mode = readOnly ? (mode & ~kAllWrite) : (mode | S_IWUSR);
  return chmod(path.c_str(), mode) == 0;
}

}  // namespace

uint32_t DosAttributes::Derive(std::string_view name, const FileStatus& status) {
  if (!status.exists) return 0;
  uint32_t bits = 0;
  if (status.IsDirectory()) bits |= kDirectory;
  if (status.IsRegular()) bits |= kArchive;
  if ((status.mode & S_IWUSR) == 0) bits |= kReadOnly;
  if (!name.empty() && name.front() == '.') bits |= kHidden;
  return bits == 0 ? kNormal : bits;
}

uint32_t DosAttributes::Read(const std::string& path) {
  FileStatus status = FileSystem::LookUp(path);
  if (!status.exists) return 0;
  uint32_t bits = 0;
  if (IsFat(path) ? ReadFat(path, status, bits) : (ReadNtfs(path, bits) || ReadSamba(path, bits))) {
    if (status.IsDirectory()) bits |= kDirectory;
    return bits == 0 ? kNormal : bits;
  }
  return Derive(LastComponent(path), status);
}

bool DosAttributes::Write(const std::string& path, uint32_t bits) {
  FileStatus status = FileSystem::LookUp(path);
  if (!status.exists) return false;
  bits &= kSettable;
  if (IsFat(path)) return WriteFat(path, status, bits);
  uint32_t current = 0;
  if (ReadNtfs(path, current)) return WriteNtfs(path, bits | (current & kDirectory));
  if (ReadSamba(path, current)) return WriteSamba(path, bits | (current & kDirectory));
  return WriteDerived(path, status, bits);
}

}  // namespace ostrel
