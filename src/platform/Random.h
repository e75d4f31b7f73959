#pragma once

#include <cstdint>

namespace ostrel {

// The classic C library generator: state = state * 214013 + 2531011, each
// draw (state >> 16) & 0x7fff, so 0 to 32767. Seeded from the time unless
// a caller seeds it.
class Random {
 public:
  Random();
  explicit Random(uint32_t seed) : state_(seed) {}

  void Seed(uint32_t seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fff);
  }

 private:
  uint32_t state_;
};

}  // namespace ostrel
