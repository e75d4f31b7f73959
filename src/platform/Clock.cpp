#include "platform/Clock.h"

#include <chrono>

namespace ostrel {

double Clock::Seconds() {
  using Steady = std::chrono::steady_clock;
  return std::chrono::duration<double>(Steady::now().time_since_epoch()).count();
}

}  // namespace ostrel
