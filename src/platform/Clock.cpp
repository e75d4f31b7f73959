#include "platform/Clock.h"

#include <chrono>

namespace ostrel {

double Clock::Seconds() {
  using namespace std::chrono;
  return static_cast<double>(
             duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()) *
         0.001;
}

}  // namespace ostrel
