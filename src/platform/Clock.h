#pragma once

namespace ostrel {

// A monotonic clock in seconds.
class Clock {
 public:
  static double Seconds();
};

}  // namespace ostrel
