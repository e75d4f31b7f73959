#pragma once

#include <cstdint>

namespace ostrel {

// The three times of a file in nanoseconds since the Unix epoch. Linux keeps
// the creation (birth) time only on some file systems; 0 means unknown.
struct FileTimes {
  int64_t creation = 0;
  int64_t lastWrite = 0;
  int64_t lastAccess = 0;
};

}  // namespace ostrel
