#pragma once

#include <cstdint>

namespace ostrel {

// What one look-up of a path tells (links followed). Sizes are 64-bit and
// only regular files have one: FIFOs, sockets and devices measure 0.
struct FileStatus {
  bool exists = false;
  uint32_t mode = 0;
  uint64_t size = 0;
  uint64_t device = 0;
  uint64_t inode = 0;

  bool IsDirectory() const;
  bool IsRegular() const;
};

}  // namespace ostrel
