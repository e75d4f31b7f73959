#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileStatus.h"

namespace ostrel {

// File attributes with the bit values of the DOS and Windows file systems.
// Where a file system keeps real DOS attributes they are read and written
// there (FAT through its ioctl, NTFS through ntfs-3g's extended attribute,
// Samba's user.DOSATTRIB); everywhere else they are derived from the mode
// and the name.
class DosAttributes {
 public:
  static constexpr uint32_t kReadOnly = 0x1;
  static constexpr uint32_t kHidden = 0x2;
  static constexpr uint32_t kSystem = 0x4;
  static constexpr uint32_t kDirectory = 0x10;
  static constexpr uint32_t kArchive = 0x20;
  static constexpr uint32_t kNormal = 0x80;
  // The bits a caller may set: read-only, hidden, system, archive, normal,
  // temporary, offline and not-content-indexed.
  static constexpr uint32_t kSettable = 0x31A7;

  // Live attributes of the path; 0 when it does not exist.
  static uint32_t Read(const std::string& path);
  // Writes bits & kSettable; false when the path does not exist or the
  // write fails.
  static bool Write(const std::string& path, uint32_t bits);
  // The attributes that follow from a look-up and the entry's name alone.
  static uint32_t Derive(std::string_view name, const FileStatus& status);
};

}  // namespace ostrel
