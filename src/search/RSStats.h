#pragma once

#include <cstdint>

#include "search/ExitType.h"
#include "search/ResultSet.h"

namespace ostrel {

// The statistics record of one kept result set, saved with the
// configuration and reported by the usage statistics.
struct RSStats {
  int calcType = 0;
  int64_t actualSize = 0;
  int64_t mediaSize = 0;
  double actualAudioLength = 0.0;
  double mediaAudioLength = 0.0;
  int64_t iterationNum = 0;
  double timeElapsed = 0.0;
  int executionNum = 0;
  int exitType = 0;
};

// Data records carry the sizes, Audio records the lengths; the other pair
// stays 0.
RSStats MakeRSStats(const ResultSet& resultSet, ExitType exitType, int executionNum);

}  // namespace ostrel
