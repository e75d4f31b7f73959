#pragma once

namespace ostrel {

// A monotonic clock in seconds, counted in whole milliseconds: the
// resolution at which search times are shown and kept.
class Clock {
 public:
  static double Seconds();
};

}  // namespace ostrel
