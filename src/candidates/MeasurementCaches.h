#pragma once

#include <cstdint>
#include <string>

#include "candidates/PathValueMap.h"
#include "candidates/ProgressChannel.h"

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

  // One measurement of path: reported to the size-progress display, then
  // answered from the cache, or computed and stored (0 included).
  template <typename Cache, typename Compute>
  static typename Cache::Value Measure(const std::string& path, MeasureKind kind, Cache& cache,
                                       Compute compute) {
    ProgressChannel::Size().Report(path, kind);
    typename Cache::Value value{};
    if (cache.Find(path, value)) return value;
    value = compute();
    cache.Store(path, value);
    return value;
  }
};

// Empties both caches; returns true.
bool ClearMeasurementCaches();

}  // namespace ostrel
