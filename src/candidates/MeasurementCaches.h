#pragma once

#include <cstdint>

#include "candidates/PathValueMap.h"

namespace ostrel {

// Sizes in bytes and audio lengths in seconds by full path (exact,
// case-sensitive), shared by every item in the process. They are emptied
// only by ClearMeasurementCaches (the Refresh Sizes command).
using SizeCache = PathValueMap<uint64_t>;
using AudioLengthCache = PathValueMap<double>;

class MeasurementCaches {
 public:
  static SizeCache& Sizes();
  static AudioLengthCache& AudioLengths();
  // Counts the clears. An item whose disk data was read in the current
  // generation needs no second read to be measured; one read earlier does.
  static uint32_t Generation();
  static void Clear();
};

// Empties both caches; returns true.
bool ClearMeasurementCaches();

}  // namespace ostrel
