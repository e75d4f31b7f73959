#include "platform/Random.h"

#include <ctime>

namespace ostrel {

Random::Random() : state_(static_cast<uint32_t>(std::time(nullptr))) {}

}  // namespace ostrel
